#!/usr/bin/env python3
"""How far `mirvane-cli events --show all` agrees with @hebcal/core and
@hebcal/learning over a range of days, in both rule sets.

Run (after installing the reference as tools/luach-reference.mjs says):
  NODE_PATH=/tmp/hebcal/node_modules tools/luach-agreement.py build/default/cli/mirvane-cli 1948-01-01 2100-12-31

Every entry is compared as date, category and key; Mevarchim also by its
molad, the learning by its reading. The festival list is compared through
the names the reference gives the same days. Entries the reference has in
no category of ours (Erev Purim, Erev Tish'a B'Av) are counted apart.
Prints, per rule set and category, the entries both have and those only one
has, with the first few of each; exits 1 when any differ.
"""
import json
import os
import re
import subprocess
import sys
from collections import defaultdict

# Our festival keys and the reference's names for the same days.
FESTIVALS = {
    '17th-of-tamuz': 'tzom-tammuz', 'erev-chanukah': 'chanukah-1-candle', 'chanukah-day-8': 'chanukah-8th-day',
    'erev-pessach': 'erev-pesach', 'erev-succot': 'erev-sukkot', 'erev-yomkippur': 'erev-yom-kippur',
    'fast-of-ester': 'taanit-esther', 'hoshana-rabba': 'sukkot-vii-hoshana-raba',
    'rosh-hashana-day-1': 'rosh-hashana', 'rosh-hashana-day-2': 'rosh-hashana-ii', 'shavuot-day-1': 'shavuot-i',
    'shavuot-day-2': 'shavuot-ii', 'shmini-azteret': 'shmini-atzeret', 'tzom-gedalia': 'tzom-gedaliah',
    'yomkippur-day': 'yom-kippur',
}
ROMAN = {1: 'i', 2: 'ii', 3: 'iii-chm', 4: 'iv-chm', 5: 'v-chm', 6: 'vi-chm', 7: 'vii', 8: 'viii'}
for day in range(1, 8):
    FESTIVALS[f'chanukah-day-{day}'] = f'chanukah-{day + 1}-candles'
for day in range(1, 9):
    FESTIVALS[f'pessach-day-{day}'] = f'pesach-{ROMAN[day]}'
for day in range(1, 7):
    FESTIVALS[f'succot-day-{day}'] = f'sukkot-{ROMAN[day]}'
# What the reference's names add to a day: the year of Rosh Hashana,
# "observed", and in Israel the second day of Pesach and Sukkot as Chol
# HaMoed and Shavuot without its number; both sides are read without them.
REFERENCE_NAME = [(re.compile(r'^rosh-hashana-\d+$'), 'rosh-hashana'), (re.compile(r'-observed$'), ''),
                  (re.compile(r'-chm$'), ''), (re.compile(r'^shavuot$'), 'shavuot-i')]
NOT_OURS = {'erev-purim', 'erev-tisha-bav'}


def reference(start, end, israel):
    args = ['node', os.path.join(os.path.dirname(__file__), 'luach-reference.mjs'), 'range', start, end]
    text = subprocess.run(args + (['--israel'] if israel else []), check=True, capture_output=True,
                          text=True).stdout
    entries = set()
    for line in text.splitlines():
        fields = line.split('\t')
        if fields[1] == 'festivals':
            for pattern, replacement in REFERENCE_NAME:
                fields[2] = pattern.sub(replacement, fields[2])
        entries.add(tuple(fields))
    return entries


def ours(cli, start, end, israel):
    args = [cli, 'events', start, end, '--show', 'all', '--format', 'json'] + (['--israel'] if israel else [])
    events = json.loads(subprocess.run(args, check=True, capture_output=True, text=True).stdout)['events']
    entries = set()
    for event in events:
        fields = [event['date'], event['category'], event['key']]
        if event['category'] == 'festivals':
            fields[2] = FESTIVALS.get(fields[2], fields[2])
            for pattern, replacement in REFERENCE_NAME:
                fields[2] = pattern.sub(replacement, fields[2])
        if 'molad' in event:
            molad = event['molad']
            fields.append(f"{molad['weekday']}/{molad['hour']}/{molad['minute']}/{molad['parts']}")
        if 'reading' in event:
            fields.append(event['reading'])
        entries.add(tuple(fields))
    return entries


def main():
    cli, start, end = sys.argv[1:4]
    differ = False
    for israel in (False, True):
        theirs = reference(start, end, israel)
        mine = ours(cli, start, end, israel)
        learning_compared = any(entry[1] == 'learning' for entry in mine)
        print(f"{'Israel' if israel else 'Diaspora'} rules, {start} to {end}")
        by_category = defaultdict(lambda: [0, [], []])
        for entry in mine & theirs:
            by_category[entry[1]][0] += 1
        for entry in sorted(mine - theirs):
            by_category[entry[1]][1].append(entry)
        not_ours = 0
        for entry in sorted(theirs - mine):
            if entry[1] == 'festivals' and entry[2] in NOT_OURS:
                not_ours += 1
            elif entry[1] != 'learning' or learning_compared:
                by_category[entry[1]][2].append(entry)
        for category, (same, only_ours, only_theirs) in sorted(by_category.items()):
            print(f'  {category:16} agree {same:7}  only ours {len(only_ours):5}  only reference {len(only_theirs):5}')
            for entry in only_ours[:5]:
                print('    ours:     ', '\t'.join(entry))
            for entry in only_theirs[:5]:
                print('    reference:', '\t'.join(entry))
            differ = differ or bool(only_ours or only_theirs)
        print(f'  reference entries the program does not list: {not_ours} (Erev Purim, Erev Tish\'a B\'Av)')
        if not learning_compared:
            print('  learning: not built into this program, not compared')
    return 1 if differ else 0


if __name__ == '__main__':
    sys.exit(main())
