#include "cli/CliOptions.h"

#include "ProgramInfo.h"

#include <CLI/CLI.hpp>

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

A unit is found by its symbol, exactly, then in any letter case, then by its
definition ("feet"). The category follows from the units; --category settles a
unit that several categories hold. VALUE is any entry of the window's value
field: '12*2.54', 'sqrt2', '5!', '$ff', 'pi/4'. Numbers use '.' as the decimal
separator unless --locale is given. A value that begins with '-' and a letter
goes after '--'.

In --batch mode each line of standard input is "VALUE FROM TO", separated by
blanks (a unit whose symbol has a blank is found too) or by tabs. Each result is
written on its own line; a line that fails leaves its line empty and its error
goes to standard error with the line number.

Exit status: 0 success, 1 a --batch line failed, 2 usage error, 3 unknown,
ambiguous or mismatched unit or category, 4 the value could not be evaluated
or converted, 5 a package or rates file could not be read (or written),
6 the rates could not be fetched or used.

--update-rates fetches the European Central Bank's reference rates of the
latest working day (or reads them from URL or FILE) and merges them into
Currency.txt of the data folder, which is left unchanged when anything fails.
Install Currency again in the window to use them.

Examples:
  quantova-cli 12*2.54 in ft                        2.54
  quantova-cli 100 Celsius Fahrenheit K              212 and 373.15
  quantova-cli 1 mi                                  1 mile in every unit of Length
  quantova-cli --list Currency --format csv          the currencies and their rates
  quantova-cli --update-rates                        the rates of today
  printf '1 in cm\n3 ft m\n' | quantova-cli --batch   2.54 and 0.9144)";

}  // namespace

std::optional<OutputFormat> CliOptions::Format() const
{
    if (FormatName == "table") return OutputFormat::Table;
    if (FormatName == "tsv") return OutputFormat::Tsv;
    if (FormatName == "csv") return OutputFormat::Csv;
    if (FormatName == "json") return OutputFormat::Json;
    return std::nullopt;
}

void AddOptions(CLI::App& app, CliOptions& options)
{
    app.description(Description);
    app.footer(Footer);
    app.set_version_flag("--version", std::string("quantova-cli ") + ProgramVersion);

    app.add_option("args", options.Args, "Convert VALUE from unit FROM to each TO; with no TO, into every visible "
                                         "unit of the category. With --list: a category name.")
        ->option_text("VALUE FROM [TO...]");
    app.get_formatter()->column_width(34);
    app.add_option("--precision", options.Style.Precision, "Significant digits, 2 to 18 (default 6)")
        ->check(CLI::Range(2, 18))
        ->option_text("N");
    app.add_flag("--scientific", options.Style.Scientific, "Scientific notation ('1.23450e+3')");
    app.add_option("--format", options.FormatName, "Output as table, tsv, csv or json (rows of symbol, definition, value)")
        ->transform(CLI::IsMember({"table", "tsv", "csv", "json"}, CLI::ignore_case))
        ->option_text("table|tsv|csv|json");
    app.add_flag("--list", options.List, "List the categories, or with a category name its units and factors");
    app.add_flag("--batch", options.Batch, "Read conversions from standard input, one per line");
    app.add_option("--category", options.Category, "The category of the units, when several hold them")->option_text("NAME");
    app.add_option("--package", options.Package, "Take the units from this package file (.qv)")->option_text("FILE");
    app.add_flag("--builtin", options.BuiltIn, "Take the units from the 36 built-in categories");
    app.add_flag("--locale", options.Locale, "Read and write numbers with the user's decimal separator");
    CLI::Option* rates = app.add_option("--update-rates", options.RatesSource,
                                        "Update Currency.txt from the central bank, or from URL or FILE")
                             ->expected(0, 1)
                             ->option_text("[URL|FILE]");
    app.callback([&options, rates] { options.UpdateRates = rates->count() > 0; });
}

}  // namespace qv::cli
