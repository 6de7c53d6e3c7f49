#!/bin/sh
# Installs what is missing, builds everything and runs every test.
# VELMOR_SANITIZE=1 builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
BUILD=build
SAN=OFF
if [ "${VELMOR_SANITIZE:-0}" = "1" ]; then
  BUILD=build-asan; SAN=ON
  LSAN_OPTIONS="suppressions=$(pwd)/tools/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
  export LSAN_OPTIONS
fi
cmake -S . -B "$BUILD" -DVELMOR_WERROR=ON -DVELMOR_SANITIZE=$SAN >/dev/null
cmake --build "$BUILD" -j2
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest -j2 --output-on-failure --timeout 600
