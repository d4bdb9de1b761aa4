// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RatesUpdate.h"

#include "catalogue/MessageText.h"
#include "cli/ChildOutput.h"
#include "cli/CliErrors.h"
#include "cli/UnitSource.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace qv::cli {
namespace {

constexpr const char* RatesProgram = "quantova-update-rates";

std::string FindRatesProgram()
{
    const std::string folder = ExecutableFolder();
    for (const std::string& candidate : {folder + RatesProgram, folder + "../libexec/quantova/" + RatesProgram})
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    return {};
}

}  // namespace

int UpdateRates(const CliOptions& o, std::FILE* out, std::FILE* err)
{
    if (o.Args.size() > 0 || o.List || o.Batch || o.BuiltIn || !o.Package.empty())
        throw ECliError(ExitUsage, msg::UpdateRatesAlone);
    const std::string folder = DataFolderFor(ExecutableFolder());
    if (folder.empty()) throw ECliError(ExitData, msg::NoFolderForRates);
    const std::string program = FindRatesProgram();
    if (program.empty()) throw ECliError(ExitRates, FormatMessage(msg::NoRatesProgram, RatesProgram));

    std::vector<std::string> args = {program, folder};
    args.insert(args.end(), o.RatesSources.begin(), o.RatesSources.end());
    // Its messages may quote the rates document: they pass through cleaned.
    std::fflush(out);
    std::fflush(err);
    const int status = RunWithCleanOutput(args, out, err);
    if (status < 0) throw ECliError(ExitRates, FormatMessage(msg::CannotRunRatesProgram, program));
    return status;
}

}  // namespace qv::cli
