#include "cli/Commands.h"

#include "catalogue/Cp1252.h"
#include "cli/Batch.h"
#include "cli/CliErrors.h"
#include "cli/RatesUpdate.h"
#include "cli/UnitSource.h"
#include "expr/NumberText.h"

#include <clocale>
#include <span>

namespace qv::cli {
namespace {

// The user's decimal separator as one Windows-1252 byte; '.' when it has none.
char LocaleSeparator()
{
    std::setlocale(LC_NUMERIC, "");
    const std::string point = Utf8ToCp1252(std::localeconv()->decimal_point);
    // Number text is written and read by the C library: keep it in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    return point.size() == 1 && point[0] != '?' ? point[0] : '.';
}

void CheckArguments(const CliOptions& o)
{
    if (o.BuiltIn && !o.Package.empty()) throw ECliError(ExitUsage, msg::ExclusiveSources);
    if (o.Batch && !o.Args.empty()) throw ECliError(ExitUsage, msg::BatchTakesNoArguments);
    if (o.Batch && o.Format()) throw ECliError(ExitUsage, msg::BatchHasNoFormat);
    if (o.List && o.Args.size() > 1) throw ECliError(ExitUsage, msg::ListTakesOneCategory);
    if (!o.List && !o.Batch && o.Args.size() < 2) throw ECliError(ExitUsage, msg::NeedValueAndUnit);
}

SourceKind ChosenSource(const CliOptions& o)
{
    if (!o.Package.empty()) return SourceKind::PackageFile;
    return o.BuiltIn ? SourceKind::BuiltIn : SourceKind::DataFolder;
}

std::int32_t CategoryPosition(const UnitLookup& lookup, const std::string& name)
{
    const std::int32_t position = lookup.FindCategory(Utf8ToCp1252(name));
    if (position < 0) throw ECliError(ExitUnit, FormatMessage(msg::UnknownCategory, name));
    return position;
}

void ListCategories(const TCategories& catalogue, std::optional<OutputFormat> format, std::string& out)
{
    Table table({"category", "units"});
    for (std::int32_t c = 0; c < catalogue.CategoryCount(); ++c) {
        const TCategory& category = catalogue.CategoryAt(c);
        // A terminal gets the names alone, ready for the next command.
        if (format.value_or(OutputFormat::Table) == OutputFormat::Table)
            table.AddRow({category.Name});
        else
            table.AddRow({category.Name, std::to_string(category.UnitCount())});
    }
    table.WriteTo(out, format.value_or(OutputFormat::Table));
}

void ListUnits(const TCategory& category, std::optional<OutputFormat> format, std::string& out)
{
    Table table({"symbol", "definition", "factor", "status"});
    for (std::int32_t u = 0; u < category.UnitCount(); ++u) {
        const TUnit& unit = category.UnitAt(u);
        std::string status = u == category.DefaultIndex ? "default" : "";
        if (unit.Hidden) status += status.empty() ? "hidden" : ", hidden";
        table.AddRow({unit.Symbol, unit.Definition, NumberText(unit.Factor), status});
    }
    table.WriteTo(out, format.value_or(OutputFormat::Table));
}

// Evaluation and arithmetic faults end the run with their own status.
template <typename Work>
auto Evaluating(Work work)
{
    try {
        return work();
    } catch (const ECliError&) {
        throw;
    } catch (const EQuantovaError& e) {
        throw ECliError(ExitEvaluation, e.what());
    }
}

void Convert(const CliOptions& o, Converter& converter, std::int32_t filter, std::string& out)
{
    const std::string from = Utf8ToCp1252(o.Args[1]);
    std::vector<std::string> targets;
    for (std::size_t i = 2; i < o.Args.size(); ++i) targets.push_back(Utf8ToCp1252(o.Args[i]));
    const Resolution units = converter.Lookup().Resolve(from, targets, filter);
    const TCategory& category = converter.Catalogue().CategoryAt(units.Category);
    const Extended value = Evaluating([&] { return ReadValue(Utf8ToCp1252(o.Args[0])); });

    Table table({"symbol", "definition", "value"});
    std::string values;
    const auto add = [&](std::int32_t unit) {
        const std::string text = Evaluating([&] { return converter.Text(converter.Convert(units.Category, units.From, value, unit)); });
        table.AddRow({category.UnitAt(unit).Symbol, category.UnitAt(unit).Definition, text});
        values += Cp1252ToUtf8(text) + '\n';
    };
    if (units.To.empty()) {
        for (std::int32_t u = 0; u < category.UnitCount(); ++u)
            if (!category.UnitAt(u).Hidden) add(u);
    } else {
        for (std::int32_t unit : units.To) add(unit);
    }
    // Named targets give their values alone, one a line, unless a format is asked for.
    if (!units.To.empty() && !o.Format())
        out += values;
    else
        table.WriteTo(out, o.Format().value_or(OutputFormat::Table));
}

int Dispatch(const CliOptions& o, std::FILE* in, std::FILE* out, std::FILE* err)
{
    if (o.UpdateRates) return UpdateRates(o, out, err);
    CheckArguments(o);
    if (o.Locale) SetDecimalSeparator(LocaleSeparator());

    UnitSource source = LoadUnits(ChosenSource(o), o.Package, DataFolderFor(ExecutableFolder()));
    for (const std::string& notice : source.Notices)
        std::fprintf(err, "%s: %s\n", msg::ProgramName, TerminalMessage(notice).c_str());

    Converter converter(source.Catalogue, o.Style);
    std::string results;
    if (o.List) {
        if (o.Args.empty())
            ListCategories(source.Catalogue, o.Format(), results);
        else
            ListUnits(source.Catalogue.CategoryAt(CategoryPosition(converter.Lookup(), o.Args[0])), o.Format(), results);
    } else {
        const std::int32_t filter = o.Category.empty() ? -1 : CategoryPosition(converter.Lookup(), o.Category);
        if (o.Batch) return RunBatch(converter, filter, in, out, err);
        Convert(o, converter, filter, results);
    }
    std::fwrite(results.data(), 1, results.size(), out);
    return ExitOk;
}

}  // namespace

int Run(const CliOptions& options, std::FILE* in, std::FILE* out, std::FILE* err)
{
    try {
        return Dispatch(options, in, out, err);
    } catch (const ECliError& e) {
        std::fprintf(err, "%s: %s\n", msg::ProgramName, TerminalMessage(e.what()).c_str());
        return e.Status();
    } catch (const std::exception& e) {
        std::fprintf(err, "%s: %s\n", msg::ProgramName, TerminalMessage(e.what()).c_str());
        return ExitData;
    }
}

}  // namespace qv::cli
