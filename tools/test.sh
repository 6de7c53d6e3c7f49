#!/bin/sh
# Installs what is missing, builds everything and runs every test.
# VELMOR_SANITIZE=1 builds and tests only with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (in build-asan). With CI set, the suite runs twice: plainly, then sanitized; any
# sanitizer report fails its test and so the run.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
ROOT="$(pwd)"

# run_suite BUILD_FOLDER SANITIZE(ON/OFF)
run_suite() {
  if [ "$2" = "ON" ]; then
    LSAN_OPTIONS="suppressions=$ROOT/tools/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    # Not tracking __tls_get_addr: this runtime guesses where a dynamic TLS block begins from the
    # 16 bytes before it, and when the block happens to start 16 bytes into a page those bytes
    # are the allocator's chunk header, so the leak check at exit reads a wild range and dies
    # ("Tracer caught signal 11") in whichever test the layout falls on. The blocks stay covered:
    # glibc allocates them with malloc and reaches them from each thread's descriptor.
    ASAN_OPTIONS="detect_leaks=1:intercept_tls_get_addr=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
    export LSAN_OPTIONS ASAN_OPTIONS UBSAN_OPTIONS
  fi
  cmake -S . -B "$1" -DVELMOR_WERROR=ON -DVELMOR_SANITIZE="$2" >/dev/null
  cmake --build "$1" -j2
  (cd "$1" && QT_QPA_PLATFORM=offscreen ctest -j2 --output-on-failure --timeout 600)
}

if [ "${VELMOR_SANITIZE:-0}" = "1" ]; then
  run_suite build-asan ON
else
  run_suite build OFF
  if [ -n "${CI:-}" ]; then
    echo "== the suite again with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer =="
    run_suite build-asan ON
  fi
fi
