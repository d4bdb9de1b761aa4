// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FailingFiles.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace qv::test {
namespace {

ssize_t WriteToReal(void* cookie, const char* data, std::size_t size)
{
    // A stream write function reports an error by writing nothing.
    return static_cast<FailAtStep*>(cookie)->Write(data, size) ? static_cast<ssize_t>(size) : 0;
}

}  // namespace

FailAtStep::FailAtStep(int failing) : failing_(failing), previous_(SetFileOperations(this)) {}

FailAtStep::~FailAtStep()
{
    SetFileOperations(previous_);
    if (real_) std::fclose(real_);
}

std::string FailAtStep::Failed() const
{
    return failing_ >= 1 && failing_ <= static_cast<int>(steps_.size()) ? steps_[failing_ - 1] : "";
}

bool FailAtStep::Step(const char* name)
{
    steps_.emplace_back(name);
    if (static_cast<int>(steps_.size()) != failing_) return true;
    errno = ENOSPC;
    return false;
}

std::FILE* FailAtStep::Create(const std::string& path, std::string& temporary, unsigned mode)
{
    if (!Step("create")) return nullptr;
    if (real_) throw std::logic_error("one file at a time");
    real_ = FileOperations::Create(path, temporary, mode);
    if (!real_) return nullptr;
    // An unbuffered stream, so that every block the writer writes reaches
    // Write() at once.
    std::FILE* stream = fopencookie(this, "wb", {nullptr, WriteToReal, nullptr, nullptr});
    std::setvbuf(stream, nullptr, _IONBF, 0);
    return stream;
}

bool FailAtStep::KeepAttributes(std::FILE*, const struct stat* like)
{
    return Step("attributes") && FileOperations::KeepAttributes(real_, like);
}

bool FailAtStep::Write(const char* data, std::size_t size)
{
    return Step("write") && std::fwrite(data, 1, size, real_) == size;
}

bool FailAtStep::Flush(std::FILE* file)
{
    return Step("flush") && std::fflush(file) == 0 && std::fflush(real_) == 0;
}

bool FailAtStep::Sync(std::FILE*)
{
    return Step("sync") && ::fsync(fileno(real_)) == 0;
}

bool FailAtStep::Close(std::FILE* file)
{
    const bool ok = Step("close");
    std::fclose(file);
    const bool closed = std::fclose(real_) == 0;
    real_ = nullptr;
    return ok && closed;
}

bool FailAtStep::Rename(const std::string& from, const std::string& to)
{
    return Step("rename") && FileOperations::Rename(from, to);
}

std::map<std::string, std::vector<unsigned char>> DirectoryContent(const std::string& dir)
{
    std::map<std::string, std::vector<unsigned char>> content;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        content[entry.path().filename().string()] = std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                                                               std::istreambuf_iterator<char>());
    }
    return content;
}

}  // namespace qv::test
