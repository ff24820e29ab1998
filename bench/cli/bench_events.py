#!/usr/bin/env python3
"""Times `mirvane-cli events` over 100 years (1950 to 2049) with the content
Debian's hebcal prints with its Omer, molad and Daf Yomi options, beside
`hebcal -o -M -F --years 100 1950` in the same run, the two taking turns so
that a busy machine slows both alike; then `--show all` (every learning
cycle too) over 100 and over 1000 years, whose peak memory stays the same
because the lines stream. Prints each command's median wall time, its peak
memory (by GNU time, apt-get install time) and line count, and the ratio.
hebcal is only a yardstick (apt-get install hebcal), no part of the build.

Usage: bench/cli/bench_events.py [path/to/mirvane-cli] [rounds]
"""
import os
import shutil
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CLI = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'build/default/cli/mirvane-cli'))
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 15
CONTENT = 'festivals,rosh-chodesh,omer,special-shabbat,mevarchim,modern,minor,daf-yomi'

CASES = [
    ("100 years, hebcal's content",
     [[CLI, 'events', '1950-01-01', '2049-12-31', '--show', CONTENT], ['hebcal', '-o', '-M', '-F', '--years', '100', '1950']]),
    ('100 years, --show all', [[CLI, 'events', '1950-01-01', '2049-12-31', '--show', 'all']]),
    ('1000 years, --show all', [[CLI, 'events', '1500-01-01', '2499-12-31', '--show', 'all']]),
]


def run(command):
    """Wall seconds and lines written of one run."""
    with open(os.devnull, 'w') as sink:
        start = time.perf_counter()
        process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=sink)
        lines = sum(chunk.count(b'\n') for chunk in iter(lambda: process.stdout.read(1 << 16), b''))
        _, status, _ = os.wait4(process.pid, 0)
        elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f'bench_events: {" ".join(command)} failed')
    return elapsed, lines


def peak_mib(command):
    """Peak resident MiB of one run, by GNU time: a child of this script
    would report the script's own peak, which Linux keeps across exec."""
    if not os.path.exists('/usr/bin/time'):
        return float('nan')
    with open(os.devnull, 'w') as sink:
        report = subprocess.run(['/usr/bin/time', '-f', '%M'] + command, stdout=sink, stderr=subprocess.PIPE,
                                check=True, text=True).stderr
    return int(report.strip().splitlines()[-1]) / 1024


def main():
    if not shutil.which('hebcal'):
        sys.exit('bench_events: hebcal is missing (apt-get install hebcal)')
    for name, commands in CASES:
        for command in commands:
            run(command)
        results = [[] for _ in commands]
        for _ in range(ROUNDS if len(commands) > 1 else max(3, ROUNDS // 3)):
            for index, command in enumerate(commands):
                results[index].append(run(command))
        print(f'{name}, {len(results[0])} runs each, taking turns:')
        medians = []
        for command, runs in zip(commands, results):
            medians.append(statistics.median(run[0] for run in runs))
            print(f'  {" ".join(command)[-80:]:80} median {medians[-1] * 1000:8.1f} ms, '
                  f'peak {peak_mib(command):6.1f} MiB, {runs[0][1]} lines')
        if len(medians) == 2:
            print(f'  mirvane-cli is {medians[1] / medians[0]:.2f} times as fast')


if __name__ == '__main__':
    main()
