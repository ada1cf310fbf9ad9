#!/usr/bin/env bash
# Sets up a Debian 12 machine for Lumetra, builds it, and then runs it or its tests.
#   tools/dev.sh run    install what is missing, build (Release), start the program
#   tools/dev.sh test   install what is missing, build with warnings as errors, run every test
set -euo pipefail

cd "$(dirname "$0")/.."
action=${1:-run}

packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)
install_missing
case "$action" in
  run)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j"$jobs"
    exec ./build/app/lumetra
    ;;
  test)
    cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Release -DLUMETRA_WERROR=ON
    cmake --build build-test -j"$jobs"
    cd build-test
    exec ctest --output-on-failure -j"$jobs"
    ;;
  *)
    echo "usage: tools/dev.sh run|test" >&2
    exit 64
    ;;
esac
