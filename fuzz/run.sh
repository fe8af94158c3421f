#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target in a build directory for a bounded time each, starting from the seeds
# in fuzz/corpus and growing a working corpus in the build directory (the seeds stay as they
# are). Prints each target's executions and findings; exits non-zero when any target found
# something. Usage: fuzz/run.sh BUILD_DIR SECONDS
set -u

build_dir=$1
seconds=$2
source_dir=$(cd "$(dirname "$0")" && pwd)
status=0
summary=""

for target in number_input add_sequence field_layout; do
    binary="$build_dir/fuzz/fuzz_$target"
    work="$build_dir/fuzz/corpus/$target"
    findings="$build_dir/fuzz/findings/$target"
    mkdir -p "$work" "$findings"
    log="$build_dir/fuzz/fuzz_$target.log"
    echo "== fuzz_$target for ${seconds} s"
    "$binary" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "$source_dir/corpus/$target" >"$log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    found=$(find "$findings" -type f | wc -l)
    if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ]; then
        status=1
        echo "fuzz_$target: exit $rc, findings in $findings:"
        find "$findings" -type f
        grep -E "ERROR|runtime error|step [0-9]+:|for \"" "$log" | head -n 20
    fi
    summary="$summary
fuzz_$target: ${runs:-?} executions in ${seconds} s, $found findings"
done

echo "$summary"
exit $status
