#!/usr/bin/env bash
# Times `mirvane-cli days` beside Debian's hebcal printing the same days with
# Hebrew dates, holidays and portions in one run (`hebcal -d -s -g --years N
# FIRST`), over 100 years (1950 to 2049) and over the whole range the
# calendar covers (0002-11-01 to 9999-12-31). The two commands take turns, a
# few runs each round, so that a busy machine slows both alike; the script
# prints each command's median, the ratio and the peak memory of one run.
# hebcal and hyperfine are only yardsticks: install them by hand
# (apt-get install hebcal hyperfine), they are no part of the build.
#
# Usage: bench/cli/bench_days.sh [path/to/mirvane-cli] [rounds]
set -euo pipefail

Root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
Cli=$(realpath "${1:-$Root/build/default/cli/mirvane-cli}")
Rounds=${2:-10}
for Tool in hyperfine hebcal python3 /usr/bin/time; do
    command -v "$Tool" >/dev/null || { echo "bench_days: $Tool is missing (apt-get install $Tool)" >&2; exit 1; }
done
[ -x "$Cli" ] || { echo "bench_days: no program at $Cli" >&2; exit 1; }

Work=$(mktemp -d)
trap 'rm -rf "$Work"' EXIT

# Case name, runs per round, our command, hebcal's command.
Cases=(
    "100 years|5|$Cli days 1950-01-01 2049-12-31|hebcal -d -s -g --years 100 1950"
    "whole range|1|$Cli days 0002-11-01 9999-12-31|hebcal -d -s -g --years 9998 2"
)

for Case in "${Cases[@]}"; do
    IFS='|' read -r Name Runs Ours Theirs <<<"$Case"
    hyperfine -N --warmup 1 --runs 1 "$Ours" "$Theirs" >/dev/null 2>&1
    for Round in $(seq "$Rounds"); do
        hyperfine -N --runs "$Runs" --style none --export-json "$Work/$Name.$Round.json" "$Ours" "$Theirs" >/dev/null
    done
    OursMemory=$(/usr/bin/time -f %M $Ours 2>&1 >/dev/null | tail -1)
    TheirsMemory=$(/usr/bin/time -f %M $Theirs 2>&1 >/dev/null | tail -1)
    python3 - "$Name" "$OursMemory" "$TheirsMemory" "$Work/$Name".*.json <<'PYTHON'
import json, statistics, sys
name, ours_memory, theirs_memory, files = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
times = {}
for file in files:
    for result in json.load(open(file))["results"]:
        times.setdefault(result["command"], []).extend(result["times"])
(ours, ours_times), (theirs, theirs_times) = times.items()
ours_median, theirs_median = statistics.median(ours_times), statistics.median(theirs_times)
print(f"{name}, {len(ours_times)} runs each, taking turns:")
print(f"  {ours:75} median {ours_median * 1000:9.1f} ms, peak {int(ours_memory) / 1024:6.1f} MiB")
print(f"  {theirs:75} median {theirs_median * 1000:9.1f} ms, peak {int(theirs_memory) / 1024:6.1f} MiB")
print(f"  mirvane-cli is {theirs_median / ours_median:.2f} times as fast")
PYTHON
done
