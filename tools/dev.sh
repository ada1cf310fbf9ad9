#!/usr/bin/env bash
# Sets up a Debian 12 machine for Lumetra, builds it, and then runs it or its tests.
#   tools/dev.sh run    install what is missing, build (Release), start the program
#   tools/dev.sh test   install what is missing, build with warnings as errors, run every test
set -euo pipefail

cd "$(dirname "$0")/.."
action=${1:-run}

packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev
          qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev)
test_packages=(clang libclang-rt-14-dev)

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
[ "$action" = test ] && packages+=("${test_packages[@]}")
install_missing
case "$action" in
  run)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j"$jobs"
    exec ./build/app/lumetra
    ;;
  test)
    # The readers are fuzzed briefly with sanitizers first; the unit tests come last so the
    # run ends with ctest's summary.
    CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=Release
    cmake --build build-fuzz -j"$jobs"
    for target in fuzz_microdvd fuzz_subrip; do
      corpus=$(mktemp -d)
      build-fuzz/$target -max_total_time=20 -rss_limit_mb=1024 "$corpus" fuzz/corpus/${target#fuzz_} 2>&1 | tail -n 1
      rm -rf "$corpus"
    done
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
