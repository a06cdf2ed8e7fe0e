#!/usr/bin/env bash
# Sets up a fresh Debian machine for Orvella: installs the packages that are missing,
# builds, and then starts the calculator ("run") or runs every test ("test").
set -euo pipefail

mode="${1:-run}"
shift || true
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

packages=(
  cmake ninja-build g++ ccache pkg-config
  libgsl-dev libgtest-dev libbenchmark-dev libmuparser-dev libedit-dev
  clang libclang-rt-14-dev locales
)

install_missing() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  if ((${#missing[@]})); then
    local sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

jobs="$(nproc 2>/dev/null || echo 2)"

build_main() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build build --parallel "$jobs"
}

# The fuzz targets need clang's libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer.
build_fuzzer() {
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELLA_FUZZ=ON
  cmake --build build-fuzz --parallel "$jobs"
}

install_missing
case "$mode" in
  run)
    build_main
    exec build/cli/orvella-calc "$@"
    ;;
  test)
    build_fuzzer
    build_main -DORVELLA_FUZZ_DIR="$root/build-fuzz/fuzz"
    ctest --test-dir build --output-on-failure --parallel "$jobs"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
