#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh [total-seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
total=${1:-60}
dir=build-fuzz
if [ ! -f "$dir/build.ninja" ]; then
  CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTVK_CORE_ONLY=ON \
    -DTVK_FUZZ=ON -DTVK_TESTS=OFF -DTVK_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
fi
cmake --build "$dir" -j "${JOBS:-2}"
targets=("$dir"/fuzz/fuzz_*)
per=$(( total / ${#targets[@]} ))
[ "$per" -ge 5 ] || per=5
for t in "${targets[@]}"; do
  name=$(basename "$t")
  corpus="$dir/corpus/$name"
  mkdir -p "$corpus"
  echo "fuzz: $name for ${per}s"
  "$t" -max_total_time="$per" -rss_limit_mb=2048 -max_len=300000 -artifact_prefix="$dir/$name-" \
    "$corpus" fuzz/seeds/"${name#fuzz_}" \
    > "$dir/$name.log" 2>&1 || { tail -n 60 "$dir/$name.log"; exit 1; }
  tail -n 1 "$dir/$name.log"
done
