#!/bin/sh
# Runs the fuzzer for the given seconds from the seed corpus; new inputs go
# to a corpus in the build folder, so the repository's seeds stay as they are.
set -eu
fuzzer=$1 seeds=$2 corpus=$3 seconds=$4
mkdir -p "$corpus"
"$fuzzer" -max_total_time="$seconds" -timeout=5 -max_len=70000 -print_final_stats=1 \
    -artifact_prefix="$corpus/../" "$corpus" "$seeds" 2>&1 | tail -n 25
