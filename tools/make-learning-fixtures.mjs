#!/usr/bin/env node
// Writes tests/learning/fixtures/<cycle>.tsv, the study cycles' readings as
// @hebcal/learning gives them, for the learning tests to hold ours against.
// Run by hand when the fixtures are to be renewed; building and testing never
// do:
//
//   npm install --prefix /tmp/learnref @hebcal/learning@6.11.3 @hebcal/core@6.9.3
//   cp tools/make-learning-fixtures.mjs /tmp/learnref/
//   node /tmp/learnref/make-learning-fixtures.mjs tests/learning/fixtures
//
// Each line is "YYYY-MM-DD<TAB>reading<TAB>why", the reading "-" for a day
// without one, why saying which of these the day is. A file holds the day
// before the cycle's first day (before); the first and last day of every round
// (round); every day the cycle skips (skip); the first and last day of every
// book in the cycle's first 3,000 days (book); and one day in 37 besides
// (sample), through 2100.
//
// daf-yomi-hebcal.tsv holds the first and last day of every tractate of the
// Daf Yomi from 1923 through 2100 as Debian's hebcal (4.31) prints them with
// -F, in the same form; it needs hebcal on the PATH.
import { execFileSync } from 'child_process';
import { DailyLearning, HDate } from '@hebcal/core';
import '@hebcal/learning';
import fs from 'fs';
import path from 'path';

const Cycles = {
  'daf-yomi': 'dafYomi',
  'mishna-yomit': 'mishnaYomi',
  'nach-yomi': 'nachYomi',
  'yerushalmi-vilna': 'yerushalmi-vilna',
  'yerushalmi-schottenstein': 'yerushalmi-schottenstein',
  'rambam-1': 'rambam1',
  'rambam-3': 'rambam3',
  'chofetz-chaim': 'chofetzChaim',
  'daf-weekly': 'dafWeekly',
};
const SampleEvery = 37;
const BookDays = 3000;
const Out = process.argv[2];
const End = new HDate(new Date(2100, 11, 31)).abs();

function isoDate(hd) {
  const g = hd.greg();
  return `${String(g.getFullYear()).padStart(4, '0')}-${String(g.getMonth() + 1).padStart(2, '0')}-` +
    String(g.getDate()).padStart(2, '0');
}

function reading(name, abs) {
  const event = DailyLearning.lookup(name, new HDate(abs), false);
  return event ? event.renderBrief('en') : '-';
}

// The book of a reading: its text before the place numbers.
function book(text) {
  return text.replace(/ [0-9][0-9:.,\- ]*$/, '');
}

for (const [key, name] of Object.entries(Cycles)) {
  const first = DailyLearning.getStartDate(name).abs();
  const lines = [];
  const opening = reading(name, first);
  let previous = reading(name, first - 1);
  lines.push(`${isoDate(new HDate(first - 1))}\t${previous}\tbefore`);
  for (let abs = first; abs <= End; abs++) {
    const text = reading(name, abs);
    const next = abs < End ? reading(name, abs + 1) : '';
    const bookBoundary = book(text) !== book(previous) || book(text) !== book(next);
    const roundBoundary = text === opening || next === opening;
    const boundary = abs - first < BookDays && bookBoundary;
    const why = text === '-' ? 'skip' : roundBoundary ? 'round' : boundary ? 'book' :
      (abs - first) % SampleEvery === 0 ? 'sample' : '';
    if (why)
      lines.push(`${isoDate(new HDate(abs))}\t${text}\t${why}`);
    previous = text;
  }
  fs.writeFileSync(path.join(Out, `${key}.tsv`), lines.join('\n') + '\n');
}

function hebcalDafYomi() {
  const printed = execFileSync('hebcal', ['-F', '--years', '178', '1923'], { encoding: 'utf8', maxBuffer: 1 << 28 });
  const days = [];
  for (const line of printed.split('\n')) {
    const match = /^(\d+)\/(\d+)\/(\d+) Daf Yomi: (.*)$/.exec(line);
    if (match) {
      const [, month, day, year, text] = match;
      days.push([`${year.padStart(4, '0')}-${month.padStart(2, '0')}-${day.padStart(2, '0')}`, text]);
    }
  }
  const lines = days.filter(([, text], index) =>
    index === 0 || index === days.length - 1 || book(text) !== book(days[index - 1][1]) ||
      book(text) !== book(days[index + 1][1]));
  fs.writeFileSync(path.join(Out, 'daf-yomi-hebcal.tsv'), lines.map((line) => line.join('\t')).join('\n') + '\n');
}

hebcalDafYomi();
