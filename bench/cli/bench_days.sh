#!/usr/bin/env bash
# Times `mirvane-cli days` over 100 years and over its whole range, beside
# Debian's hebcal printing the same 100 years with Hebrew dates, holidays and
# portions (`hebcal -d -s`, one run per year). hebcal is only a yardstick:
# install it by hand (apt-get install hebcal hyperfine), it is no part of the
# build. Prints the median of each command.
#
# Usage: bench/cli/bench_days.sh [path/to/mirvane-cli]
set -euo pipefail

Root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
Cli=$(realpath "${1:-$Root/build/default/cli/mirvane-cli}")
for Tool in hyperfine hebcal python3; do
    command -v "$Tool" >/dev/null || { echo "bench_days: $Tool is missing" >&2; exit 1; }
done
[ -x "$Cli" ] || { echo "bench_days: no program at $Cli" >&2; exit 1; }

Results=$(mktemp)
trap 'rm -f "$Results"' EXIT

hyperfine --warmup 3 --min-runs 20 --style basic --export-json "$Results" \
    --command-name "mirvane-cli days, 100 years" "$Cli days 2000-01-01 2099-12-31 > /dev/null" \
    --command-name "hebcal -d -s, 100 years" "for Year in \$(seq 2000 2099); do hebcal -d -s \$Year; done > /dev/null" \
    --command-name "mirvane-cli days, 0002-11-01 to 9999-12-31" "$Cli days 0002-11-01 9999-12-31 > /dev/null"

python3 - "$Results" <<'PYTHON'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
print()
for result in results:
    print(f"{result['command']:45} median {result['median'] * 1000:9.1f} ms")
ours, theirs = results[0]["median"], results[1]["median"]
print(f"\nmirvane-cli is {theirs / ours:.0f} times as fast as hebcal over 100 years")
PYTHON
