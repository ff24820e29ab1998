#!/usr/bin/env node
// The yardstick of bench_times.sh: the thirteen daily times of each day from
// FROM to TO at one place, computed by kosher-zmanim (the npm port of
// KosherJava) and written as one JSON document, as `mirvane-cli times
// --format json` writes them.
//
// Usage: NODE_PATH=/path/to/node_modules node zmanim-days.js FROM TO LAT LON ZONE
'use strict';

const KZ = require('kosher-zmanim');
const { DateTime } = require('luxon');

const [from, to, latitude, longitude, zone] = process.argv.slice(2);
const calendar = new KZ.ComplexZmanimCalendar(new KZ.GeoLocation('place', Number(latitude), Number(longitude), 0, zone));
const Zmanim = {
  alotHaShachar: 'getAlos16Point1Degrees', misheyakir: 'getMisheyakir11Point5Degrees',
  sunrise: 'getSeaLevelSunrise', sofZmanShmaMGA: 'getSofZmanShmaMGA', sofZmanShma: 'getSofZmanShmaGRA',
  sofZmanTfillaMGA: 'getSofZmanTfilaMGA', sofZmanTfilla: 'getSofZmanTfilaGRA', chatzot: 'getChatzos',
  minchaGedola: 'getMinchaGedola', minchaKetana: 'getMinchaKetana', plagHaMincha: 'getPlagHamincha',
  sunset: 'getSeaLevelSunset', tzeit: 'getTzaisGeonim8Point5Degrees',
};
const days = [];
for (let day = DateTime.fromISO(from, { zone }); day <= DateTime.fromISO(to, { zone }); day = day.plus({ days: 1 })) {
  calendar.setDate(day);
  const record = { date: day.toISODate() };
  for (const [key, method] of Object.entries(Zmanim)) {
    const value = calendar[method]();
    record[key] = value ? value.setZone(zone).toISO({ suppressMilliseconds: true }) : null;
  }
  days.push(record);
}
process.stdout.write(JSON.stringify({ days }) + '\n');
