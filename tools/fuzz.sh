#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build over its starting corpus in tests/fuzz/corpus/,
# with the libFuzzer options given after the build directory, e.g.
#   tools/fuzz.sh build-fuzz -runs=20000          (what `make test` does)
#   tools/fuzz.sh build-fuzz -max_total_time=3600  (an hour for each target, by hand)
# New inputs that reach new code go to BUILD/fuzz-corpus/TARGET, findings to
# BUILD/fuzz-findings/. Copy a finding into tests/fuzz/corpus/TARGET once it is fixed.
set -euo pipefail
build=$1
shift
targets=${FUZZ_TARGETS:-"typed_line line_editor terminal_keys"}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$build/fuzz-findings"
for target in $targets; do
  scratch="$build/fuzz-corpus/$target"
  mkdir -p "$scratch"
  log="$build/fuzz-findings/$target.log"
  echo "fuzz_$target $*"
  if ! "$build/tests/fuzz/fuzz_$target" "$scratch" "$source_dir/tests/fuzz/corpus/$target" \
    -artifact_prefix="$build/fuzz-findings/$target-" -timeout=60 -rss_limit_mb=2048 \
    -print_final_stats=1 "$@" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "fuzz_$target found a fault; the input is in $build/fuzz-findings/, the log in $log" >&2
    exit 1
  fi
  grep -E '^Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" |
    tr '\n' ' ' | sed 's/$/\n/'
done
