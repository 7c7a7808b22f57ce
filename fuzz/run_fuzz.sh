#!/usr/bin/env bash
# Runs one fuzz target for a bounded time: new inputs it finds go to WORK_DIR (kept between runs,
# so each run starts where the last one stopped), the seed corpus is read but never written.
# A finding is written to WORK_DIR/crash-* and the run fails.
# Usage: fuzz/run_fuzz.sh TARGET SECONDS SEED_DIR DICT WORK_DIR
set -euo pipefail
target=$1 seconds=$2 seeds=$3 dict=$4 work=$5
mkdir -p "$work"
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -dict="$dict" -artifact_prefix="$work/" "$work" "$seeds"
