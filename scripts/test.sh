#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest.
#   scripts/test.sh            the normal build's tests
#   scripts/test.sh --full     also the format check, the Debian package check (installs and
#                              removes the package: root or sudo), the sanitizer build of the
#                              Qt-free layers and a short fuzz run
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j "${JOBS:-2}"
if [ "${1:-}" = "--full" ]; then
  scripts/format-check.sh
  scripts/package.sh --check
  scripts/sanitize.sh
  scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
fi
