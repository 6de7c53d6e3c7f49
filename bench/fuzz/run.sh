#!/bin/sh
# Builds the XML loader fuzz target with clang, libFuzzer and AddressSanitizer (straight from the
# sources, outside the main build) and runs it for the given number of seconds (default 60).
# Findings land in bench/fuzz/findings/; the growing corpus in bench/fuzz/corpus-work/.
set -eu
SECONDS_TO_RUN="${1:-60}"
HERE="$(cd "$(dirname "$0")" && pwd)"
ROOT="$(cd "$HERE/../.." && pwd)"
OUT="${FUZZ_OUT:-$ROOT/build-fuzz}"
CXX="${CXX_FUZZ:-clang++}"
mkdir -p "$OUT" "$HERE/findings" "$HERE/corpus-work"
"$CXX" -std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$ROOT/src" \
    "$HERE/fuzz_xml_load.cpp" "$ROOT"/src/xml/*.cpp "$ROOT"/src/procs/*.cpp "$ROOT"/src/containers/birdbox_*.cpp \
    "$ROOT/src/values/property_table.cpp" \
    -o "$OUT/fuzz_xml_load"
cp -n "$HERE"/corpus/* "$HERE/corpus-work/" 2>/dev/null || true
exec "$OUT/fuzz_xml_load" -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 \
    -dict="$HERE/xml.dict" -artifact_prefix="$HERE/findings/" -print_final_stats=1 "$HERE/corpus-work"
