#!/usr/bin/env bash
# Set-up, build, run and test ORVENDAL QUORVAL 2005 on Debian.
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build, run every test and fuzz
#                     every reader briefly (QUORVAL_FUZZ_SECONDS each, default 10)
#   ./build.sh package  install what is missing, build, make the Debian package
#                     (build-package/quorval_<version>_<arch>.deb)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libdds-dev libgtest-dev
          libbenchmark-dev fonts-dejavu-core help2man dpkg-dev
          clang-14 libclang-rt-14-dev)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build build
    exec build/app/quorval "${@:2}"
    ;;
  test)
    install_missing
    build build
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
    # The plain C++ libraries once more under AddressSanitizer and UBSan.
    build build-asan -DQUORVAL_WITH_QT=OFF -DQUORVAL_SANITIZE=ON
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$(nproc)")
    # Every reader of the data files fuzzed for a few seconds (libFuzzer,
    # ASan and UBSan), seeded from the shipped events and the fixtures.
    tools/fuzz/run_fuzzers.sh --time "${QUORVAL_FUZZ_SECONDS:-10}"
    ;;
  package)
    # A build of its own, laid out as Debian wants a game (the programs in
    # /usr/games); the package is build-package/quorval_<version>_<arch>.deb.
    install_missing
    build build-package -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games -DQUORVAL_TESTS=OFF
    (cd build-package && cpack -G DEB)
    ;;
  *)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
