// Writes the reference calendar that tests/birthchart checks our calendar
// against: lunar-javascript's lunar months, day pillars and solar-term moments
// for 19 February 1901 .. 31 December 2048, in China Standard Time.
//
// The fixture is compact: month starts, term moments and the pillars that
// begin at each monthly term, plus the day pillar of the first day and the
// hour pillars by day stem. Before writing, every day of the range is read
// back from lunar-javascript at 00:00, 11:00, 22:00 and 23:00 and checked to
// follow from those few lines, so the fixture says exactly what the reference
// says on every day.
'use strict';
const fs = require('fs');
const { Solar, LunarYear, LunarUtil } = require('lunar-javascript');

const FIRST = { y: 1901, m: 2, d: 19 };
const LAST = { y: 2048, m: 12, d: 31 };
const CHECK_HOURS = [0, 11, 22, 23];
const TERM_NAMES = ['小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至',
                    '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'];
const BRANCHES = '子丑寅卯辰巳午未申酉戌亥';

const pad = (n, w = 2) => String(n).padStart(w, '0');
const ymd = (s) => `${s.getYear()}-${pad(s.getMonth())}-${pad(s.getDay())}`;
const hms = (s) => `${pad(s.getHour())}:${pad(s.getMinute())}:${pad(s.getSecond())}`;
const stamp = (s) => `${ymd(s)} ${hms(s)}`;
const fail = (message) => { throw new Error(message); };

function solarTerms() {
    const byStamp = new Map();
    for (let year = FIRST.y; year <= LAST.y + 1; ++year) {
        const table = Solar.fromYmd(year, 6, 1).getLunar().getJieQiTable();
        for (const name of Object.keys(table)) {
            if (!TERM_NAMES.includes(name)) continue;  // the neighbouring years' terms come under Latin names
            byStamp.set(stamp(table[name]), { name, solar: table[name] });
        }
    }
    const terms = [...byStamp.keys()].sort()
        .map((key) => byStamp.get(key))
        .filter((t) => t.solar.getYear() >= FIRST.y && t.solar.getYear() <= LAST.y);
    terms.forEach((t, i) => {
        if (t.name !== TERM_NAMES[i % 24]) fail(`term ${i} is ${t.name} at ${stamp(t.solar)}`);
    });
    if (terms.length !== 24 * (LAST.y - FIRST.y + 1)) fail(`${terms.length} terms`);
    return terms;
}

function lunarMonths() {
    const months = [];
    for (let year = FIRST.y - 1; year <= LAST.y + 1; ++year) {
        for (const month of LunarYear.fromYear(year).getMonths()) {
            const first = Solar.fromJulianDay(month.getFirstJulianDay());
            if (month.getYear() !== year) continue;  // listed again under its own year
            months.push({ first: ymd(first), year, month: Math.abs(month.getMonth()), leap: month.isLeap() });
        }
    }
    months.sort((a, b) => (a.first < b.first ? -1 : a.first > b.first ? 1 : 0));
    const firstDay = `${FIRST.y}-${pad(FIRST.m)}-${pad(FIRST.d)}`;
    const lastDay = `${LAST.y}-${pad(LAST.m)}-${pad(LAST.d)}`;
    return months.filter((m, i) => m.first <= lastDay && (i + 1 === months.length || months[i + 1].first > firstDay));
}

function cycleNumber(ganZhi) {
    for (let j = 1; j <= 60; ++j) {
        if (LunarUtil.GAN[(j - 1) % 10 + 1] + LunarUtil.ZHI[(j - 1) % 12 + 1] === ganZhi) return j;
    }
    return fail(`not a cycle name: ${ganZhi}`);
}
const cycleName = (j) => LunarUtil.GAN[(j - 1) % 10 + 1] + LunarUtil.ZHI[(j - 1) % 12 + 1];

function main() {
    const terms = solarTerms();
    const months = lunarMonths();
    const start = Solar.fromYmdHms(FIRST.y, FIRST.m, FIRST.d, 0, 0, 0);
    const firstDayPillar = cycleNumber(start.getLunar().getDayInGanZhiExact());

    // Pillars that begin at each monthly term (the even terms: 小寒, 立春, 惊蛰 …).
    const monthTerms = [];
    for (const term of terms.filter((_, i) => i % 2 === 0)) {
        const after = term.solar.getSecond() === 0 && term.solar.getMinute() === 0 ? term.solar
            : Solar.fromYmdHms(term.solar.getYear(), term.solar.getMonth(), term.solar.getDay(), term.solar.getHour(), 59, 59);
        const lunar = after.getLunar();
        term.pillars = [lunar.getYearInGanZhiExact(), lunar.getMonthInGanZhiExact()];
        monthTerms.push(term);
    }

    const hourPillars = new Map();  // day stem -> 12 hour pillars
    let monthIndex = 0;
    let termIndex = 0;
    const lastDay = Solar.fromYmd(LAST.y, LAST.m, LAST.d);
    for (let day = start, n = 0; !day.isAfter(lastDay); day = day.next(1), ++n) {
        while (monthIndex + 1 < months.length && months[monthIndex + 1].first <= ymd(day)) ++monthIndex;
        const month = months[monthIndex];
        const monthFirst = Solar.fromYmd(...month.first.split('-').map(Number));
        const lunarDay = day.subtract(monthFirst) + 1;
        for (const hour of CHECK_HOURS) {
            const moment = Solar.fromYmdHms(day.getYear(), day.getMonth(), day.getDay(), hour, 0, 0);
            const lunar = moment.getLunar();
            const where = stamp(moment);
            if (lunar.getYear() !== month.year || Math.abs(lunar.getMonth()) !== month.month ||
                (lunar.getMonth() < 0) !== month.leap || lunar.getDay() !== lunarDay) {
                fail(`${where}: lunar date ${lunar.toString()} does not follow from the month starts`);
            }
            const dayPillar = (firstDayPillar - 1 + n + (hour >= 23 ? 1 : 0)) % 60 + 1;
            if (cycleNumber(lunar.getDayInGanZhiExact()) !== dayPillar) fail(`${where}: day pillar`);
            while (termIndex + 1 < monthTerms.length && !monthTerms[termIndex + 1].solar.isAfter(moment)) ++termIndex;
            const term = monthTerms[termIndex];
            if (term.solar.isAfter(moment)) fail(`${where}: before the first monthly term`);
            if (lunar.getYearInGanZhiExact() !== term.pillars[0] || lunar.getMonthInGanZhiExact() !== term.pillars[1]) {
                fail(`${where}: year or month pillar does not follow from the term of ${stamp(term.solar)}`);
            }
            const stem = cycleName(dayPillar)[0];
            const branch = Math.floor(((hour + 1) % 24) / 2);
            const hours = hourPillars.get(stem) || new Array(12).fill('');
            if (hours[branch] === '') hours[branch] = lunar.getTimeInGanZhi();
            if (hours[branch] !== lunar.getTimeInGanZhi()) fail(`${where}: hour pillar`);
            hourPillars.set(stem, hours);
        }
    }
    // 11:00 and 22:00 and 23:00 read three of the twelve two-hour periods; the
    // rest of each row follows from them (the stem advances with the branch).
    const lines = [
        '# The Chinese calendar of 1901-02-19 .. 2048-12-31 in China Standard Time,',
        '# as lunar-javascript gives it; written by tools/calendar-reference/write_fixture.js.',
        '# day FIRST-DAY PILLAR: the day pillar of the first day; each day advances it by one,',
        '#   and from 23:00 a day already has the next day\'s pillar.',
        '# hour DAY-STEM PILLAR…: the hour pillars of the periods 子 丑 … 亥 of a day with that stem',
        '#   (the 子 period of 23:00 counts under the next day\'s stem).',
        '# month FIRST-DAY LUNAR-YEAR MONTH LEAP: a lunar month begins (LEAP 1 for a leap month).',
        '# term DATE TIME NAME [YEAR-PILLAR MONTH-PILLAR]: a solar term; the monthly terms give',
        '#   the year and month pillars in force from that moment.',
        `day ${ymd(start)} ${cycleName(firstDayPillar)}`,
    ];
    for (const stem of [...LunarUtil.GAN.slice(1)].filter((g) => hourPillars.has(g))) {
        const hours = hourPillars.get(stem);
        const first = cycleNumber(hours.find((h) => h !== '')) - hours.findIndex((h) => h !== '');
        lines.push(`hour ${stem} ${BRANCHES.split('').map((_, b) => cycleName((first + b + 59) % 60 + 1)).join(' ')}`);
        hours.forEach((h, b) => { if (h !== '' && h !== cycleName((first + b + 59) % 60 + 1)) fail(`hour row ${stem}`); });
    }
    for (const m of months) lines.push(`month ${m.first} ${m.year} ${m.month} ${m.leap ? 1 : 0}`);
    for (const t of terms) lines.push(`term ${stamp(t.solar)} ${t.name}${t.pillars ? ' ' + t.pillars.join(' ') : ''}`);
    const out = process.argv[2];
    fs.writeFileSync(out, lines.join('\n') + '\n');
    console.log(`wrote ${out}: ${months.length} months, ${terms.length} terms`);
}

main();
