// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in categories: every unit with its symbol, definition and factor
// (the size of one unit in the category's first unit), in the order they are
// installed, and the position of each category's default unit. Windows-1252
// bytes: \xB5 micro, \xB2 squared, \xB3 cubed, \xB0 degree. This file holds
// data only; BuildBuiltInCategories turns it into categories.
#include "builtin/BuiltInTables.h"

namespace qv {
namespace {

// clang-format off
// 1. Length: 38 units, default at position 6
constexpr BuiltInUnit Length[] = {
    {"fm",        "fermies",               1.0L},  // 0
    {"A",         "angstroms",             100000.0L},  // 1
    {"m\xB5",     "millimicrons",          1000000.0L},  // 2
    {"\xB5",      "microns",               1E9L},  // 3
    {"mm",        "millimeters",           1E12L},  // 4
    {"cm",        "centimeters",           1E13L},  // 5
    {"m",         "meters",                1E15L},  // 6
    {"km",        "kilometers",            1E18L},  // 7
    {"\xB5in",    "microinches",           2.54E7L},  // 8
    {"mil",       "mils",                  2.54E10L},  // 9
    {"caliber",   "calibers",              2.54E11L},  // 10
    {"in",        "inches",                2.54E13L},  // 11
    {"hand",      "hands",                 1.016E14L},  // 12
    {"link",      "links, surveyor",       2.01168E14L},  // 13
    {"span",      "spans",                 2.286E14L},  // 14
    {"link en",   "links, engineer",       3.048E14L},  // 15
    {"ft",        "feet",                  3.048E14L},  // 16
    {"ft surv",   "feet, U.S. survey",     3.048006096012192025E14L},  // 17
    {"cubit",     "cubits",                4.572E14L},  // 18
    {"pace",      "paces",                 7.62E14L},  // 19
    {"yd",        "yards",                 9.144E14L},  // 20
    {"f",         "fathoms",               1.8288E15L},  // 21
    {"rd",        "rods",                  5.0292E15L},  // 22
    {"perch",     "perches",               5.0292E15L},  // 23
    {"pole",      "poles",                 5.0292E15L},  // 24
    {"chain",     "chains, surveyor",      2.01168E16L},  // 25
    {"chain en",  "chains, engineer",      3.048E16L},  // 26
    {"skein",     "skeins",                1.09728E17L},  // 27
    {"furlong",   "furlongs",              2.01168E17L},  // 28
    {"cable",     "cables",                2.19456E17L},  // 29
    {"mi",        "miles, statute",        1.609344E18L},  // 30
    {"nmi",       "nautical miles, U.S.",  1.852E18L},  // 31
    {"league",    "leagues, statute",      4.828032E18L},  // 32
    {"au",        "astronomical units",    1.4959789E26L},  // 33
    {"light yr",  "light years",           9.46055E30L},  // 34
    {"parsec",    "parsecs",               3.08374E31L},  // 35
    {"pt",        "points, printer",       3.514598E11L},  // 36
    {"p",         "picas, printer",        4.2175176E12L},  // 37
};

// 2. Area: 15 units, default at position 2
constexpr BuiltInUnit Area[] = {
    {"b",         "barns",            1.0L},  // 0
    {"cm\xB2",    "centimeters\xB2",  1E24L},  // 1
    {"m\xB2",     "meters\xB2",       1E28L},  // 2
    {"are",       "ares",             1E30L},  // 3
    {"ha",        "hectares",         1E32L},  // 4
    {"km\xB2",    "kilometers\xB2",   1E34L},  // 5
    {"d",         "darcies",          9.869233E15L},  // 6
    {"c m",       "circular mils",    5.0670748E18L},  // 7
    {"in\xB2",    "inches\xB2",       6.4516E24L},  // 8
    {"ft\xB2",    "feet\xB2",         9.290304E26L},  // 9
    {"yd\xB2",    "yards\xB2",        8.3612736E27L},  // 10
    {"a",         "acres",            4.0468564224E31L},  // 11
    {"mi\xB2",    "miles\xB2",        2.589988110336E34L},  // 12
    {"section",   "sections",         2.589988110336E34L},  // 13
    {"township",  "townships",        9.3239571972096E35L},  // 14
};

// 3. Volume: 35 units, default at position 7
constexpr BuiltInUnit Volume[] = {
    {"\xB5l",     "microliters",       1.0L},  // 0
    {"ml",        "milliliters",       1000.0L},  // 1
    {"cl",        "centiliters",       10000.0L},  // 2
    {"l",         "liters",            1000000.0L},  // 3
    {"s",         "steres",            1E9L},  // 4
    {"mm\xB3",    "millimeter\xB3",    0.999972L},  // 5
    {"cc",        "centimeters\xB3",   999.972L},  // 6
    {"m\xB3",     "meters\xB3",        9.99972E8L},  // 7
    {"in\xB3",    "inches\xB3",        16387.064L},  // 8
    {"ft\xB3",    "feet\xB3",          2.8316846592E7L},  // 9
    {"yd\xB3",    "yards\xB3",         7.64554857984E8L},  // 10
    {"tsp",       "teaspoons",         4928.92159375L},  // 11
    {"tbsp",      "tablespoons",       14786.76478125L},  // 12
    {"oz",        "ounces",            29573.5295625L},  // 13
    {"gi",        "gills",             118294.12L},  // 14
    {"gi UK",     "British gills",     142065.3L},  // 15
    {"c",         "cups",              236588.2365L},  // 16
    {"pt",        "pints",             473176.473L},  // 17
    {"pt dry",    "dry pints",         550610.5L},  // 18
    {"qt",        "quarts",            946352.946L},  // 19
    {"qt dry",    "dry quarts",        1101221.0L},  // 20
    {"bd-ft",     "board feet",        2359737.216L},  // 21
    {"gal",       "gallons",           3785411.784L},  // 22
    {"gal dry",   "dry gallons",       4404883.77086L},  // 23
    {"gal UK",    "British gallons",   4546279.552584L},  // 24
    {"gal CA",    "Canadian gallons",  4546090.0L},  // 25
    {"pk",        "pecks",             8809767.54172L},  // 26
    {"pk UK",     "British pecks",     9092000.0L},  // 27
    {"bsh",       "bushels",           3.523907E7L},  // 28
    {"bbl",       "barrels",           1.19828E8L},  // 29
    {"bbl oil",   "oil barrels",       1.58987294928E8L},  // 30
    {"hogshead",  "hogsheads",         2.38474264925613024E8L},  // 31
    {"t",         "tons, register",    2.8316053720295424E9L},  // 32
    {"cord",      "cords",             3.6244548124236E9L},  // 33
    {"a-ft",      "acre feet",         1.233489E12L},  // 34
};

// 4. Time: 13 units, default at position 2
constexpr BuiltInUnit Time[] = {
    {"ns",          "nanoseconds",   1.0L},  // 0
    {"ms",          "milliseconds",  1000000.0L},  // 1
    {"s",           "seconds",       1E9L},  // 2
    {"min",         "minutes",       6E10L},  // 3
    {"hr",          "hours",         3.6E12L},  // 4
    {"day",         "days",          8.64E13L},  // 5
    {"week",        "weeks",         6.048E14L},  // 6
    {"month",       "months",        2.6298E15L},  // 7
    {"yr",          "years",         3.15576E16L},  // 8
    {"decade",      "decades",       3.15576E17L},  // 9
    {"century",     "centuries",     3.15576E18L},  // 10
    {"millennium",  "millenia",      3.15576E19L},  // 11
    {"eon",         "eons",          3.15576E25L},  // 12
};

// 5. Velocity (Speed): 25 units, default at position 6
constexpr BuiltInUnit VelocitySpeed[] = {
    {"mm/s",    "millimeters/second",      1.0L},  // 0
    {"mm/min",  "millimeters/minute",      0.01666666666666666667L},  // 1
    {"mm/hr",   "millimeters/hour",        2.777777777777777778E-4L},  // 2
    {"cm/s",    "centimeters/second",      10.0L},  // 3
    {"cm/min",  "centimeters/minute",      0.1666666666666666667L},  // 4
    {"cm/hr",   "centimeters/hour",        0.002777777777777777778L},  // 5
    {"m/s",     "meters/second",           1000.0L},  // 6
    {"m/min",   "meters/minute",           16.66666666666666667L},  // 7
    {"m/hr",    "meters/hour",             0.2777777777777777778L},  // 8
    {"km/s",    "kilometers/second",       1000000.0L},  // 9
    {"km/min",  "kilometers/minute",       16666.66666666666667L},  // 10
    {"kph",     "kilometers/hour",         277.7777777777777778L},  // 11
    {"in/s",    "inches/second",           25.4L},  // 12
    {"in/min",  "inches/minute",           0.4233333333333333333L},  // 13
    {"in/hr",   "inches/hour",             0.007055555555555555555L},  // 14
    {"ft/s",    "feet/second",             304.8L},  // 15
    {"ft/min",  "feet/minute",             5.08L},  // 16
    {"ft/hr",   "feet/hour",               0.08466666666666666667L},  // 17
    {"ft/day",  "feet/day",                0.003527777777777777778L},  // 18
    {"mi/s",    "miles/second",            1609344.0L},  // 19
    {"mi/min",  "miles/minute",            26822.4L},  // 20
    {"mph",     "miles/hour",              447.04L},  // 21
    {"knot",    "knots",                   514.4444L},  // 22
    {"mach",    "sea level soundspeed",    330556.0L},  // 23
    {"warp",    "multiple of lightspeed",  2.99792E11L},  // 24
};

// 6. Acceleration: 6 units, default at position 1
constexpr BuiltInUnit Acceleration[] = {
    {"cm/s\xB2",   "centimeters/second\xB2",      1.0L},  // 0
    {"m/s\xB2",    "meters/second\xB2",           100.0L},  // 1
    {"km/(hr-s)",  "kilometers per hour second",  27.77777777777777778L},  // 2
    {"in/s\xB2",   "inches/second\xB2",           2.54L},  // 3
    {"ft/s\xB2",   "feet/second\xB2",             30.48L},  // 4
    {"g",          "gravity",                     980.665L},  // 5
};

// 7. Mass: 20 units, default at position 4
constexpr BuiltInUnit Mass[] = {
    {"amu",        "atmoic mass units",      1.0L},  // 0
    {"mg",         "milligrams",             6.022137377E20L},  // 1
    {"ct",         "carats",                 1.2044274754E23L},  // 2
    {"g",          "grams",                  6.022137377E23L},  // 3
    {"kg",         "kilograms",              6.022137377E26L},  // 4
    {"tonne",      "Metric Tons",            6.022137377E29L},  // 5
    {"grain",      "grains",                 3.90227937901E22L},  // 6
    {"scruple",    "scruples",               7.8045587579971814E23L},  // 7
    {"pwt",        "pennyweights",           9.36547147313E23L},  // 8
    {"dram",       "drams",                  1.0670295176949271445E24L},  // 9
    {"troy dram",  "troy drams",             2.34136762739915442E24L},  // 10
    {"oz",         "ounces mass",            1.707247228311883431E25L},  // 11
    {"troy oz",    "troy ounces",            1.873094101919323536E25L},  // 12
    {"lbm",        "pounds mass",            2.73159556529901349E26L},  // 13
    {"troy lbm",   "troy pounds",            2.24771279222E26L},  // 14
    {"slug",       "slugs",                  8.78864881303986933E27L},  // 15
    {"cwt",        "hundredweights, short",  2.73159574596E28L},  // 16
    {"cwt long",   "hundredweights, long",   3.05938730774E28L},  // 17
    {"t",          "US Tons, short",         5.46319113059802698E29L},  // 18
    {"t long",     "US Tons, long",          6.118774066269790217E29L},  // 19
};

// 8. Force (Weight): 13 units, default at position 1
constexpr BuiltInUnit ForceWeight[] = {
    {"dyne",       "dynes",                   1.0L},  // 0
    {"N",          "newtons",                 100000.0L},  // 1
    {"J/m",        "joules/meter",            100000.0L},  // 2
    {"kN",         "kilonewtons",             1E8L},  // 3
    {"J/cm",       "joules/centimeter",       1E7L},  // 4
    {"kgf",        "kilograms force",         980665.0L},  // 5
    {"tonnes",     "metric tons",             9.80665E8L},  // 6
    {"pdl",        "poundals",                13825.5L},  // 7
    {"ozf",        "ounces force",            27801.39L},  // 8
    {"lbf",        "pounds force",            444822.2L},  // 9
    {"kip",        "kilopounds",              4.448222E8L},  // 10
    {"tonf",       "U.S. Tons force, short",  8.896443E8L},  // 11
    {"tonf long",  "U.S. Tons force, long",   9.96401728E8L},  // 12
};

// 9. Pressure (Stress): 29 units, default at position 1
constexpr BuiltInUnit PressureStress[] = {
    {"atm",                "atmosphere, kgf/cm\xB2",             1.0L},  // 0
    {"Pa",                 "pascals",                            9.86924240734508497E-6L},  // 1
    {"kPa",                "kilopascals",                        0.00986924240734508497L},  // 2
    {"MPa",                "megapascals",                        9.86924240734508497L},  // 3
    {"bar",                "bar",                                0.986924240734508497L},  // 4
    {"mbar",               "millibars",                          9.86924240734508497E-4L},  // 5
    {"torr",               "torricellis, mm Hg 0\xB0" "C",       0.0013157894736842105263L},  // 6
    {"mm Hg 0\xB0",        "millimeters of mercury, 0\xB0" "C",  0.0013157894736842105263L},  // 7
    {"cm Hg 0\xB0",        "centimeters of mercury, 0\xB0" "C",  0.013157894736842105263L},  // 8
    {"mm Water 4\xB0",     "millimeters of water, 4\xB0" "C",    9.678154135854069435E-5L},  // 9
    {"cm Water 4\xB0",     "centimeters of water, 4\xB0" "C",    9.6781541358540694345E-4L},  // 10
    {"dyne/cm\xB2",        "dynes/centimeter\xB2",               9.86924240734508497E-7L},  // 11
    {"N/m\xB2",            "newtons/meter\xB2",                  9.86924240734508497E-6L},  // 12
    {"gf/m\xB2",           "grams force/meter\xB2",              9.67842060543347167E-8L},  // 13
    {"gf/cm\xB2",          "grams force/centimeter\xB2",         9.67842060543347167E-4L},  // 14
    {"gf/mm\xB2",          "grams force/millimeter\xB2",         0.0967842060543347167L},  // 15
    {"kgf/m\xB2",          "kilograms force/meter\xB2",          9.67842060543347167E-5L},  // 16
    {"kgf/cm\xB2",         "kilograms force/centimeter\xB2",     0.967842060543347167L},  // 17
    {"kgf/mm\xB2",         "kilograms force/millimeter\xB2",     96.7842060543347167L},  // 18
    {"in Water 60\xB0",    "inches of water, 60\xB0" "F",        0.002455859856896219398L},  // 19
    {"in Water 39.2\xB0",  "inches of water, 39.2\xB0" "F",      0.002458250637306328454L},  // 20
    {"ft Water 39.2\xB0",  "feet of water, 39.2\xB0" "F",        0.02949900764767594145L},  // 21
    {"in Hg 60\xB0",       "inches of mercury, 60\xB0" "F",      0.03332695122324325018L},  // 22
    {"in Hg 32\xB0",       "inches of mercury, 32\xB0" "F",      0.03342109392656691494L},  // 23
    {"psf",                "pounds/foot\xB2, lbf/ft\xB2",        4.725418760179712325E-4L},  // 24
    {"psi",                "pounds/inch\xB2, lbf/in\xB2",        0.06804603014658785748L},  // 25
    {"ksf",                "kilopounds/foot\xB2, kip/ft\xB2",    0.4725418760179712325L},  // 26
    {"tsf",                "tons/foot\xB2, t/ft\xB2",            0.945083752035942465L},  // 27
    {"ksi",                "kilopounds/inch\xB2, kip/in\xB2",    68.04603014658785747L},  // 28
};

// 10. Density: 11 units, default at position 1
constexpr BuiltInUnit Density[] = {
    {"g/cm\xB3",     "grams/centimeter\xB3",    1.0L},  // 0
    {"kg/m\xB3",     "kilograms/meter\xB3",     0.001L},  // 1
    {"N/m\xB3",      "newtons/meter\xB3",       1.01971607166E-4L},  // 2
    {"N/cm\xB3",     "newtons/centimeter\xB3",  101.971607166L},  // 3
    {"Pa/cm",        "pascals/centimeter",      0.0101971607166L},  // 4
    {"kPa/m",        "kilopascals/meter",       0.101971607166L},  // 5
    {"slug/ft\xB3",  "slugs/foot\xB3",          0.515379L},  // 6
    {"lb/ft\xB3",    "pounds/foot\xB3",         0.016018463L},  // 7
    {"lb/in\xB3",    "pounds/inch\xB3",         27.679904064L},  // 8
    {"kip/ft\xB3",   "kilopounds/foot\xB3",     16.018463L},  // 9
    {"kip/in\xB3",   "kilopounds/inch\xB3",     27679.904064L},  // 10
};

// 11. Subgrade Modulus: 11 units, default at position 1
constexpr BuiltInUnit SubgradeModulus[] = {
    {"g/cm\xB3",     "grams/centimeter\xB3",    1.0L},  // 0
    {"kg/m\xB3",     "kilograms/meter\xB3",     0.001L},  // 1
    {"N/m\xB3",      "newtons/meter\xB3",       1.01971607166E-4L},  // 2
    {"N/cm\xB3",     "newtons/centimeter\xB3",  101.971607166L},  // 3
    {"Pa/cm",        "pascals/centimeter",      0.0101971607166L},  // 4
    {"kPa/m",        "kilopascals/meter",       0.101971607166L},  // 5
    {"slug/ft\xB3",  "slugs/foot\xB3",          0.515379L},  // 6
    {"lb/ft\xB3",    "pounds/foot\xB3",         0.016018463L},  // 7
    {"lb/in\xB3",    "pounds/inch\xB3",         27.679904064L},  // 8
    {"kip/ft\xB3",   "kilopounds/foot\xB3",     16.018463L},  // 9
    {"kip/in\xB3",   "kilopounds/inch\xB3",     27679.904064L},  // 10
};

// 12. Temperature: 4 units, default at position 0
constexpr BuiltInUnit Temperature[] = {
    {"C\xB0",  "Celsius",     1.0L},  // 0
    {"F\xB0",  "Fahrenheit",  1.0L},  // 1
    {"K",      "Kelvin",      1.0L},  // 2
    {"R\xB0",  "Rankine",     1.0L},  // 3
};

// 13. Metric Prefixes: 17 units, default at position 8
constexpr BuiltInUnit MetricPrefixes[] = {
    {"a",     "atto",        1.0L},  // 0
    {"f",     "femto",       1000.0L},  // 1
    {"p",     "pico",        1000000.0L},  // 2
    {"n",     "nano",        1E9L},  // 3
    {"\xB5",  "micro",       1E12L},  // 4
    {"m",     "milli",       1E15L},  // 5
    {"c",     "centi",       1E16L},  // 6
    {"d",     "deci",        1E17L},  // 7
    {"B",     "base units",  1E18L},  // 8
    {"da",    "deka",        1E19L},  // 9
    {"h",     "hecto",       1E20L},  // 10
    {"k",     "kilo",        1E21L},  // 11
    {"M",     "mega",        1E24L},  // 12
    {"G",     "giga",        1E27L},  // 13
    {"T",     "tera",        1E30L},  // 14
    {"P",     "peta",        1E33L},  // 15
    {"E",     "exa",         1E36L},  // 16
};

// 14. Angle: 7 units, default at position 0
constexpr BuiltInUnit Angle[] = {
    {"rad",   "radians",      1.0L},  // 0
    {"s",     "seconds",      4.8481368111E-6L},  // 1
    {"min",   "minutes",      2.90888208666E-4L},  // 2
    {"gr",    "grades",       0.015707963268L},  // 3
    {"\xB0",  "degrees",      0.01745329252L},  // 4
    {"quad",  "quadrants",    1.57079632679L},  // 5
    {"rev",   "revolutions",  6.28318530718L},  // 6
};

// 15. Torque (Moment): 9 units, default at position 0
constexpr BuiltInUnit TorqueMoment[] = {
    {"dyne-cm",  "dyne centimers",     1.0L},  // 0
    {"N-m",      "newton meters",      1E7L},  // 1
    {"kgf-m",    "kilogram meters",    9.80665E7L},  // 2
    {"kN-m",     "kilonewton meters",  1E10L},  // 3
    {"ozf-in",   "ounce inches",       70615.52L},  // 4
    {"lbf-in",   "pound inches",       1129848.32L},  // 5
    {"lbf-ft",   "pound feet",         1.355817984E7L},  // 6
    {"kip-in",   "kilopound inches ",  1.12984832E9L},  // 7
    {"kip-ft",   "kilopound feet",     1.355817984E10L},  // 8
};

// 16. Energy (Work): 16 units, default at position 1
constexpr BuiltInUnit EnergyWork[] = {
    {"erg",      "ergs",                              1.0L},  // 0
    {"J",        "joules",                            1E7L},  // 1
    {"N-m",      "newton meters",                     1E7L},  // 2
    {"W-s",      "watt seconds",                      1E7L},  // 3
    {"W-hr",     "watt hours",                        3.6E10L},  // 4
    {"kW-hr",    "kilowatt hours",                    3.6E13L},  // 5
    {"eV",       "electron volts",                    1.60219E-12L},  // 6
    {"ft-pdl",   "foot poundals",                     421401.1L},  // 7
    {"ft-lbf",   "foot pounds force",                 1.355818E7L},  // 8
    {"ft-kip",   "foot kilopounds",                   1.355818E10L},  // 9
    {"cal",      "calories",                          4.1902E7L},  // 10
    {"Btu",      "British thermal unit",              1.05587E10L},  // 11
    {"kcal",     "kilocalories",                      4.1902E10L},  // 12
    {"therm",    "therms, U.S.",                      1.054804E15L},  // 13
    {"ton",      "nuclear equivalent TNT",            4.184E16L},  // 14
    {"megaton",  "1000000 x nuclear equivalent TNT",  4.184E22L},  // 15
};

// 17. Power: 21 units, default at position 2
constexpr BuiltInUnit Power[] = {
    {"erg/s",       "ergs/second, therm",          1.0L},  // 0
    {"J/s",         "joules/sec",                  1E7L},  // 1
    {"W",           "watts",                       1E7L},  // 2
    {"kW",          "kilowatts",                   1E10L},  // 3
    {"ft-lbf/hr",   "foot pounds/hour",            3766.160833333333333L},  // 4
    {"ft-lbf/min",  "foot pounds/minute",          225969.65L},  // 5
    {"ft-lbf/s",    "foot pounds/second",          1.3558179E7L},  // 6
    {"Btu/hr",      "BTU/hour, therm",             2928751.0L},  // 7
    {"Btu/min",     "BTU/minute, therm",           1.75725E8L},  // 8
    {"Btu/s",       "BTU/second, therm",           1.05435E10L},  // 9
    {"cal/min",     "calories/minute, therm",      697333.3L},  // 10
    {"cal/s",       "calories/second, therm",      4.184E7L},  // 11
    {"kcal/min",    "kilocalories/minute, therm",  6.973333E8L},  // 12
    {"kcal/s",      "kilocalories/second, therm",  4.184E10L},  // 13
    {"t",           "tons, refrigeration",         3.517E10L},  // 14
    {"hp",          "horsepower, metric",          7.35499E9L},  // 15
    {"hp US",       "horsepower, 550 ft-lb/s",     7.456999E9L},  // 16
    {"hp UK",       "horsepower, U.K.",            7.457E9L},  // 17
    {"hp elec",     "horsepower, electric",        7.46E9L},  // 18
    {"hp water",    "horsepower, water",           7.46043E9L},  // 19
    {"hp boil",     "horsepower, boiler",          9.8095E10L},  // 20
};

// 18. Unit Weight & Mass Density: 6 units, default at position 2
constexpr BuiltInUnit UnitWeightMassDensity[] = {
    {"kgf/m\xB3",     "kilograms/meter\xB3",    1.0L},  // 0
    {"kN/m\xB3",      "kilonewtons/meter\xB3",  101.9716L},  // 1
    {"gf/cm\xB3",     "grams/centimeter\xB3",   1000.0L},  // 2
    {"tonnes/m\xB3",  "Metric Tons/meter\xB3",  1000.0L},  // 3
    {"lbf/ft\xB3",    "pounds/foot\xB3",        16.01846L},  // 4
    {"lbf/in\xB3",    "pounds/inches\xB3",      27679.9L},  // 5
};

// 19. Kinematic Viscosity (Coefficient of Consolidation): 13 units, default at position 8
constexpr BuiltInUnit KinematicViscosityCoefficientOfConsolidation[] = {
    {"cstoke",      "centistokes",             1.0L},  // 0
    {"stoke",       "stokes",                  100.0L},  // 1
    {"cm\xB2/hr",   "centimeters\xB2/hour",    0.02777777777777777778L},  // 2
    {"cm\xB2/min",  "centimeters\xB2/minute",  1.6666666666666666666L},  // 3
    {"cm\xB2/s",    "centimeters\xB2/second",  100.0L},  // 4
    {"m\xB2/day",   "meters\xB2/day",          11.574074074074074074L},  // 5
    {"m\xB2/hr",    "meters\xB2/hour",         277.7777777777777778L},  // 6
    {"m\xB2/min",   "meters\xB2/minute",       16666.66666666666667L},  // 7
    {"m\xB2/s",     "meters\xB2/second",       1000000.0L},  // 8
    {"ft\xB2/day",  "feet\xB2/day",            1.0752666666666666666L},  // 9
    {"ft\xB2/hr",   "feet\xB2/hour",           25.8064L},  // 10
    {"ft\xB2/min",  "feet\xB2/minute",         1548.384L},  // 11
    {"ft\xB2/s",    "feet\xB2/second",         92903.04L},  // 12
};

// 20. Moments of Inertia: 4 units, default at position 1
constexpr BuiltInUnit MomentsOfInertia[] = {
    {"cm^4",  "centimeters^4",  1.0L},  // 0
    {"m^4",   "meters^4",       1E8L},  // 1
    {"in^4",  "inches^4",       41.6231L},  // 2
    {"ft^4",  "feet^4",         863097.0L},  // 3
};

// 21. Angular Velocity: 7 units, default at position 0
constexpr BuiltInUnit AngularVelocity[] = {
    {"rad/s",    "radians/second",      1.0L},  // 0
    {"deg/hr",   "degrees/hour",        4.84813681E-6L},  // 1
    {"deg/min",  "degrees/minute",      2.9088209E-4L},  // 2
    {"deg/s",    "degrees/second",      0.0174532925L},  // 3
    {"rph",      "revolutions/hour",    0.00174532925L},  // 4
    {"rpm",      "revolutions/minute",  0.104719755L},  // 5
    {"rps",      "revolutions/second",  6.28318531L},  // 6
};

// 22. Angular Acceleration: 4 units, default at position 0
constexpr BuiltInUnit AngularAcceleration[] = {
    {"rad/s\xB2",    "radians/second\xB2",         1.0L},  // 0
    {"rev/min\xB2",  "revolutions/minute\xB2",     0.00174532925L},  // 1
    {"rev/min-s",    "revolutions/minute second",  0.104719755L},  // 2
    {"rev/s\xB2",    "revolutions/second\xB2",     6.28318531L},  // 3
};

// 23. Capacitance: 7 units, default at position 3
constexpr BuiltInUnit Capacitance[] = {
    {"pF",        "picofarads",                            1.0L},  // 0
    {"sF",        "statfarads",                            1.11265L},  // 1
    {"\xB5" "F",  "microfarads",                           1000000.0L},  // 2
    {"F",         "farads",                                1E12L},  // 3
    {"aF",        "abafarads",                             1E21L},  // 4
    {"ESU",       "electrostatic units of capacitance",    1.11265L},  // 5
    {"EMU",       "electromagnetic units of capacitance",  1E21L},  // 6
};

// 24. Charge: 7 units, default at position 1
constexpr BuiltInUnit Charge[] = {
    {"sC",            "statcoulombs",         1.0L},  // 0
    {"C",             "coulombs",             2.9979254356E9L},  // 1
    {"aC",            "abacoulombs",          2.9979254356E10L},  // 2
    {"A-hr",          "ampere hours",         1.07925315682E13L},  // 3
    {"faraday",       "faradays, carbon 12",  2.89260831506E14L},  // 4
    {"faraday chem",  "faradays, chemical",   2.89286913455E14L},  // 5
    {"faraday phys",  "faradays, physical",   2.89365459103E14L},  // 6
};

// 25. Current: 8 units, default at position 3
constexpr BuiltInUnit Current[] = {
    {"sA",        "statamperes",                       1.0L},  // 0
    {"\xB5" "A",  "microamperes",                      2997.9254356L},  // 1
    {"mA",        "milliamperes",                      2997925.4356L},  // 2
    {"A",         "amperes",                           2.9979254356E9L},  // 3
    {"aA",        "abamperes",                         2.9979254356E10L},  // 4
    {"ESU",       "electrostatic units of current",    0.999988008298L},  // 5
    {"EMU",       "electromagnetic units of current",  2.9979254356E10L},  // 6
    {"gil",       "gilberts",                          2.38567321413E9L},  // 7
};

// 26. Dynamic Viscosity: 15 units, default at position 6
constexpr BuiltInUnit DynamicViscosity[] = {
    {"cp",             "centipoises",                        1.0L},  // 0
    {"poise",          "poises",                             100.0L},  // 1
    {"Pa-s",           "pascal seconds",                     1000.0L},  // 2
    {"kg/m-hr",        "kilograms/meter hour",               0.278L},  // 3
    {"gm/cm-s",        "grams/centimeter second",            100.0L},  // 4
    {"dyne-s/cm\xB2",  "dynes seconds/centimeter\xB2",       100.0L},  // 5
    {"N-s/m\xB2",      "newton seconds/meter\xB2",           1000.0L},  // 6
    {"gmf-s/cm\xB2",   "gram force seconds/centimeter\xB2",  98039.21L},  // 7
    {"lb/ft-hr",       "pounds/foot hour",                   0.413L},  // 8
    {"lb/ft-s",        "pounds/foot-second",                 1488.164L},  // 9
    {"lb/in-s",        "pounds/inch second",                 17857.14L},  // 10
    {"slug/ft-s",      "slugs/foot second",                  47880.26L},  // 11
    {"pdl-s/ft\xB2",   "poundal seconds/foot\xB2",           1488.164L},  // 12
    {"lbf-s/ft\xB2",   "pound force seconds/foot\xB2",       47880.26L},  // 13
    {"lbf-s/in\xB2",   "pound force seconds/inch\xB2",       6894757.0L},  // 14
};

// 27. Illuminance: 4 units, default at position 0
constexpr BuiltInUnit Illuminance[] = {
    {"lx",         "lux",               1.0L},  // 0
    {"lm/m\xB2",   "lumens/meter\xB2",  1.0L},  // 1
    {"lm/ft\xB2",  "lumens/foot\xB2",   10.76391L},  // 2
    {"fc",         "foot candles",      10.76391L},  // 3
};

// 28. Inductance: 7 units, default at position 3
constexpr BuiltInUnit Inductance[] = {
    {"aH",     "abhenry",                              1.0L},  // 0
    {"\xB5H",  "microhenry",                           1000.0L},  // 1
    {"mH",     "millihenry",                           1000000.0L},  // 2
    {"H",      "henry",                                1E9L},  // 3
    {"sH",     "stathenry",                            8.987554E20L},  // 4
    {"EMU",    "electromagnetic units of inductance",  1.0L},  // 5
    {"ESU",    "electrostatic units of inductance",    8.987554E20L},  // 6
};

// 29. Luminance: 4 units, default at position 0
constexpr BuiltInUnit Luminance[] = {
    {"cd/m\xB2",     "candelas/meter\xB2",  1.0L},  // 0
    {"cd/in\xB2",    "candelas/inch\xB2",   1550.003L},  // 1
    {"footlambert",  "footlamberts",        3.426259L},  // 2
    {"lambert",      "lamberts",            3183.099L},  // 3
};

// 30. Magnetic Flux: 3 units, default at position 0
constexpr BuiltInUnit MagneticFlux[] = {
    {"Mx",         "maxwells",    1.0L},  // 0
    {"Wb",         "webers",      1E8L},  // 1
    {"unit pole",  "unit poles",  12.56637L},  // 2
};

// 31. Specific Heat: 10 units, default at position 0
constexpr BuiltInUnit SpecificHeat[] = {
    {"J/kg\xB0" "C",      "joules/kilogram degrees Celcius",          1.0L},  // 0
    {"J/kg\xB0K",         "joules/kilogram degrees Kelvin",           1.0L},  // 1
    {"J/g\xB0" "C",       "joules/gram degrees Celcius",              1000.0L},  // 2
    {"J/g\xB0K",          "joules/gram degrees Kelvin",               1000.0L},  // 3
    {"cal/g\xB0" "C",     "calories/gram degrees Celcius, therm",     4184.0L},  // 4
    {"cal/g\xB0K",        "calories/gram degrees Kelvin. therm",      4184.0L},  // 5
    {"kW-hr/kg\xB0" "C",  "kilowatt hours/kilogram degrees Celcius",  3600000.0L},  // 6
    {"kW-hr/kg\xB0K",     "kilowatt hours/kilogram degrees Kelvin",   3600000.0L},  // 7
    {"Btu/lb\xB0" "F",    "BTUs/pound degrees Fahrenheit, therm",     4184.0L},  // 8
    {"Btu/lb\xB0R",       "BTUs/pound degrees Rankine, therm",        4184.0L},  // 9
};

// 32. Thermal Conductivity: 12 units, default at position 0
constexpr BuiltInUnit ThermalConductivity[] = {
    {"W/m\xB0" "C",               "watts/meter degrees Celcius",                           1.0L},  // 0
    {"W/m\xB0K",                  "watts/meter degrees Kelvin",                            1.0L},  // 1
    {"W/cm\xB0" "C",              "watts/centimeter degrees Celcius",                      100.0L},  // 2
    {"W/cm\xB0K",                 "watts/centimeter degrees Kelvin",                       100.0L},  // 3
    {"cal/cm-s\xB0" "C",          "calories/centimeter second degrees Celcius, therm",     418.4L},  // 4
    {"cal/cm-s\xB0K",             "calories/centimeter second degrees Kelvin, therm",      418.4L},  // 5
    {"Btu-in/hr-ft\xB2\xB0" "F",  "BTU inches/hour foot\xB2 degrees Fahrenheit, therm",    0.1441314L},  // 6
    {"Btu-in/hr-ft\xB2\xB0R",     "BTU inches/hour foot\xB2 degrees Rankine, therm",       0.1441314L},  // 7
    {"Btu-ft/hr-ft\xB2\xB0" "F",  "BTU feet/hour foot\xB2 degrees Fahrenheit, therm",      1.729577L},  // 8
    {"Btu-ft/hr-ft\xB2\xB0R",     "BTU feet/hour foot\xB2 degrees Rankine, therm",         1.729577L},  // 9
    {"Btu-in/s-ft\xB2\xB0" "F",   "BTU inches/second foot\xB2 degrees Fahrenheit, therm",  518.8732L},  // 10
    {"Btu-in/s-ft\xB2\xB0R",      "BTU inches/second foot\xB2 degrees Rankine, therm",     518.8732L},  // 11
};

// 33. Voltage: 8 units, default at position 4
constexpr BuiltInUnit Voltage[] = {
    {"pV",     "picovolts",                                    1.0L},  // 0
    {"abV",    "abvolts",                                      10000.0L},  // 1
    {"\xB5V",  "microvolts",                                   1000000.0L},  // 2
    {"mV",     "millivolts",                                   1E9L},  // 3
    {"V",      "volts",                                        1E12L},  // 4
    {"sV",     "statvolts",                                    2.9979E14L},  // 5
    {"EMU",    "electromagnetic units of electric potential",  10000.0L},  // 6
    {"ESU",    "electrostatic units of electric potential",    2.9979E14L},  // 7
};

// 34. Flexural Rigidity (Bending Sitffness): 7 units, default at position 2
constexpr BuiltInUnit FlexuralRigidityBendingSitffness[] = {
    {"kgf-cm\xB2",  "kilogram force centimeters\xB2",  1.0L},  // 0
    {"kgf-m\xB2",   "kilogram force meters\xB2",       10000.0L},  // 1
    {"kN-m\xB2",    "kilonewton meters\xB2",           1019716.213L},  // 2
    {"lbf-in\xB2",  "pound force inches\xB2",          2.926396787404465337L},  // 3
    {"lbf-ft\xB2",  "pound force feet\xB2",            421.4011373862430086L},  // 4
    {"kip-in\xB2",  "kilopound force inches\xB2",      2926.396787404465337L},  // 5
    {"kip-ft\xB2",  "kilopound force feet\xB2",        421401.1373862430086L},  // 6
};

// 36. Computer Bits: 10 units, default at position 5
constexpr BuiltInUnit ComputerBits[] = {
    {"b",   "bits",       1.0L},  // 0
    {"Kb",  "kilobits",   1024.0L},  // 1
    {"Mb",  "megabits",   1048576.0L},  // 2
    {"Gb",  "gigabits",   1.073741824E9L},  // 3
    {"Tb",  "terabits",   1.099511627776E12L},  // 4
    {"B",   "bytes",      8.0L},  // 5
    {"KB",  "kilobytes",  8192.0L},  // 6
    {"MB",  "megabytes",  8388608.0L},  // 7
    {"GB",  "gigabytes",  8.589934592E9L},  // 8
    {"TB",  "terabytes",  8.796093022208E12L},  // 9
};

// clang-format on

// Currency has no table: its units come from the rates file.
constexpr BuiltInCategory Table[] = {
    {"Length", Length, 6},
    {"Area", Area, 2},
    {"Volume", Volume, 7},
    {"Time", Time, 2},
    {"Velocity (Speed)", VelocitySpeed, 6},
    {"Acceleration", Acceleration, 1},
    {"Mass", Mass, 4},
    {"Force (Weight)", ForceWeight, 1},
    {"Pressure (Stress)", PressureStress, 1},
    {"Density", Density, 1},
    {"Subgrade Modulus", SubgradeModulus, 1},
    {"Temperature", Temperature, 0},
    {"Metric Prefixes", MetricPrefixes, 8},
    {"Angle", Angle, 0},
    {"Torque (Moment)", TorqueMoment, 0},
    {"Energy (Work)", EnergyWork, 1},
    {"Power", Power, 2},
    {"Unit Weight & Mass Density", UnitWeightMassDensity, 2},
    {"Kinematic Viscosity (Coefficient of Consolidation)", KinematicViscosityCoefficientOfConsolidation, 8},
    {"Moments of Inertia", MomentsOfInertia, 1},
    {"Angular Velocity", AngularVelocity, 0},
    {"Angular Acceleration", AngularAcceleration, 0},
    {"Capacitance", Capacitance, 3},
    {"Charge", Charge, 1},
    {"Current", Current, 3},
    {"Dynamic Viscosity", DynamicViscosity, 6},
    {"Illuminance", Illuminance, 0},
    {"Inductance", Inductance, 3},
    {"Luminance", Luminance, 0},
    {"Magnetic Flux", MagneticFlux, 0},
    {"Specific Heat", SpecificHeat, 0},
    {"Thermal Conductivity", ThermalConductivity, 0},
    {"Voltage", Voltage, 4},
    {"Flexural Rigidity (Bending Sitffness)", FlexuralRigidityBendingSitffness, 2},
    {CurrencyCategoryName, {}, 0},
    {"Computer Bits", ComputerBits, 5},
};

static_assert(std::size(Table) == BuiltInCategoryCount);

}  // namespace

std::span<const BuiltInCategory> BuiltInCategoryTable()
{
    return Table;
}

}  // namespace qv
