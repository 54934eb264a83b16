#!/usr/bin/env bash
# Takes the screenshots the AppStream metainfo names, with the program's screenshot hook,
# into packaging/screenshots/ (publish that folder at TVK_SCREENSHOTS_URL).
#   packaging/take-screenshots.sh [PROGRAM]     default: build/src/voln-tvk
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/src/voln-tvk}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p packaging/screenshots
shoot() {
  VOLNTVK_HOME=$home VOLNTVK_SCREENSHOT=$PWD/packaging/screenshots/$1 \
    xvfb-run -a -s "-screen 0 1600x1000x24" "$program" "${@:2}" 2>/dev/null
}
shoot main-window.png examples/sample-house.TVK
shoot data-selection.png
ls -l packaging/screenshots
