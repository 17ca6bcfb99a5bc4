#include "evaluation/BirthChartLines.h"

#include "text/Utf8Text.h"

namespace velorin {

BirthChartLines BirthChartLinesOf(const DateTime& moment) {
    BirthChartLines chart;
    FourPillarsOf(moment, chart.pillars);
    chart.balance = ElementBalance(chart.pillars);
    const FourPillars& p = chart.pillars;
    const std::string& elements = chart.balance.elementText;
    // Only the ends are trimmed: an empty nayin in the middle keeps both blanks.
    std::string nayin = text::TrimBlanks(NayinOf(p.year) + " " + NayinOf(p.month) + " " + NayinOf(p.day) + " " +
                                         NayinOf(p.hour));
    chart.calendar = {
        "属相：" + ZodiacOf(moment) + "\r\n",
        "四柱：" + p.year + "年 " + p.month + "月 " + p.day + "日 " + p.hour + "时\r\n",
        "八字：" + p.year + " " + p.month + " " + p.day + " " + p.hour + "\r\n",
        "五行：" + elements + "\r\n",
        "纳音：" + nayin + "\r\n",
    };
    chart.balanceLines = {
        "五行： " + elements + "\r\n",
        CountsLine(chart.balance.counts) + "\r\n",
        "五行缺：" + chart.balance.lackingText + "\r\n",
        FavourableElementLine(chart.balance.lackingText),
    };
    return chart;
}

}  // namespace velorin
