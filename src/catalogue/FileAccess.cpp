// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/FileAccess.h"

#include "catalogue/ValueStream.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qv {
namespace {

FileOperations RealFileOperations;
FileOperations* CurrentOperations = &RealFileOperations;

// Six letters or digits that make a temporary name unique.
std::string RandomSuffix()
{
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}() ^ (static_cast<std::uint64_t>(::getpid()) << 32)};
    std::string suffix(6, ' ');
    for (char& c : suffix) c = Letters[generator() % (sizeof Letters - 1)];
    return suffix;
}

// " (reason)" for the system's error number `cause`, or "" for none.
std::string Reason(int cause)
{
    return cause == 0 ? std::string() : std::string(" (") + std::strerror(cause) + ")";
}

}  // namespace

std::FILE* FileOperations::Create(const std::string& path, std::string& temporary, unsigned mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + ".saving-" + RandomSuffix();
        // O_EXCL with O_NOFOLLOW: never an existing file, never through a link.
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            if (std::FILE* file = ::fdopen(fd, "wb")) return file;
            const int cause = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            errno = cause;
            return nullptr;
        }
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

bool FileOperations::KeepAttributes(std::FILE* file, const struct stat* like)
{
    if (!like) return true;
    const int fd = fileno(file);
    mode_t mode = like->st_mode & 07777;
    // Owner and group where the saver may set them; a group that cannot be
    // kept gets none of the old group's rights.
    if (::fchown(fd, like->st_uid, like->st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), like->st_gid) != 0)
        mode &= ~static_cast<mode_t>(S_ISGID | S_IRWXG);
    errno = 0;
    return ::fchmod(fd, mode) == 0;
}

bool FileOperations::Flush(std::FILE* file)
{
    return std::fflush(file) == 0;
}

bool FileOperations::Sync(std::FILE* file)
{
    // So that the rename that follows never publishes a file whose content
    // is still in flight.
    return ::fsync(fileno(file)) == 0;
}

bool FileOperations::Close(std::FILE* file)
{
    return std::fclose(file) == 0;
}

bool FileOperations::Rename(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

void FileOperations::Remove(const std::string& path)
{
    ::unlink(path.c_str());
}

FileOperations* SetFileOperations(FileOperations* operations)
{
    FileOperations* previous = CurrentOperations;
    CurrentOperations = operations ? operations : &RealFileOperations;
    return previous;
}

InputFile OpenForReading(const std::string& path)
{
    InputFile in;
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(path), ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) throw EFileError(msg::NotARegularFile, path);
    if (!fs::is_regular_file(status)) throw EFileError(msg::CannotOpenFile, path);
    in.file.reset(std::fopen(path.c_str(), "rb"));
    if (!in.file) throw EFileError(msg::CannotOpenFile, path);
    in.size = fs::file_size(fs::path(path), ec);
    if (ec) throw EFileError(msg::CannotOpenFile, path);
    return in;
}

std::string ReadTextFile(const std::string& path)
{
    InputFile in = OpenForReading(path);
    if (in.size > MaxTextFileSize) throw EFileError(msg::TextFileTooLarge, path);
    std::string text(static_cast<std::size_t>(in.size), '\0');
    if (std::fread(text.data(), 1, text.size(), in.file.get()) != text.size())
        throw EFileError(msg::CannotOpenFile, path);
    return text;
}

std::string FileBehindLinks(const std::string& path)
{
    fs::path file(path);
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(file, ec))) break;
        const fs::path target = fs::read_symlink(file, ec);
        if (ec) break;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return file.string();
}

bool CreatePrivateFolder(const std::string& folder)
{
    std::error_code ec;
    fs::path built;
    for (const fs::path& part : fs::path(folder)) {
        built /= part;
        if (part.empty() || fs::is_directory(built, ec)) continue;
        if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return fs::is_directory(fs::path(folder), ec);
}

void WriteFileAtomically(const std::string& path, const std::function<void(std::FILE*)>& write)
{
    FileOperations& ops = *CurrentOperations;
    const std::string target = FileBehindLinks(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // A failed save names the file it did not write; the old one is intact.
    const auto unsaved = [&path](const std::string& pattern, int cause) {
        EFileError e(pattern + Reason(cause), path);
        e.SetUnsavedFile(path);
        return e;
    };
    std::string temporary;
    errno = 0;
    // Private until it has the old file's owner and permissions.
    std::FILE* file = ops.Create(target, temporary, replacing ? 0600 : 0666);
    if (!file) throw unsaved(msg::CannotCreateFile, errno);
    errno = 0;
    if (!ops.KeepAttributes(file, replacing ? &old : nullptr)) {
        const int cause = errno;
        ops.Close(file);
        ops.Remove(temporary);
        throw unsaved(msg::CannotCreateFile, cause);
    }

    auto discard = [&] {
        if (file) ops.Close(file);
        file = nullptr;
        ops.Remove(temporary);
    };
    try {
        errno = 0;
        write(file);
        if (!ops.Flush(file) || !ops.Sync(file)) throw EWriteError();
        std::FILE* closing = file;
        file = nullptr;
        if (!ops.Close(closing)) throw EWriteError();
    } catch (EWriteError& e) {
        const int cause = errno;
        discard();
        EWriteError withCause(std::string(e.what()) + Reason(cause));
        withCause.SetUnsavedFile(path);
        throw withCause;
    } catch (EFileError& e) {
        discard();
        e.SetUnsavedFile(path);
        throw;
    } catch (...) {
        discard();
        throw;
    }

    errno = 0;
    if (!ops.Rename(temporary, target)) {
        const int cause = errno;
        ops.Remove(temporary);
        throw unsaved(msg::CannotCreateFile, cause);
    }
}

void WriteTextFileAtomically(const std::string& path, const std::string& text)
{
    WriteFileAtomically(path, [&text](std::FILE* file) {
        if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) throw EWriteError();
    });
}

}  // namespace qv
