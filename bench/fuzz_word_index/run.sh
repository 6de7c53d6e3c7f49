#!/bin/sh
# Builds the PLU word index fuzz target with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (straight from the sources, outside the main build), makes seed
# inputs with the real index builder, and runs it for the given number of seconds (default 60).
# Findings land in bench/fuzz_word_index/findings/; the growing corpus in corpus-work/.
set -eu
SECONDS_TO_RUN="${1:-60}"
HERE="$(cd "$(dirname "$0")" && pwd)"
ROOT="$(cd "$HERE/../.." && pwd)"
OUT="${FUZZ_OUT:-$ROOT/build-fuzz}"
CXX="${CXX_FUZZ:-clang++}"
mkdir -p "$OUT" "$HERE/findings" "$HERE/corpus-work"
SOURCES="$ROOT/src/plu/datamodule_word_index2.cpp $ROOT/src/plu/word_key.cpp $ROOT/src/plu/titerate_treenodes_split.cpp
         $ROOT/src/plu/word_index_builder.cpp $ROOT/src/procs/message_format.cpp"
"$CXX" -std=c++20 -O1 -I"$ROOT/src" -DVELMOR_FUZZ_SEEDS "$HERE/fuzz_word_index.cpp" $SOURCES -o "$OUT/fuzz_word_index_seeds"
"$OUT/fuzz_word_index_seeds" "$HERE/corpus-work"
"$CXX" -std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$ROOT/src" "$HERE/fuzz_word_index.cpp" $SOURCES -o "$OUT/fuzz_word_index"
exec "$OUT/fuzz_word_index" -max_total_time="$SECONDS_TO_RUN" -max_len=300000 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$HERE/findings/" -print_final_stats=1 "$HERE/corpus-work"
