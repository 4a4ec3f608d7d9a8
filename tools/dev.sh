#!/usr/bin/env bash
# Set-up, build, run and test on a Debian machine.
#   tools/dev.sh run    installs what is missing, builds, starts the configurator
#   tools/dev.sh test   installs what is missing, builds, runs every test and the check for
#                       virtual calls in constructors and destructors; then builds again with
#                       clang under AddressSanitizer and UndefinedBehaviorSanitizer, runs
#                       every test there and replays the fuzz targets' corpora
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build ccache pkg-config
          qt6-base-dev libqt6printsupport6 libgl-dev libpugixml-dev libjpeg62-turbo-dev
          libzip-dev mdbtools mdbtools-dev python3-openpyxl python3-docx poppler-utils
          googletest libgtest-dev libgmock-dev xvfb xauth fonts-dejavu-core
          clang libclang-rt-dev llvm python3 smitools libxml2-utils libx11-dev libxtst6)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir"
}

case "${1:-}" in
  run)
    install_missing
    build build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_TESTS=OFF
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
      echo "No display: the configurator is built (build-run/src/Vantrel_EtherNetIP_Master)," >&2
      echo "but it is a desktop program and needs DISPLAY or WAYLAND_DISPLAY to start." >&2
      exit 1
    fi
    exec build-run/src/Vantrel_EtherNetIP_Master
    ;;
  test)
    install_missing
    build build-test -DCMAKE_BUILD_TYPE=Debug -DVANTREL_UNITY=ON
    ctest --test-dir build-test --output-on-failure -j "$(nproc)"
    tools/check_virtual_calls.py build-test -j "$(nproc)"
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DVANTREL_SANITIZE=ON
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
