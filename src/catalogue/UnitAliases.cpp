// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitAliases.h"

namespace qv {
namespace {

// Where the spellings come from: the unit symbols of the SI brochure and of
// NIST's guide to the SI (SP 811) where they differ from the built-in
// symbols (°C, L, h, kW·h written kWh), the plain English names and their
// British spellings, and the abbreviations of US customary use (lbs, gal,
// fl oz, mph, kts, psi, cu ft, sq ft). Windows-1252: \xB0 is °, \xB5 is µ,
// \xB2 is ², \xB3 is ³, \x80 is €, \xA3 is £, \xA5 is ¥, \xC5 is Å. Before a
// letter that is also a hexadecimal digit the degree sign is written in
// octal, \260, which cannot run on into the letter.
constexpr UnitAlias Aliases[] = {
    // Temperature: the built-in symbols carry the degree sign after the letter.
    {"C", "Temperature", "C\xB0"},
    {"degC", "Temperature", "C\xB0"},
    {"\260C", "Temperature", "C\xB0"},
    {"celsius", "Temperature", "C\xB0"},
    {"centigrade", "Temperature", "C\xB0"},
    {"F", "Temperature", "F\xB0"},
    {"degF", "Temperature", "F\xB0"},
    {"\260F", "Temperature", "F\xB0"},
    {"fahrenheit", "Temperature", "F\xB0"},
    {"degK", "Temperature", "K"},
    {"\260K", "Temperature", "K"},
    {"kelvin", "Temperature", "K"},
    {"kelvins", "Temperature", "K"},
    {"R", "Temperature", "R\xB0"},
    {"degR", "Temperature", "R\xB0"},
    {"\260R", "Temperature", "R\xB0"},
    {"rankine", "Temperature", "R\xB0"},

    // Length
    {"meter", "Length", "m"},
    {"metre", "Length", "m"},
    {"metres", "Length", "m"},
    {"millimetre", "Length", "mm"},
    {"millimetres", "Length", "mm"},
    {"centimetre", "Length", "cm"},
    {"centimetres", "Length", "cm"},
    {"kilometre", "Length", "km"},
    {"kilometres", "Length", "km"},
    {"um", "Length", "\xB5"},
    {"\xB5m", "Length", "\xB5"},
    {"micron", "Length", "\xB5"},
    {"micrometer", "Length", "\xB5"},
    {"micrometre", "Length", "\xB5"},
    {"\xC5", "Length", "A"},
    {"angstrom", "Length", "A"},
    {"thou", "Length", "mil"},
    {"inch", "Length", "in"},
    {"inches", "Length", "in"},
    {"\"", "Length", "in"},
    {"foot", "Length", "ft"},
    {"feet", "Length", "ft"},
    {"'", "Length", "ft"},
    {"yard", "Length", "yd"},
    {"yards", "Length", "yd"},
    {"fathom", "Length", "f"},
    {"ftm", "Length", "f"},
    {"mile", "Length", "mi"},
    {"miles", "Length", "mi"},
    {"NM", "Length", "nmi"},
    {"AU", "Length", "au"},
    {"ly", "Length", "light yr"},
    {"lightyear", "Length", "light yr"},
    {"pc", "Length", "parsec"},

    // Area
    {"sq cm", "Area", "cm\xB2"},
    {"sq m", "Area", "m\xB2"},
    {"sqm", "Area", "m\xB2"},
    {"sq km", "Area", "km\xB2"},
    {"sq in", "Area", "in\xB2"},
    {"sq ft", "Area", "ft\xB2"},
    {"sqft", "Area", "ft\xB2"},
    {"sq yd", "Area", "yd\xB2"},
    {"sq mi", "Area", "mi\xB2"},
    {"acre", "Area", "a"},
    {"acres", "Area", "a"},
    {"ac", "Area", "a"},
    {"hectare", "Area", "ha"},
    {"hectares", "Area", "ha"},

    // Volume
    {"L", "Volume", "l"},
    {"litre", "Volume", "l"},
    {"litres", "Volume", "l"},
    {"liter", "Volume", "l"},
    {"liters", "Volume", "l"},
    {"mL", "Volume", "ml"},
    {"cL", "Volume", "cl"},
    {"\xB5L", "Volume", "\xB5l"},
    {"uL", "Volume", "\xB5l"},
    {"cm3", "Volume", "cc"},
    {"cm^3", "Volume", "cc"},
    {"cm\xB3", "Volume", "cc"},
    {"cu cm", "Volume", "cc"},
    {"cu m", "Volume", "m\xB3"},
    {"cu in", "Volume", "in\xB3"},
    {"cu ft", "Volume", "ft\xB3"},
    {"cu yd", "Volume", "yd\xB3"},
    {"gallon", "Volume", "gal"},
    {"gallons", "Volume", "gal"},
    {"fl oz", "Volume", "oz"},
    {"floz", "Volume", "oz"},
    {"pint", "Volume", "pt"},
    {"quart", "Volume", "qt"},
    {"cup", "Volume", "c"},
    {"cups", "Volume", "c"},
    {"tablespoon", "Volume", "tbsp"},
    {"teaspoon", "Volume", "tsp"},
    {"barrel", "Volume", "bbl"},

    // Time
    {"sec", "Time", "s"},
    {"secs", "Time", "s"},
    {"second", "Time", "s"},
    {"seconds", "Time", "s"},
    {"minute", "Time", "min"},
    {"minutes", "Time", "min"},
    {"mins", "Time", "min"},
    {"h", "Time", "hr"},
    {"hrs", "Time", "hr"},
    {"hour", "Time", "hr"},
    {"hours", "Time", "hr"},
    {"d", "Time", "day"},
    {"wk", "Time", "week"},
    {"y", "Time", "yr"},
    {"year", "Time", "yr"},
    {"years", "Time", "yr"},

    // Velocity (Speed)
    {"km/h", "Velocity (Speed)", "kph"},
    {"km/hr", "Velocity (Speed)", "kph"},
    {"kmh", "Velocity (Speed)", "kph"},
    {"kmph", "Velocity (Speed)", "kph"},
    {"m/h", "Velocity (Speed)", "m/hr"},
    {"m/sec", "Velocity (Speed)", "m/s"},
    {"mi/h", "Velocity (Speed)", "mph"},
    {"mi/hr", "Velocity (Speed)", "mph"},
    {"ft/sec", "Velocity (Speed)", "ft/s"},
    {"fps", "Velocity (Speed)", "ft/s"},
    {"kn", "Velocity (Speed)", "knot"},
    {"kt", "Velocity (Speed)", "knot"},
    {"kts", "Velocity (Speed)", "knot"},
    {"knots", "Velocity (Speed)", "knot"},

    // Acceleration
    {"gn", "Acceleration", "g"},
    {"gee", "Acceleration", "g"},

    // Mass
    {"lb", "Mass", "lbm"},
    {"lbs", "Mass", "lbm"},
    {"pound", "Mass", "lbm"},
    {"pounds", "Mass", "lbm"},
    {"kilogram", "Mass", "kg"},
    {"kilograms", "Mass", "kg"},
    {"kilo", "Mass", "kg"},
    {"kilos", "Mass", "kg"},
    {"gram", "Mass", "g"},
    {"grams", "Mass", "g"},
    {"gramme", "Mass", "g"},
    {"Mg", "Mass", "tonne"},
    {"ounce", "Mass", "oz"},
    {"ozt", "Mass", "troy oz"},
    {"carat", "Mass", "ct"},

    // Force (Weight)
    {"kp", "Force (Weight)", "kgf"},
    {"dyn", "Force (Weight)", "dyne"},

    // Pressure (Stress)
    {"hPa", "Pressure (Stress)", "mbar"},
    {"mmHg", "Pressure (Stress)", "mm Hg 0\xB0"},
    {"cmHg", "Pressure (Stress)", "cm Hg 0\xB0"},
    {"inHg", "Pressure (Stress)", "in Hg 32\xB0"},
    {"mmH2O", "Pressure (Stress)", "mm Water 4\xB0"},
    {"Torr", "Pressure (Stress)", "torr"},
    {"pascal", "Pressure (Stress)", "Pa"},
    {"pascals", "Pressure (Stress)", "Pa"},
    {"atmosphere", "Pressure (Stress)", "atm"},
    {"atmospheres", "Pressure (Stress)", "atm"},
    {"bars", "Pressure (Stress)", "bar"},

    // Angle
    {"deg", "Angle", "\xB0"},
    {"degree", "Angle", "\xB0"},
    {"degrees", "Angle", "\xB0"},
    {"arcmin", "Angle", "min"},
    {"arcsec", "Angle", "s"},
    {"grad", "Angle", "gr"},
    {"gon", "Angle", "gr"},
    {"turn", "Angle", "rev"},
    {"radian", "Angle", "rad"},

    // Energy (Work) and Power
    {"kWh", "Energy (Work)", "kW-hr"},
    {"kwh", "Energy (Work)", "kW-hr"},
    {"Wh", "Energy (Work)", "W-hr"},
    {"BTU", "Energy (Work)", "Btu"},
    {"Cal", "Energy (Work)", "kcal"},
    {"joule", "Energy (Work)", "J"},
    {"calorie", "Energy (Work)", "cal"},
    {"watt", "Power", "W"},
    {"kilowatt", "Power", "kW"},
    {"BTU/h", "Power", "Btu/hr"},
    {"Btu/h", "Power", "Btu/hr"},
    {"horsepower", "Power", "hp"},
    {"PS", "Power", "hp"},

    // Torque and energy share newton metres; a FROM or TO settles which.
    {"Nm", "Torque (Moment)", "N-m"},
    {"N*m", "Torque (Moment)", "N-m"},
    {"Nm", "Energy (Work)", "N-m"},
    {"N*m", "Energy (Work)", "N-m"},
    {"lbf*ft", "Torque (Moment)", "lbf-ft"},
    {"ft*lbf", "Energy (Work)", "ft-lbf"},

    // Angular velocity, charge, electricity
    {"rev/min", "Angular Velocity", "rpm"},
    {"RPM", "Angular Velocity", "rpm"},
    {"rev/s", "Angular Velocity", "rps"},
    {"Ah", "Charge", "A-hr"},
    {"coulomb", "Charge", "C"},
    {"farad", "Capacitance", "F"},
    {"ampere", "Current", "A"},
    {"amp", "Current", "A"},
    {"amps", "Current", "A"},
    {"volt", "Voltage", "V"},
    {"henry", "Inductance", "H"},
    {"weber", "Magnetic Flux", "Wb"},
    {"lux", "Illuminance", "lx"},
    {"cP", "Dynamic Viscosity", "cp"},
    {"St", "Kinematic Viscosity (Coefficient of Consolidation)", "stoke"},
    {"cSt", "Kinematic Viscosity (Coefficient of Consolidation)", "cstoke"},

    // Density
    {"g/cc", "Density", "g/cm\xB3"},
    {"g/ml", "Density", "g/cm\xB3"},
    {"g/mL", "Density", "g/cm\xB3"},
    {"kg/l", "Density", "g/cm\xB3"},
    {"kg/L", "Density", "g/cm\xB3"},

    // Computer Bits: the built-in kilo-, mega-, giga- and terabytes are of
    // 1024, 1024², 1024³ and 1024⁴ bytes, the binary multiples.
    {"bit", "Computer Bits", "b"},
    {"byte", "Computer Bits", "B"},
    {"bytes", "Computer Bits", "B"},
    {"kB", "Computer Bits", "KB"},
    {"KiB", "Computer Bits", "KB"},
    {"MiB", "Computer Bits", "MB"},
    {"GiB", "Computer Bits", "GB"},
    {"TiB", "Computer Bits", "TB"},
    {"kb", "Computer Bits", "Kb"},
    {"Kib", "Computer Bits", "Kb"},
    {"Mib", "Computer Bits", "Mb"},
    {"Gib", "Computer Bits", "Gb"},
    {"Tib", "Computer Bits", "Tb"},

    // Currency signs
    {"$", "Currency", "USD"},
    {"US$", "Currency", "USD"},
    {"\x80", "Currency", "EUR"},
    {"\xA3", "Currency", "GBP"},
    {"\xA5", "Currency", "JPY"},
};

}  // namespace

std::span<const UnitAlias> BuiltInAliases()
{
    return Aliases;
}

}  // namespace qv
