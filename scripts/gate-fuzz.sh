#!/usr/bin/env bash
# Release gate: every fuzz target runs at least RUNS executions (10 million by
# default) under AddressSanitizer and UBSan without a finding. Not part of the
# test run; see docs/RELEASING.md.
#
# Usage: scripts/gate-fuzz.sh [RUNS [TARGET...]]
#   TARGET  e.g. FuzzPwcReader; all of them when none is named
# Prints one line per target with its executions, time and rate, and exits
# non-zero at the first target that finds something (the input is kept in
# build/fuzz/gate/artifacts/).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

runs="${1:-10000000}"
shift || true
scripts/build.sh fuzz

gate=build/fuzz/gate
mkdir -p "$gate/artifacts"
status=0
for fuzzer in build/fuzz/tests/fuzz/Fuzz*; do
  [[ -x "$fuzzer" && -f "$fuzzer" ]] || continue
  name="$(basename "$fuzzer")"
  if (($#)) && ! printf '%s\n' "$@" | grep -qx "$name"; then
    continue
  fi
  # A corpus of the gate's own, started from the checked-in seeds and what the
  # test runs found, so the gate neither needs nor changes the test corpus.
  corpus="$gate/corpus/$name"
  mkdir -p "$corpus"
  for seeds in "tests/fuzz/corpus/$name" "build/fuzz/tests/fuzz/corpus/$name"; do
    if [[ -d "$seeds" ]]; then
      cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
    fi
  done
  log="$gate/$name.log"
  started=$(date +%s)
  # One job: the gate shares the machine.
  if ! "$fuzzer" -runs="$runs" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$gate/artifacts/$name-" "$corpus" >"$log" 2>&1; then
    echo "gate-fuzz: $name FOUND SOMETHING; see $log and $gate/artifacts/" >&2
    tail -n 30 "$log" >&2
    status=1
    break
  fi
  seconds=$(($(date +%s) - started))
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  peak=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -n 1)
  if [[ -z "$executed" ]] || ((executed < runs)); then
    echo "gate-fuzz: $name ran only ${executed:-no} executions; see $log" >&2
    status=1
    break
  fi
  printf 'gate-fuzz: %-16s %s executions in %s s (%s/s), peak RSS %s MB, no finding\n' \
    "$name" "$executed" "$seconds" "$((executed / (seconds > 0 ? seconds : 1)))" "$peak"
done
exit "$status"
