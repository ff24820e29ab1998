#!/usr/bin/env bash
# Times ten years of daily times for one place: `mirvane-cli times --format
# json` beside kosher-zmanim in node (zmanim-days.js) computing and writing
# the same thirteen times a day, each in one run. The two take turns, so
# that a busy machine slows both alike; the script prints the medians and
# the ratio. kosher-zmanim is only a yardstick, installed by hand into a
# folder of its own: npm install --prefix /tmp/zmanim kosher-zmanim@0.9.0
#
# Usage: bench/cli/bench_times.sh path/to/node_modules [path/to/mirvane-cli] [rounds]
set -euo pipefail

Root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
Modules=$(realpath "${1:?give the node_modules folder that holds kosher-zmanim}")
Cli=$(realpath "${2:-$Root/build/default/cli/mirvane-cli}")
Rounds=${3:-11}
[ -x "$Cli" ] || { echo "bench_times: no program at $Cli" >&2; exit 1; }
[ -d "$Modules/kosher-zmanim" ] || { echo "bench_times: no kosher-zmanim in $Modules" >&2; exit 1; }

python3 - "$Rounds" "$Modules" "$Cli" "$Root/bench/cli/zmanim-days.js" <<'PYTHON'
import os, statistics, subprocess, sys, time
rounds, modules, cli, script = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
place = ["31.76904", "35.21633", "Asia/Jerusalem"]
commands = {
    "mirvane-cli times 2026-01-01 2035-12-31 (json)":
        [cli, "times", "2026-01-01", "2035-12-31", "--latitude", place[0], "--longitude", place[1],
         "--timezone", place[2], "--format", "json"],
    "node zmanim-days.js (kosher-zmanim)": ["node", script, "2026-01-01", "2035-12-31", *place],
}
environment = dict(os.environ, NODE_PATH=modules)
times = {name: [] for name in commands}
for round in range(rounds + 1):
    for name, command in commands.items():
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True, env=environment)
        if round:  # the first round only warms the caches
            times[name].append(time.perf_counter() - start)
medians = {name: statistics.median(values) for name, values in times.items()}
print(f"ten years of daily times in Jerusalem, {rounds} runs each, taking turns:")
for name, median in medians.items():
    print(f"  {name:50} median {median * 1000:9.1f} ms")
ours, theirs = medians.values()
print(f"  mirvane-cli is {theirs / ours:.1f} times as fast")
PYTHON
