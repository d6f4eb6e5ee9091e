#!/usr/bin/env bash
# Installs the Debian packages KELDRA builds and tests with; only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config ccache
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  libgl-dev libgl1-mesa-dri libxlsxwriter-dev libminizip-dev
  xvfb xauth python3
  clang-14 libclang-rt-14-dev clang-format-14
  dpkg-dev file help2man librsvg2-bin desktop-file-utils appstream shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
