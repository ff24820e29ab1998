// Writes the yahrzeit and birthday list of ten made-up people as a
// Hebrew-calendar web service exports it: one event per person and year,
// through @hebcal/rest-api's CSV writer and @hebcal/icalendar's calendar
// writer. The import tests read the two files back.
//
// Run it from the repository's root:
//   npm install --prefix /tmp/hcimport @hebcal/core@6.9.3 @hebcal/rest-api@7.1.3 @hebcal/icalendar@6.3.3
//   NODE_PATH=/tmp/hcimport/node_modules node tools/make-import-fixtures.mjs
// It writes tests/import/fixtures/hebcal-yahrzeits.csv and .ics.
import {readFileSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {pathToFileURL} from 'node:url';

// The packages' ES modules, from the folder NODE_PATH names.
async function load(name) {
  const folder = join(process.env.NODE_PATH, name);
  const pkg = JSON.parse(readFileSync(join(folder, 'package.json'), 'utf8'));
  return import(pathToFileURL(join(folder, pkg.module)).href);
}
const {HDate, HebrewCalendar, Event, flags} = await load('@hebcal/core');
const {eventsToCsv} = await load('@hebcal/rest-api');
const {eventsToIcalendar} = await load('@hebcal/icalendar');

// Name, kind, Gregorian date of the event, after sunset.
const People = [
  ['Moshe Levi', 'Yahrzeit', '1990-11-30', false],
  ['Sarah Cohen', 'Yahrzeit', '2001-03-15', true],
  ['Yaakov Mizrahi', 'Yahrzeit', '1985-02-20', false],   // Adar of a common year
  ['Rivka Peretz', 'Yahrzeit', '2004-03-10', false],     // Adar I of a leap year
  ['David Friedman', 'Yahrzeit', '1978-12-01', false],   // 30 Cheshvan
  ['Leah Katz', 'Yahrzeit', '2012-09-16', true],         // erev Rosh Hashana, after sunset
  ['Avraham Shapiro', 'Yahrzeit', '1969-07-22', false],
  ['Chana Goldberg', 'Birthday', '1950-06-05', false],
  ['Shmuel Adler', 'Birthday', '1983-12-10', true],
  ['Miriam Rosen', 'Birthday', '2010-01-01', false],
];

function ordinal(n) {
  const s = ['th', 'st', 'nd', 'rd'];
  const v = n % 100;
  return n + (s[(v - 20) % 10] || s[v] || s[0]);
}

const events = [];
for (const [name, kind, iso, afterSunset] of People) {
  const [y, m, d] = iso.split('-').map(Number);
  let hd = new HDate(new Date(y, m - 1, d));
  if (afterSunset) hd = hd.next();
  const slug = name.toLowerCase().replace(/[^a-z]+/g, '-');
  for (let hyear = 5787; hyear <= 5791; hyear++) {
    const when = kind === 'Yahrzeit' ? HebrewCalendar.getYahrzeit(hyear, hd)
                                     : HebrewCalendar.getBirthdayOrAnniversary(hyear, hd);
    if (!when) continue;
    const years = hyear - hd.getFullYear();
    const title = kind === 'Yahrzeit' ? `${name}'s ${ordinal(years)} Yahrzeit`
                                      : `${name}'s ${ordinal(years)} Hebrew Birthday`;
    const ev = new Event(when, title, flags.USER_EVENT);
    ev.memo = `${kind === 'Yahrzeit' ? 'Hebrew date of death' : 'Hebrew date of birth'}: ${hd.render('en')}` +
              (afterSunset ? ` (${iso}, after sunset)` : ` (${iso})`);
    ev.uid = `hebcal-${slug}-${hyear}`;
    events.push(ev);
  }
}
events.sort((a, b) => a.getDate().abs() - b.getDate().abs());

const out = join('tests', 'import', 'fixtures');
writeFileSync(join(out, 'hebcal-yahrzeits.csv'), eventsToCsv(events, {}));
writeFileSync(join(out, 'hebcal-yahrzeits.ics'),
              await eventsToIcalendar(events, {title: 'Yahrzeits', yahrzeit: true, calendarColor: '#800002'}));
