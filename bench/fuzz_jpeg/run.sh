#!/bin/sh
# Builds the site picture decoder's fuzz target with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (straight from the sources, outside the main build), seeds it with the
# demo pictures of the built data-file archive when there is one, and runs it for the given number
# of seconds (default 60). Findings land in bench/fuzz_jpeg/findings/; the growing corpus in
# corpus-work/; the run's output (with libFuzzer's final statistics) in bench/fuzz_jpeg/run.log.
set -eu
SECONDS_TO_RUN="${1:-60}"
HERE="$(cd "$(dirname "$0")" && pwd)"
ROOT="$(cd "$HERE/../.." && pwd)"
OUT="${FUZZ_OUT:-$ROOT/build-fuzz}"
CXX="${CXX_FUZZ:-clang++}"
mkdir -p "$OUT" "$HERE/findings" "$HERE/corpus-work"
if [ -f "$ROOT/build/bin/install/data_files.zip" ] && [ -z "$(ls "$HERE/corpus-work")" ]; then
  unzip -j -q -o "$ROOT/build/bin/install/data_files.zip" 'pics/*' -d "$HERE/corpus-work" || true
fi
"$CXX" -std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$ROOT/src" "$HERE/fuzz_jpeg_picture.cpp" "$ROOT/src/property/jpeg_picture.cpp" \
    -ljpeg -o "$OUT/fuzz_jpeg_picture"
"$OUT/fuzz_jpeg_picture" -max_total_time="$SECONDS_TO_RUN" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$HERE/findings/" -print_final_stats=1 "$HERE/corpus-work" 2>&1 | tee "$HERE/run.log" |
    grep -E "^(==|stat::|SUMMARY|Done)|ERROR|crash" || true
