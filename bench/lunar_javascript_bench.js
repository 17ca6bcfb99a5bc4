// Charts per second with lunar-javascript: the four pillars (23:00 counting
// as the next day) and the lunar date of the same moments as
// bench/CalendarBench.cpp. Prints the rate alone on its last line.
'use strict';
const path = require('path');
const { Solar } = require(path.join(__dirname, '..', 'tools', 'node_modules', 'lunar-javascript'));

const MOMENTS = 10000;
const first = Solar.fromYmd(1901, 2, 19);
const moments = [];
for (let i = 0; i < MOMENTS; ++i) {
    const day = first.next((i * 7919) % 54000);
    moments.push([day.getYear(), day.getMonth(), day.getDay(), (i * 7) % 24]);
}

function chart(count) {
    let sink = 0;
    for (const [y, m, d, h] of moments.slice(0, count)) {
        const lunar = Solar.fromYmdHms(y, m, d, h, 0, 0).getLunar();
        const chart = [lunar.getYearInGanZhiExact(), lunar.getMonthInGanZhiExact(), lunar.getDayInGanZhiExact(),
                       lunar.getTimeInGanZhi(), lunar.getYear(), lunar.getMonth(), lunar.getDay()];
        sink += chart.length;
    }
    return sink;
}

chart(1000);  // warm-up: the JIT and the library's own caches
let charts = 0;
const started = process.hrtime.bigint();
let seconds = 0;
while (seconds < 3) {
    charts += chart(MOMENTS) > 0 ? MOMENTS : 0;
    seconds = Number(process.hrtime.bigint() - started) / 1e9;
}
console.log(`lunar-javascript: ${charts} charts in ${seconds.toFixed(2)} s`);
console.log((charts / seconds).toFixed(0));
