#!/usr/bin/env bash
# Sets up a Debian 12 machine for Lumetra, builds it, and then runs it or its tests.
#   tools/dev.sh run    install what is missing, build (Release), start the program
#   tools/dev.sh test   install what is missing, fuzz the readers, run the window-free tests
#                       under sanitizers, build with warnings as errors, run every test
set -euo pipefail

cd "$(dirname "$0")/.."
action=${1:-run}

packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev
          qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev
          libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libuchardet-dev)
test_packages=(clang libclang-rt-14-dev ffmpeg)

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
# ccache, where the machine has it, spares the three builds of the test run most of their work.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Fuzzes each reader briefly, and the SubRip reader's two paths against each other (a
# difference is a finding). A finding fails the run and prints the fuzzer's report; the
# corpus it grew and the input that failed stay under build-fuzz/.
fuzz_readers() {
  CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
  cmake --build build-fuzz -j"$jobs"
  local reader work
  for reader in microdvd subrip reading_paths webvtt; do
    work=build-fuzz/run-$reader
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/findings"
    if ! "build-fuzz/fuzz_$reader" -max_total_time=20 -rss_limit_mb=1024 \
        -artifact_prefix="$work/findings/" "$work/corpus" "fuzz/corpus/$reader" >"$work/log" 2>&1; then
      # Lines starting with "#<count>" are progress; the rest is the report.
      grep -v '^#[0-9]' "$work/log" >&2 || true
      echo "fuzz_$reader failed; its input is kept in $work/findings/" >&2
      return 1
    fi
    tail -n 1 "$work/log"
  done
}

# Builds the window-free layers and their tests with clang's address and undefined-behaviour
# sanitizers, any finding fatal, and runs those tests.
sanitized_tests() {
  local flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
  CXX=clang++ cmake -S . -B build-asan -DLUMETRA_GUI=OFF -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
  cmake --build build-asan -j"$jobs"
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
}

[ "$action" = test ] && packages+=("${test_packages[@]}")
install_missing
case "$action" in
  run)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j"$jobs"
    exec ./build/app/lumetra
    ;;
  test)
    # The sanitized runs come first and the main build's tests last, so the run ends with
    # ctest's summary of the build that is shipped.
    fuzz_readers
    sanitized_tests
    cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Release -DLUMETRA_WERROR=ON "${launcher[@]}"
    cmake --build build-test -j"$jobs"
    cd build-test
    exec ctest --output-on-failure -j"$jobs"
    ;;
  *)
    echo "usage: tools/dev.sh run|test" >&2
    exit 64
    ;;
esac
