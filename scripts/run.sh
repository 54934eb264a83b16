#!/usr/bin/env bash
# Sets up, builds and runs the program on the bundled sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
sample=examples/sample-house.TVK
# Until the desktop window exists, a display changes nothing: the sample's calculation
# report is written as a PDF either way.
out=out/sample-house.pdf
mkdir -p "$(dirname "$out")"
"${BUILD_DIR:-build}/src/voln-tvk" report "$sample" -o "$out"
echo "run: wrote the calculation report of $sample to $PWD/$out"
