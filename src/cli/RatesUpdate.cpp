#include "cli/RatesUpdate.h"

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
    if (!o.RatesSource.empty()) args.push_back(o.RatesSource);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    // Its output follows whatever this program has written so far.
    std::fflush(out);
    std::fflush(err);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        throw ECliError(ExitRates, FormatMessage(msg::CannotRunRatesProgram, program));
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw ECliError(ExitRates, FormatMessage(msg::CannotRunRatesProgram, program));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace qv::cli
