#!/usr/bin/env bash
# Sets up, builds and runs the program: the desktop program when a display is there,
# otherwise the batch output of the bundled sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
sample=examples/sample-house.TVK
exec build/src/voln-tvk info "$sample"
