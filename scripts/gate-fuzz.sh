#!/usr/bin/env bash
# Release gate: every fuzz target runs at least RUNS executions (10 million by
# default) under AddressSanitizer and UBSan without a finding. Not part of the
# test run; see docs/RELEASING.md.
#
# Usage: [GATE_JOBS=N] scripts/gate-fuzz.sh [RUNS [TARGET...]]
#   TARGET     e.g. FuzzPwcReader; all of them when none is named
#   GATE_JOBS  processes that share a target's executions and corpus (1 by
#              default: the gate shares the machine); with more, the target's
#              executions are their sum
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
  jobs="${GATE_JOBS:-1}"
  started=$(date +%s)
  if ((jobs > 1)); then
    # libFuzzer's own jobs, each with its share of the runs, logging to
    # fuzz-N.log in the folder it starts in.
    logs="$gate/jobs-$name"
    rm -rf "$logs" && mkdir -p "$logs"
    found=0
    (cd "$logs" && "$root/$fuzzer" -jobs="$jobs" -workers="$jobs" \
      -runs="$(((runs + jobs - 1) / jobs))" -rss_limit_mb=2048 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$root/$gate/artifacts/$name-" \
      "$root/$corpus" >parent.log 2>&1) || found=1
    log="$logs/fuzz-*.log"
    if grep -qE '^==[0-9]+==ERROR|deadly signal|^SUMMARY: ' "$logs"/fuzz-*.log; then
      found=1
    fi
    stats="$(cat "$logs"/fuzz-*.log)"
  else
    log="$gate/$name.log"
    found=0
    "$fuzzer" -runs="$runs" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$gate/artifacts/$name-" "$corpus" >"$log" 2>&1 || found=1
    stats="$(cat "$log")"
  fi
  if ((found)); then
    echo "gate-fuzz: $name FOUND SOMETHING; see $log and $gate/artifacts/" >&2
    # shellcheck disable=SC2086 # the jobs' logs are a pattern
    tail -n 30 $log >&2
    status=1
    break
  fi
  seconds=$(($(date +%s) - started))
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' <<<"$stats" | awk '{s += $1} END {print s}')
  peak=$(sed -n 's/^stat::peak_rss_mb: *//p' <<<"$stats" | sort -n | tail -n 1)
  if [[ -z "$executed" ]] || ((executed < runs)); then
    echo "gate-fuzz: $name ran only ${executed:-no} executions; see $log" >&2
    status=1
    break
  fi
  printf 'gate-fuzz: %-16s %s executions in %s s (%s/s, %s job(s)), peak RSS %s MB, no finding\n' \
    "$name" "$executed" "$seconds" "$((executed / (seconds > 0 ? seconds : 1)))" "$jobs" "$peak"
done
exit "$status"
