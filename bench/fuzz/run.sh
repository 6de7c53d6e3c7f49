#!/bin/sh
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer and
# runs each in turn for the given number of seconds (default 60):
#   sh bench/fuzz/run.sh [SECONDS] [TARGET...]     targets: xml form (default: both)
#   xml   the settings-file loader and node builder, built straight from the sources
#   form  the page-form reader: its own sources instrumented, linked with the libraries of the
#         main build (made first in ./build if missing)
# Findings land in bench/fuzz/findings/TARGET/, the growing corpus in bench/fuzz/corpus-work/TARGET/,
# each run's output (with libFuzzer's final statistics) in bench/fuzz/logs/TARGET.log.
set -eu
SECONDS_TO_RUN="${1:-60}"
[ $# -gt 0 ] && shift
TARGETS="${*:-xml form}"
HERE="$(cd "$(dirname "$0")" && pwd)"
ROOT="$(cd "$HERE/../.." && pwd)"
OUT="${FUZZ_OUT:-$ROOT/build-fuzz}"
CXX="${CXX_FUZZ:-clang++}"
FLAGS="-std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined"
mkdir -p "$OUT" "$HERE/logs"

build_xml() {
  # shellcheck disable=SC2086
  "$CXX" $FLAGS -I"$ROOT/src" \
      "$HERE/fuzz_xml_load.cpp" "$ROOT"/src/xml/*.cpp "$ROOT"/src/procs/*.cpp "$ROOT"/src/containers/birdbox_*.cpp \
      "$ROOT/src/values/property_table.cpp" -o "$OUT/fuzz_xml_load"
}

build_form() {
  [ -f "$ROOT/build/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$ROOT/build" >/dev/null
  cmake --build "$ROOT/build" -j2 --target velmor_controls
  L="$ROOT/build/src"
  FB_INCLUDE="$(grep -m1 '^FIREBIRD_INCLUDE_DIR' "$ROOT/build/CMakeCache.txt" | cut -d= -f2)"
  # shellcheck disable=SC2086
  "$CXX" $FLAGS -I"$ROOT/src" ${FB_INCLUDE:+-I"$FB_INCLUDE"} \
      "$HERE/fuzz_form_read.cpp" "$ROOT/src/controls/form_reader.cpp" "$ROOT/src/controls/form_tokenizer.cpp" \
      "$ROOT"/src/controls/dfm_*.cpp "$ROOT/src/values/property_table.cpp" \
      -Wl,--start-group "$L/libvelmor_controls.a" "$L/libvelmor_database.a" "$L/libvelmor_xml.a" \
      "$L/libvelmor_values.a" "$L/libvelmor_containers.a" "$L/libvelmor_procs.a" -Wl,--end-group -lfbclient \
      -o "$OUT/fuzz_form_read"
}

# A target is built again only when a source or header changed since it was built.
stale() {
  [ ! -x "$1" ] || [ -n "$(find "$ROOT/src" "$HERE" \( -name '*.cpp' -o -name '*.h' \) -newer "$1" | head -n 1)" ]
}

for target in $TARGETS; do
  case "$target" in
    xml) binary="$OUT/fuzz_xml_load"; dict="$HERE/xml.dict"; max_len=4096
         if stale "$binary"; then build_xml; fi ;;
    form) binary="$OUT/fuzz_form_read"; dict="$HERE/form.dict"; max_len=8192
          if stale "$binary"; then build_form; fi ;;
    *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
  esac
  mkdir -p "$HERE/findings/$target" "$HERE/corpus-work/$target"
  cp -n "$HERE/corpus/$target"/* "$HERE/corpus-work/$target/" 2>/dev/null || true
  echo "== $target for $SECONDS_TO_RUN s =="
  "$binary" -max_total_time="$SECONDS_TO_RUN" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
      -dict="$dict" -artifact_prefix="$HERE/findings/$target/" -print_final_stats=1 \
      "$HERE/corpus-work/$target" 2>&1 | tee "$HERE/logs/$target.log" | grep -E "^(==|stat::|SUMMARY|Done)|ERROR|crash" || true
done
