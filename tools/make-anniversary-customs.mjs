#!/usr/bin/env node
// Writes tests/engine/fixtures/anniversary-customs.json, the reference for
// the days a Jewish date falls on in later years under two families'
// customs: @hebcal/core's getYahrzeit (Adar of a common year in Adar I, 30
// Cheshvan and 30 Kislev by the first anniversary, 30 Adar I on 30 Shvat)
// and getBirthdayOrAnniversary (Adar II, the next day, 1 Nissan). The dates
// are the ones whose day a later year may lack, and a plain one; each is
// taken through 40 years, which hold every kind of year. Run once by hand:
//
//   npm install --prefix /tmp/hebcal @hebcal/core@6.9.3
//   cp tools/make-anniversary-customs.mjs /tmp/hebcal/ &&
//     node /tmp/hebcal/make-anniversary-customs.mjs > tests/engine/fixtures/anniversary-customs.json
import { HDate, HebrewCalendar, months } from '@hebcal/core';

function iso(hd) {
  const d = hd.greg();
  const pad = (n, w) => String(n).padStart(w, '0');
  return `${pad(d.getFullYear(), 4)}-${pad(d.getMonth() + 1, 2)}-${pad(d.getDate(), 2)}`;
}

// A year from 5760 on whose month has 30 days and whose next year's month
// has 30 days (Long) or 29 (Short).
function thirtiethYear(month, nextLong) {
  for (let year = 5760; ; ++year) {
    if (HDate.daysInMonth(month, year) === 30 && (HDate.daysInMonth(month, year + 1) === 30) === nextLong)
      return year;
  }
}

function firstYear(test) {
  for (let year = 5760; ; ++year) if (test(year)) return year;
}

const common = firstYear((y) => !HDate.isLeapYear(y));
const leap = firstYear((y) => HDate.isLeapYear(y));
const events = [
  [common, months.ADAR_I, 14, 'Adar of a common year'],
  [common, months.ADAR_I, 29, 'last day of a common year\'s Adar'],
  [leap, months.ADAR_I, 14, 'Adar I'],
  [leap, months.ADAR_I, 30, '30 Adar I'],
  [leap, months.ADAR_II, 14, 'Adar II'],
  [thirtiethYear(months.CHESHVAN, true), months.CHESHVAN, 30, '30 Cheshvan, a long one after'],
  [thirtiethYear(months.CHESHVAN, false), months.CHESHVAN, 30, '30 Cheshvan, a short one after'],
  [thirtiethYear(months.KISLEV, true), months.KISLEV, 30, '30 Kislev, a long one after'],
  [thirtiethYear(months.KISLEV, false), months.KISLEV, 30, '30 Kislev, a short one after'],
  [common, months.TEVET, 10, 'a day every year has'],
];

const rows = [];
for (const [year, month, day, title] of events) {
  const event = new HDate(day, month, year);
  for (let target = year + 1; target <= year + 40; ++target) {
    rows.push({
      title,
      event: [year, month, day],
      year: target,
      yahrzeit: iso(HebrewCalendar.getYahrzeit(target, event)),
      birthday: iso(HebrewCalendar.getBirthdayOrAnniversary(target, event)),
    });
  }
}
process.stdout.write(JSON.stringify(rows, null, 0).replace(/\},\{/g, '},\n{') + '\n');
