#!/usr/bin/env bash
# AddressSanitizer + UndefinedBehaviorSanitizer build of the Qt-free layers and their tests.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-asan
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTVK_CORE_ONLY=ON -DTVK_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
fi
cmake --build "$dir" -j "${JOBS:-2}"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$dir" --output-on-failure -j "${JOBS:-2}"
