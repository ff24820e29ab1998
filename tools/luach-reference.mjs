// The luach as @hebcal/core (and, for the daily learning, @hebcal/learning)
// gives it, in the categories and keys of `mirvane-cli events`, as an
// independent reference for the tests and for tools/luach-agreement.sh.
//
// Run:
//   npm install --prefix /tmp/hebcal @hebcal/core@6.9.3 @hebcal/learning
//   NODE_PATH=/tmp/hebcal/node_modules node tools/luach-reference.mjs fixtures tests/luach/fixtures
//   NODE_PATH=/tmp/hebcal/node_modules node tools/luach-reference.mjs range 1948-01-01 2100-12-31 [--israel]
//
// "fixtures" writes, for a table of Jewish years (every kind of year, the
// years each national day began, Birkat HaChamah), one line per year and key:
//   YEAR <tab> CATEGORY <tab> KEY <tab> DATE,DATE,...
// (a Mevarchim date carries its molad: DATE=WEEKDAY/HOUR/MINUTE/PARTS), in
// luach-diaspora.tsv and luach-israel.tsv. "range" prints one line per
// entry, DATE <tab> CATEGORY <tab> KEY [<tab> MOLAD or READING], sorted.
import {readFileSync, writeFileSync} from 'node:fs';

// The ES module of a package installed under NODE_PATH.
async function load(name) {
    const dir = `${process.env.NODE_PATH}/${name}`;
    const pkg = JSON.parse(readFileSync(`${dir}/package.json`, 'utf8'));
    return import(`${dir}/${pkg.module ?? pkg.main}`);
}
const core = await load('@hebcal/core');
const {HebrewCalendar, HDate, flags, Molad, months} = core;
let DailyLearning = null;
try {
    await load('@hebcal/learning');
    DailyLearning = core.DailyLearning;
} catch {
    // Without it no learning is compared.
}

const specialKeys = {
    'Shabbat Shekalim': 'shekalim', 'Shabbat Zachor': 'zachor', 'Shabbat Parah': 'parah',
    'Shabbat HaChodesh': 'hachodesh', 'Shabbat HaGadol': 'hagadol', 'Shabbat Shuva': 'shuva',
    'Shabbat Shirah': 'shirah', 'Shabbat Chazon': 'chazon', 'Shabbat Nachamu': 'nachamu',
};
const minorKeys = {
    'Pesach Sheni': 'pesach-sheni', "Tu B'Av": 'tu-bav', 'Leil Selichot': 'leil-selichot',
    "Ta'anit Bechorot": 'taanit-bechorot', 'Shushan Purim Katan': 'shushan-purim-katan',
    'Purim Meshulash': 'purim-meshulash', 'Rosh Hashana LaBehemot': 'rosh-hashana-labehemot',
    'Chag HaBanot': 'chag-habanot', 'Birkat Hachamah': 'birkat-hachamah',
};
// Our cycle keys and @hebcal/learning's names for them.
const learningKeys = {
    'daf-yomi': 'dafyomi', 'mishna-yomit': 'mishnayomi', 'nach-yomi': 'nachyomi',
    'yerushalmi-vilna': 'yerushalmi-vilna', 'yerushalmi-schottenstein': 'yerushalmi-schottenstein',
    'rambam-1': 'rambam1', 'rambam-3': 'rambam3', 'chofetz-chaim': 'chofetzchaim', 'daf-weekly': 'dafweekly',
};

function slug(text) {
    return text.toLowerCase().replace(/'/g, '').replace(/[^a-z0-9]+/g, '-').replace(/^-|-$/g, '');
}

function iso(hd) {
    const d = hd.greg();
    const y = String(d.getFullYear()).padStart(4, '0');
    return `${y}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}`;
}

// [category, key, extra] of one event, or null for what the luach does not list.
function classify(ev) {
    const desc = ev.getDesc();
    const mask = ev.getFlags();
    if (mask & flags.ROSH_CHODESH) return ['rosh-chodesh', 'rosh-chodesh', ''];
    if (mask & flags.OMER_COUNT) return ['omer', 'omer', String(ev.omer)];
    if (mask & flags.SHABBAT_MEVARCHIM) {
        const hd = ev.getDate();
        const next = hd.getMonth() === HDate.monthsInYear(hd.getFullYear()) ? months.NISAN : hd.getMonth() + 1;
        const m = new Molad(hd.getFullYear(), next);
        return ['mevarchim', 'mevarchim', `${m.getDow()}/${m.getHour()}/${m.getMinutes()}/${m.getChalakim()}`];
    }
    if (mask & flags.MOLAD) return null;
    if (mask & flags.SPECIAL_SHABBAT) return ['special-shabbat', specialKeys[desc] ?? slug(desc), ''];
    if (mask & flags.MODERN_HOLIDAY) return ['modern', slug(desc), ''];
    if (mask & flags.YOM_KIPPUR_KATAN) return ['minor', 'yom-kippur-katan', ''];
    if (minorKeys[desc]) return ['minor', minorKeys[desc], ''];
    if (mask & flags.DAILY_LEARNING) return null;
    return ['festivals', slug(desc), ''];
}

function events(start, end, il) {
    return HebrewCalendar.calendar({
        start, end, il, sedrot: false, candlelighting: false, omer: true, molad: true,
        shabbatMevarchim: true, yomKippurKatan: true, noMinorFast: false, noModern: false,
    });
}

function learningLines(start, end, il, out) {
    if (!DailyLearning) return;
    for (let abs = start.abs(); abs <= end.abs(); ++abs) {
        const hd = new HDate(abs);
        for (const [key, name] of Object.entries(learningKeys)) {
            const ev = DailyLearning.lookup(name, hd, il);
            if (ev) out.push(`${iso(hd)}\tlearning\t${key}\t${ev.renderBrief('en')}`);
        }
    }
}

function range(from, to, il) {
    const start = new HDate(new Date(from + 'T12:00:00'));
    const end = new HDate(new Date(to + 'T12:00:00'));
    const out = [];
    for (const ev of events(start, end, il)) {
        const c = classify(ev);
        if (c) out.push(`${iso(ev.getDate())}\t${c[0]}\t${c[1]}${c[2] && c[0] !== 'omer' ? '\t' + c[2] : ''}`);
    }
    learningLines(start, end, il, out);
    out.sort();
    process.stdout.write(out.join('\n') + '\n');
}

// The first year of each kind in 5700..5900 (weekday of Rosh Hashana, length),
// the years each national day began and moved, Birkat HaChamah.
function fixtureYears() {
    const kinds = new Map();
    for (let y = 5700; y <= 5900; ++y) {
        const kind = `${new HDate(1, months.TISHREI, y).getDay()}/${HDate.daysInYear(y)}`;
        if (!kinds.has(kind)) kinds.set(kind, y);
    }
    const years = new Set([...kinds.values(), 5707, 5708, 5709, 5710, 5711, 5726, 5727, 5736, 5737, 5749,
        5750, 5757, 5758, 5763, 5764, 5765, 5768, 5769, 5772, 5773, 5776, 5777, 5787, 5797]);
    return [...years].sort();
}

function fixtures(dir) {
    for (const il of [false, true]) {
        const lines = [];
        for (const y of fixtureYears()) {
            const byKey = new Map();
            const start = new HDate(1, months.TISHREI, y);
            const end = new HDate(new HDate(1, months.TISHREI, y + 1).abs() - 1);
            for (const ev of events(start, end, il)) {
                const c = classify(ev);
                if (!c || c[0] === 'festivals') continue;
                const id = `${c[0]}\t${c[1]}`;
                const date = iso(ev.getDate()) + (c[0] === 'mevarchim' ? '=' + c[2] : '');
                byKey.set(id, [...(byKey.get(id) ?? []), date]);
            }
            for (const [id, dates] of [...byKey].sort()) lines.push(`${y}\t${id}\t${dates.join(',')}`);
        }
        writeFileSync(`${dir}/luach-${il ? 'israel' : 'diaspora'}.tsv`, lines.join('\n') + '\n');
    }
}

const [mode, a, b, c] = process.argv.slice(2);
if (mode === 'fixtures') fixtures(a);
else if (mode === 'range') range(a, b, c === '--israel');
else {
    console.error('usage: luach-reference.mjs fixtures DIR | range FROM TO [--israel]');
    process.exit(2);
}
