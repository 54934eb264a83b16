#!/usr/bin/env bash
# Sets up, builds and runs the program on the bundled sample project: with a display
# (DISPLAY or WAYLAND_DISPLAY set) the desktop program opens the sample; without one the
# sample's calculation report is written as a PDF.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
sample=examples/sample-house.TVK
program="${BUILD_DIR:-build}/src/voln-tvk"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: opening $sample in the desktop program"
  exec "$program" "$sample"
fi
out=out/sample-house.pdf
mkdir -p "$(dirname "$out")"
"$program" report "$sample" -o "$out"
echo "run: no display; wrote the calculation report of $sample to $PWD/$out"
