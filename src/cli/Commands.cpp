// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "catalogue/Cp1252.h"
#include "cli/Batch.h"
#include "cli/CliErrors.h"
#include "cli/RatesUpdate.h"
#include "cli/UnitSource.h"
#include "expr/NumberText.h"

#include <algorithm>
#include <clocale>
#include <initializer_list>
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

// Refuses the options of `names` that were given, as not applying to `what`.
void Refuse(const CliOptions& o, std::initializer_list<const char*> names, const char* what)
{
    for (const char* name : names)
        if (o.WasGiven(name))
            throw ECliError(ExitUsage, FormatMessage(msg::DoesNotApply, std::string("--") + name, what));
}

void CheckArguments(const CliOptions& o)
{
    if (o.UpdateRates) {
        Refuse(o, {"precision", "scientific", "format", "category", "locale"}, "--update-rates");
        return;
    }
    if (o.BuiltIn && !o.Package.empty()) throw ECliError(ExitUsage, msg::ExclusiveSources);
    if (o.CompleteUnits) return;
    if (o.List) {
        Refuse(o, {"batch", "precision", "scientific", "category"}, "--list");
        if (o.Args.size() > 1) throw ECliError(ExitUsage, msg::ListTakesOneCategory);
    } else if (o.Batch) {
        if (!o.Args.empty()) throw ECliError(ExitUsage, msg::BatchTakesNoArguments);
        if (o.Format() == OutputFormat::Table) throw ECliError(ExitUsage, msg::BatchHasNoTable);
    } else if (o.Args.size() < 2) {
        throw ECliError(ExitUsage, msg::NeedValueAndUnit);
    }
}

// The symbols of every unit, once each, for shell completion.
void ListSymbols(const TCategories& catalogue, std::string& out)
{
    std::vector<std::string> symbols;
    for (std::int32_t c = 0; c < catalogue.CategoryCount(); ++c)
        for (std::int32_t u = 0; u < catalogue.CategoryAt(c).UnitCount(); ++u)
            symbols.push_back(catalogue.CategoryAt(c).UnitAt(u).Symbol);
    std::sort(symbols.begin(), symbols.end());
    symbols.erase(std::unique(symbols.begin(), symbols.end()), symbols.end());
    for (const std::string& symbol : symbols) out += Printable(Cp1252ToUtf8(symbol)) + '\n';
}

SourceKind ChosenSource(const CliOptions& o)
{
    if (!o.Package.empty()) return SourceKind::PackageFile;
    return o.BuiltIn ? SourceKind::BuiltIn : SourceKind::DataFolder;
}

std::int32_t CategoryPosition(const UnitLookup& lookup, const std::string& name)
{
    return lookup.Category(Utf8ToCp1252(name));
}

void ListCategories(const TCategories& catalogue, std::optional<OutputFormat> format, std::string& out)
{
    Table table({"category", "units"});
    table.SetNumber(1);
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
    table.SetNumber(2);
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

// Writes the conversion. Into every unit (no target named), a unit that
// cannot be converted shows why in its row and on standard error ("zf:
// Floating point division by zero"), and the run ends with ExitEvaluation.
int Convert(const CliOptions& o, Converter& converter, std::int32_t filter, std::string& out, std::FILE* err)
{
    const std::string from = Utf8ToCp1252(o.Args[1]);
    std::vector<std::string> targets;
    for (std::size_t i = 2; i < o.Args.size(); ++i) targets.push_back(Utf8ToCp1252(o.Args[i]));
    const Resolution units = converter.Lookup().Resolve(from, targets, filter);
    const TCategory& category = converter.Catalogue().CategoryAt(units.Category);
    const Extended value = Evaluating([&] { return ReadValue(Utf8ToCp1252(o.Args[0])); });

    Table table({"symbol", "definition", "value"});
    table.SetNumber(2);
    std::string values;
    const auto add = [&](std::int32_t unit, const std::string& text) {
        table.AddRow({category.UnitAt(unit).Symbol, category.UnitAt(unit).Definition, text});
        values += Cp1252ToUtf8(text) + '\n';
    };
    int status = ExitOk;
    if (units.To.empty()) {
        for (std::int32_t u = 0; u < category.UnitCount(); ++u) {
            const TUnit& unit = category.UnitAt(u);
            if (unit.Hidden) continue;
            const TConversionCell cell = converter.Cell(units.Category, units.From, value, u);
            if (!cell.Failed()) {
                add(u, Evaluating([&] { return converter.Text(cell.Value); }));
                continue;
            }
            table.AddRow({unit.Symbol, unit.Definition, cell.Fault});
            const std::string why = FormatMessage(msg::FailedUnit, unit.Symbol) + cell.Message;
            std::fprintf(err, "%s: %s\n", msg::ProgramName, TerminalMessage(why).c_str());
            status = ExitEvaluation;
        }
    } else {
        for (std::int32_t unit : units.To)
            add(unit,
                Evaluating([&] { return converter.Text(converter.Convert(units.Category, units.From, value, unit)); }));
    }
    // Named targets give their values alone, one a line, unless a format is asked for.
    if (!units.To.empty() && !o.Format())
        out += values;
    else
        table.WriteTo(out, o.Format().value_or(OutputFormat::Table));
    return status;
}

int Dispatch(const CliOptions& o, std::FILE* in, std::FILE* out, std::FILE* err)
{
    CheckArguments(o);
    if (o.UpdateRates) return UpdateRates(o, out, err);
    if (o.Locale) SetDecimalSeparator(LocaleSeparator());

    // One conversion builds only the built-in categories its units may
    // belong to (LoadUnits).
    const std::string folder = DataFolderFor(ExecutableFolder());
    std::vector<std::string> texts;
    if (!o.CompleteUnits && !o.List && !o.Batch && o.Category.empty() && o.Args.size() >= 2)
        for (std::size_t i = 1; i < o.Args.size(); ++i) texts.push_back(Utf8ToCp1252(o.Args[i]));
    UnitSource source = LoadUnits(ChosenSource(o), o.Package, folder, texts);
    for (const std::string& notice : source.Notices)
        std::fprintf(err, "%s: %s\n", msg::ProgramName, TerminalMessage(notice).c_str());
    if (!o.Quiet)
        for (const std::string& note : source.Notes)
            std::fprintf(err, "%s: %s\n", msg::ProgramName, TerminalMessage(note).c_str());

    Converter converter(source.Catalogue, o.Style, source.Unavailable);
    std::string results;
    int status = ExitOk;
    if (o.CompleteUnits) {
        ListSymbols(source.Catalogue, results);
    } else if (o.List) {
        // Currency left out of the list is said once.
        if (o.Args.empty() && source.Unavailable && !o.Quiet)
            std::fprintf(err, "%s: %s\n", msg::ProgramName, TerminalMessage(source.Unavailable->Reason).c_str());
        if (o.Args.empty())
            ListCategories(source.Catalogue, o.Format(), results);
        else
            ListUnits(source.Catalogue.CategoryAt(CategoryPosition(converter.Lookup(), o.Args[0])), o.Format(),
                      results);
    } else {
        const std::int32_t filter = o.Category.empty() ? -1 : CategoryPosition(converter.Lookup(), o.Category);
        if (o.Batch) return RunBatch(converter, filter, o.Format(), in, out, err);
        status = Convert(o, converter, filter, results, err);
    }
    std::fwrite(results.data(), 1, results.size(), out);
    return status;
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
        std::fprintf(err, "%s: %s\n", msg::ProgramName, TerminalMessage(e).c_str());
        return ExitData;
    }
}

}  // namespace qv::cli
