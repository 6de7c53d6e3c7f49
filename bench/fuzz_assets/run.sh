#!/bin/sh
# Builds the image asset decoder's fuzz target with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (straight from the sources, outside the main build), seeds it with
# the program's own asset file when the build made one and a few small files, and runs it for the
# given number of seconds (default 60). Findings land in bench/fuzz_assets/findings/.
set -eu
SECONDS_TO_RUN="${1:-60}"
HERE="$(cd "$(dirname "$0")" && pwd)"
ROOT="$(cd "$HERE/../.." && pwd)"
OUT="${FUZZ_OUT:-$ROOT/build-fuzz}"
CXX="${CXX_FUZZ:-clang++}"
mkdir -p "$OUT" "$HERE/findings" "$HERE/corpus-work"
SOURCES="$ROOT/src/shell/datamodule_ymks2bmp.cpp $ROOT/src/shell/ymk_format.cpp $ROOT/src/procs/message_format.cpp"
if [ -f "$ROOT/build/bin/data/assets_001.dat" ]; then cp "$ROOT/build/bin/data/assets_001.dat" "$HERE/corpus-work/seed_assets"; fi
# One image 40 wide with a row of each of categories 10, 2 (p0 = 5) and 30.
printf 'ymks\001\000\050\000\003\000\012\002\005\036\001\002\003\004\005\006' >"$HERE/corpus-work/seed_small"
"$CXX" -std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$ROOT/src" "$HERE/fuzz_assets.cpp" $SOURCES -o "$OUT/fuzz_assets"
exec "$OUT/fuzz_assets" -max_total_time="$SECONDS_TO_RUN" -max_len=100000 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$HERE/findings/" -print_final_stats=1 "$HERE/corpus-work"
