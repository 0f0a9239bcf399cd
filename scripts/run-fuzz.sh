#!/bin/sh
# Runs both fuzz targets at once for the given seconds: run-fuzz.sh BUILD SECONDS [libFuzzer flags].
# Each grows its own corpus in BUILD/corpus/<target> from the seeds in
# fuzz/corpus and keeps what it finds in fuzz/findings/<target>; its log is
# BUILD/fuzz-<target>.log, whose last lines give executions and coverage.
set -eu
build=$1
seconds=$2
shift 2
pids=""
for t in translate load; do
  mkdir -p "$build/corpus/$t" "fuzz/findings/$t"
  "./$build/fuzz/fuzz_$t" -max_total_time="$seconds" -artifact_prefix="fuzz/findings/$t/" -print_final_stats=1 \
    "$@" "$build/corpus/$t" fuzz/corpus > "$build/fuzz-$t.log" 2>&1 &
  pids="$pids $!"
done
status=0
for p in $pids; do wait "$p" || status=1; done
for t in translate load; do
  echo "== fuzz_$t"
  grep -E '^#[0-9]+' "$build/fuzz-$t.log" | tail -1 || true
  grep -E '^stat::' "$build/fuzz-$t.log" || true
  ls "fuzz/findings/$t"
done
exit $status
