// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/FixedRates.h"

#include <cstring>

namespace qv {
namespace {

constexpr const char* Euro1999 = "Council Regulation (EC) No 2866/98 of 31 December 1998";

// The irrevocable conversion rates, six significant figures each, as the
// Council fixed them when each currency joined the euro.
constexpr FixedEuroRate Table[] = {
    {"ATS", 13.7603L, Euro1999},
    {"BEF", 40.3399L, Euro1999},
    {"DEM", 1.95583L, Euro1999},
    {"ESP", 166.386L, Euro1999},
    {"FIM", 5.94573L, Euro1999},
    {"FRF", 6.55957L, Euro1999},
    {"IEP", 0.787564L, Euro1999},
    {"ITL", 1936.27L, Euro1999},
    {"LUF", 40.3399L, Euro1999},
    {"NLG", 2.20371L, Euro1999},
    {"PTE", 200.482L, Euro1999},
    {"GRD", 340.750L, "Council Regulation (EC) No 1478/2000 of 19 June 2000"},
    {"SIT", 239.640L, "Council Regulation (EC) No 1086/2006 of 11 July 2006"},
    {"CYP", 0.585274L, "Council Regulation (EC) No 1135/2007 of 10 July 2007"},
    {"MTL", 0.429300L, "Council Regulation (EC) No 1134/2007 of 10 July 2007"},
    {"SKK", 30.1260L, "Council Regulation (EC) No 694/2008 of 8 July 2008"},
    {"EEK", 15.6466L, "Council Regulation (EU) No 671/2010 of 13 July 2010"},
    {"LVL", 0.702804L, "Council Regulation (EU) No 870/2013 of 9 July 2013"},
    {"LTL", 3.45280L, "Council Regulation (EU) No 851/2014 of 23 July 2014"},
    {"HRK", 7.53450L, "Council Regulation (EU) 2022/1208 of 12 July 2022"},
    // The ECU became the euro one for one.
    {"XEU", 1.0L, "Council Regulation (EC) No 1103/97 of 17 June 1997, Article 2(1)"},
    // The CFA francs kept their parity with the French franc, 100 to 1.
    {"XOF", 655.957L, "Council Decision 98/683/EC of 23 November 1998"},
    {"XAF", 655.957L, "Council Decision 98/683/EC of 23 November 1998"},
};

}  // namespace

std::span<const FixedEuroRate> FixedEuroRates()
{
    return Table;
}

const FixedEuroRate* FindFixedEuroRate(const char* code)
{
    for (const FixedEuroRate& rate : Table)
        if (std::strcmp(rate.Code, code) == 0) return &rate;
    return nullptr;
}

}  // namespace qv
