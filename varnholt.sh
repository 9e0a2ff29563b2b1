#!/usr/bin/env bash
# Builds Varnholt on Debian 12 and either starts it or runs the whole test suite.
#   ./varnholt.sh run    build and start the program
#   ./varnholt.sh test   build and pass the whole test suite
#   ./varnholt.sh bench  build and run every benchmark; prints one table
#   ./varnholt.sh map-picture   draw the M5-60 map window's picture again from the coastlines
# Missing Debian packages are installed: directly as root, through sudo otherwise.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6opengl6-dev libgl-dev libglu1-mesa-dev
  libgl1-mesa-dri libglx-mesa0
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev locales
  fonts-liberation xvfb xauth openbox x11-utils poppler-utils shared-mime-info desktop-file-utils
  fp-utils-3.2.2 clang-14 clang-format-14 libclang-rt-14-dev appstream dpkg-dev
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  # Root installs directly (a fresh container has no sudo); anyone else asks sudo, and only
  # now that something is missing.
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "varnholt: missing Debian packages: ${missing[*]}" >&2
      echo "varnholt: install them as root (there is no sudo here), then run this again." >&2
      exit 1
    fi
    as_root=(sudo)
  fi
  echo "varnholt: installing ${missing[*]}"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNHOLT_WERROR=ON "$@"
  cmake --build build -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build
    shift
    if [ -x build/app/varnholt ]; then
      exec build/app/varnholt "$@"
    fi
    echo "varnholt: the desktop program is not built yet; running the headless driver on"
    echo "varnholt: samples/garage-roof.vhl instead (build/cli/varnholt-cli design --help)."
    exec build/cli/varnholt-cli design samples/garage-roof.vhl "$@"
    ;;
  test)
    install_missing
    build
    # GUI tests need a real X server (an OpenGL context cannot be had offscreen).
    if [ -z "${DISPLAY:-}" ]; then
      (cd build && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$(nproc)")
    else
      (cd build && ctest --output-on-failure -j "$(nproc)")
    fi
    # The engine, the driver and the dialog logic once more under AddressSanitizer and
    # UndefinedBehaviorSanitizer (the whole suite: see the README).
    cmake --preset asan-core >/dev/null
    cmake --build --preset asan-core -j "$(nproc)"
    ctest --preset asan-core -j "$(nproc)"
    # A short run of each fuzz target from its seed corpus.
    tests/fuzz/run_fuzzers.sh 10
    ;;
  bench)
    packages+=(python3)
    install_missing
    build
    # The 3D and start-up figures need a real X server, as the GUI tests do.
    if [ -z "${DISPLAY:-}" ]; then
      exec xvfb-run -a -s "-screen 0 1280x1024x24" python3 bench/report.py build
    fi
    exec python3 bench/report.py build
    ;;
  map-picture)
    # The picture is kept in the repository; only drawing it again needs the coastlines.
    packages=(python3 gmt-gshhg-high fonts-liberation)
    install_missing
    exec python3 resources/map/make_m560_map.py resources/pictures/map/m560.svg
    ;;
  *)
    echo "usage: $0 run|test|bench|map-picture" >&2
    exit 2
    ;;
esac
