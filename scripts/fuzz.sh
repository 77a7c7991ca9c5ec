#!/bin/sh
# Runs each fuzz target for a bounded number of inputs, starting from the
# seed corpus in tests/data. New inputs go to a scratch folder inside the
# build folder, so the committed corpus changes only by hand.
# Usage: fuzz.sh BUILD_DIR RUNS [TARGET...]
set -eu
build=$1
runs=$2
shift 2
targets=${*:-room_file number_reading}
root=$(cd "$(dirname "$0")/.." && pwd)
for target in $targets; do
    # Room files of a few objects; numbers are short texts.
    case $target in
    room_file) max_len=512 ;;
    *) max_len=128 ;;
    esac
    scratch="$build/corpus/$target"
    mkdir -p "$scratch" "$build/artifacts"
    echo "fuzz_$target: $runs runs"
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$build/fuzz/fuzz_$target" -runs="$runs" -max_len="$max_len" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -print_pcs=0 \
        -artifact_prefix="$build/artifacts/$target-" \
        "$scratch" "$root/tests/data/$target"
done
