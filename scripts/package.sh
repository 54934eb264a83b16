#!/usr/bin/env bash
# Builds the Debian package of the program in out/ (cpack -G DEB).
#   scripts/package.sh           build the package
#   scripts/package.sh --check   also check it with lintian, install it with dpkg, run the
#                                installed program and remove the package again
#                                (packaging/check-deb.sh; needs root or sudo)
set -euo pipefail
cd "$(dirname "$0")/.."
check=${1:-}
extra=(dpkg-dev file)  # dpkg-shlibdeps computes the library dependencies; CPack needs file
if [ "$check" = --check ]; then extra+=(lintian); fi
scripts/setup.sh "${extra[@]}"
scripts/build.sh
build_dir=${BUILD_DIR:-build}
rm -rf out/package
mkdir -p out/package
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$PWD/out/package" >out/package/cpack.log ||
  { cat out/package/cpack.log; exit 1; }
deb=$(ls out/package/voln-tvk_*.deb)
mv "$deb" out/
deb=out/$(basename "$deb")
echo "package: $PWD/$deb"
if [ "$check" = --check ]; then packaging/check-deb.sh "$deb"; fi
