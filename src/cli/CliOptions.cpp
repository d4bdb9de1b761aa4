// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include "ProgramInfo.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace qv::cli {
namespace {

constexpr const char* Description =
    "Convert a value between units of measure with Quantova's categories and units, exactly as the "
    "Quantova window does (80-bit extended precision).";

constexpr const char* Footer = R"(The units come from the package the window would load: its data folder is the
program's folder when that is writable and not an installed copy (under a
prefix such as /usr), else $XDG_DATA_HOME/Quantova (or
~/.local/share/Quantova). --package reads any .qv file and --builtin the 36
built-in categories; Currency then uses Currency.txt of the data folder, or the
default rates when there is none. quantova-cli writes no file but Currency.txt,
when asked to --update-rates.

A unit is found by its symbol ("ft"), by a common spelling ("foot", "km/h",
"degC", "lbs", "m2", "um" for µm), or by its definition ("feet", "miles"). A
symbol in another letter case ("KM") is taken only when it can mean nothing
else and the case change cannot turn a prefix into another ("Mg" is not "mg").
FROM and TO are read together: "350 F C" is a temperature, since F and C are
units of one category only there. Where the units could be of several
categories, quantova-cli names the candidates and converts nothing; choose
with --category. An unknown unit is answered with the closest spellings. VALUE is any entry of the window's value
field: '12*2.54', 'sqrt2', '5!', '$ff', 'pi/4'. Numbers use '.' as the decimal
separator unless --locale is given. A value that begins with '-' and a letter
goes after '--'.

In --batch mode each line of standard input is "VALUE FROM TO", separated by
blanks (a unit whose symbol has a blank is found too) or by tabs; a line that
begins with '#' is a comment. Each result is written on its own line as soon
as no further input is waiting, so a co-process gets each answer at once; a
line that fails or is a comment leaves its line empty, and the error goes to
standard error with the line number. With --format each converted line is a
record of value, from, to, result and error. A line over 1 MiB is refused.


--update-rates fetches the European Central Bank's reference rates of the
latest working day, then FloatRates' daily rates for the currencies the bank
does not publish (or reads them from each URL or FILE, an earlier one winning
for a currency), and merges them into Currency.txt of the data folder; each
rate it sets carries its day and source. A source that fails is named and the
others' rates are still written; when every source fails the file is left
unchanged. Install Currency again in the window to use them.

Examples:
  quantova-cli 12*2.54 in ft                        2.54
  quantova-cli 100 Celsius Fahrenheit K              212 and 373.15
  quantova-cli 350 F C                               176.667
  quantova-cli 60 mph km/h                           96.5606
  quantova-cli 1 mi                                  1 mile in every unit of Length
  quantova-cli --list velocity                       the units of Velocity (Speed)
  quantova-cli -l Currency -f csv                    the currencies and their rates
  quantova-cli --update-rates                        the rates of today
  printf '1 in cm\n3 ft m\n' | quantova-cli --batch   2.54 and 0.9144

Exit statuses, files and the environment: man quantova-cli.)";

}  // namespace

std::optional<OutputFormat> CliOptions::Format() const
{
    if (FormatName == "table") return OutputFormat::Table;
    if (FormatName == "tsv") return OutputFormat::Tsv;
    if (FormatName == "csv") return OutputFormat::Csv;
    if (FormatName == "json") return OutputFormat::Json;
    return std::nullopt;
}

namespace {

// The ways to call the program, one a line, as help2man reads a synopsis.
class SynopsisFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override
    {
        return "Usage: quantova-cli [OPTION]... VALUE FROM [TO]...\n"
               "  or:  quantova-cli [OPTION]... --list [CATEGORY]\n"
               "  or:  quantova-cli [OPTION]... --batch < CONVERSIONS\n"
               "  or:  quantova-cli --update-rates [URL|FILE]\n";
    }
};

}  // namespace

bool CliOptions::WasGiven(const char* name) const
{
    return std::find(Given.begin(), Given.end(), name) != Given.end();
}

void AddOptions(CLI::App& app, CliOptions& options)
{
    // A repeated option takes its last value, as in most programs.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.description(Description);
    app.footer(Footer);
    app.set_version_flag("--version", std::string("quantova-cli ") + ProgramVersion);

    app.add_option("args", options.Args,
                   "Convert VALUE from unit FROM to each TO; with no TO, into every visible "
                   "unit of the category. With --list: a category name.")
        ->option_text("VALUE FROM [TO...]");
    app.formatter(std::make_shared<SynopsisFormatter>());
    app.get_formatter()->column_width(34);
    app.add_option("-p,--precision", options.Style.Precision, "Significant digits, 2 to 18 (default 6)")
        ->check(CLI::Range(2, 18))
        ->option_text("N");
    app.add_flag("-s,--scientific", options.Style.Scientific, "Scientific notation ('1.23450e+3')");
    app.add_option("-f,--format", options.FormatName,
                   "Output as table, tsv, csv or json (with --batch: records of value, from, to, result, error)")
        ->transform(CLI::IsMember({"table", "tsv", "csv", "json"}, CLI::ignore_case))
        ->option_text("table|tsv|csv|json");
    app.add_flag("-l,--list", options.List, "List the categories, or with a category name its units and factors");
    app.add_flag("-b,--batch", options.Batch, "Read conversions from standard input, one per line");
    app.add_option("-c,--category", options.Category, "The category of the units, when several hold them")
        ->option_text("NAME");
    app.add_option("--package", options.Package, "Take the units from this package file (.qv)")->option_text("FILE");
    app.add_flag("--builtin", options.BuiltIn, "Take the units from the 36 built-in categories");
    app.add_flag("--locale", options.Locale, "Read and write numbers with the user's decimal separator");
    app.add_flag("-q,--quiet", options.Quiet, "Say nothing on standard error when no package is found");
    app.add_flag("--complete-units", options.CompleteUnits)->group("");
    CLI::Option* rates = app.add_option("--update-rates", options.RatesSources,
                                        "Update Currency.txt from the default sources, or from each URL or FILE")
                             ->expected(0, -1)
                             ->option_text("[URL|FILE...]");
    app.callback([&app, &options, rates] {
        options.UpdateRates = rates->count() > 0;
        for (const CLI::Option* option : app.get_options())
            if (option->count() > 0 && !option->get_lnames().empty())
                options.Given.push_back(option->get_lnames().front());
    });
}

}  // namespace qv::cli
