// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exit statuses and the errors that map onto them. Every message shown by
// quantova-cli is a constant here, so that tests and code use the same text.

#include "catalogue/Errors.h"
#include "catalogue/MessageText.h"

#include <string>
#include <string_view>

namespace qv::cli {

enum ExitStatus : int {
    ExitOk = 0,
    ExitLineFailed = 1,  // --batch: at least one line failed
    ExitUsage = 2,       // bad options or arguments
    ExitUnit = 3,        // unknown, ambiguous or mismatched unit or category
    ExitEvaluation = 4,  // the value could not be evaluated or converted
    ExitData = 5,        // a package or rates file could not be read (or, updating it, written)
    ExitRates = 6,       // --update-rates: the rates could not be fetched or used
};

namespace msg {
inline constexpr const char* ProgramName = "quantova-cli";
inline constexpr const char* UnknownUnit = "unknown unit '%s'";
inline constexpr const char* UnitNotInCategory = "no unit '%s' in %s";
inline constexpr const char* UnknownCategory = "unknown category '%s' (quantova-cli --list shows them)";
inline constexpr const char* AmbiguousCategory = "'%s' names several categories (%s)";
inline constexpr const char* DidYouMean = "; did you mean %s?";
inline constexpr const char* UnitInCategory = "%s (%s) in %s";
inline constexpr const char* AmbiguousUnitName =
    "'%s' is a unit of several categories: %s; choose one with --category or give a target unit";
inline constexpr const char* AmbiguousUnits =
    "the units are found in several categories (%s); choose one with --category";
inline constexpr const char* AmbiguousUnit = "'%s' names several units of %s (%s); use the exact symbol";
inline constexpr const char* NoCommonCategory = "the units are not of one category ('%s' is in %s, '%s' in %s)";
inline constexpr const char* NeedValueAndUnit = "a conversion needs a VALUE and a FROM unit (see --help)";
inline constexpr const char* ListTakesOneCategory = "--list takes at most one category name";
inline constexpr const char* BatchTakesNoArguments =
    "--batch reads its conversions from standard input; give no VALUE or units";
inline constexpr const char* BatchHasNoTable =
    "--batch writes records; --format table does not apply to it (tsv, csv or json do)";
inline constexpr const char* DoesNotApply = "%s does not apply to %s";
inline constexpr const char* LineTooLong = "the line is longer than 1 MiB; skipped";
inline constexpr const char* CannotReadInput = "cannot read standard input: %s";
inline constexpr const char* CannotWriteOutput = "cannot write the results: %s";
inline constexpr const char* BatchLineShape = "expected VALUE FROM TO";
inline constexpr const char* ExclusiveSources = "--package and --builtin exclude each other";
inline constexpr const char* CannotReadPackage = "cannot read the package %s: ";
inline constexpr const char* CannotReadRates = "Currency is left out: cannot read the rates file %s: ";
inline constexpr const char* SkippedPackage = "skipped the unreadable package %s: ";
inline constexpr const char* NoPackageFound = "no package in %s; using the 36 built-in categories";
inline constexpr const char* NoDataFolder = "no data folder (HOME is not set); using the 36 built-in categories";
inline constexpr const char* NegativeValueHint =
    " (a value that begins with '-' goes after '--', as in: quantova-cli -- -pi rad degrees)";
inline constexpr const char* LinePrefix = "line %s: ";
inline constexpr const char* FailedUnit = "%s: ";  // a unit that a value cannot be converted into
inline constexpr const char* UpdateRatesAlone = "--update-rates takes addresses or files, and no other command";
inline constexpr const char* NoFolderForRates = "no data folder to keep the rates file in (HOME is not set)";
inline constexpr const char* NoRatesProgram = "cannot find %s, which updates the rates, beside quantova-cli";
inline constexpr const char* CannotRunRatesProgram = "cannot run %s";
}  // namespace msg

// An error with the exit status it ends the program with.
class ECliError : public EQuantovaError {
public:
    ECliError(int status, const std::string& message) : EQuantovaError(message), status_(status) {}
    int Status() const { return status_; }

private:
    int status_;
};

// UTF-8 text with its control characters (C0, DEL and C1, which would
// move the cursor, clear or retitle a terminal) replaced by '?'.
std::string Printable(std::string_view utf8);

// The message of an error as one line for a terminal: the model's Windows-1252
// bytes as UTF-8, and the line breaks inside evaluator messages as blanks.
std::string TerminalMessage(const std::string& message);
// The same for an error, with a path it names (in the file system's
// encoding) left as it is.
std::string TerminalMessage(const std::exception& error);

}  // namespace qv::cli
