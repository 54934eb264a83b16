#!/usr/bin/env bash
# Installs every Debian package that building, running and testing need, and the packages
# named as arguments (what only one script needs). Quick when they are already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libdxflib-dev python3-ezdxf
  clang libclang-rt-14-dev clang-format
  fonts-ipafont-mincho fonts-ipafont-gothic fontconfig
  poppler-utils xvfb xauth
  desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db
  cups printer-driver-cups-pdf
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
