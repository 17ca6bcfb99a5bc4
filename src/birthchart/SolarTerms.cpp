#include "birthchart/SolarTerms.h"

#include <cmath>

#include "birthchart/SunPosition.h"
#include "birthchart/TimeScales.h"
#include "platform/DateTime.h"

namespace velorin {

namespace astronomy {

double SolarTermJde(int year, int index) {
    // 小寒 falls on 5–7 January and the terms follow about 15.2 days apart;
    // each step corrects by the Sun's mean motion, whose error against the
    // true motion (a few percent) shrinks the remaining gap twenty-fold.
    constexpr double kDaysPerDegree = 365.2422 / 360.0;
    const double target = 285.0 + 15.0 * index;
    double jde = JdeFromChinaDays(DateTime::FromParts(year, 1, 6, 0).Days()) + index * 15.2184;
    for (int step = 0; step < 10; ++step) {
        const double gap = LongitudeDifference(target, ApparentSolarLongitude(jde));
        jde += gap * kDaysPerDegree;
        if (std::abs(gap) < 1e-7) break;
    }
    return jde;
}

}  // namespace astronomy

const std::vector<double>& SolarTermMoments() {
    static const std::vector<double> moments = [] {
        std::vector<double> computed;
        computed.reserve(static_cast<std::size_t>(kLastTermYear - kFirstTermYear + 1) * kTermsPerYear);
        for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
            for (int index = 0; index < kTermsPerYear; ++index) {
                computed.push_back(astronomy::ChinaDaysFromJde(astronomy::SolarTermJde(year, index)));
            }
        }
        return computed;
    }();
    return moments;
}

}  // namespace velorin
