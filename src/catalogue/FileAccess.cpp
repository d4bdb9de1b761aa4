#include "catalogue/FileAccess.h"

#include "catalogue/ValueStream.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace qv {
namespace {

FileOperations RealFileOperations;
FileOperations* CurrentOperations = &RealFileOperations;

}  // namespace

std::FILE* FileOperations::Create(const std::string& path)
{
    return std::fopen(path.c_str(), "wb");
}

bool FileOperations::Flush(std::FILE* file)
{
    return std::fflush(file) == 0;
}

bool FileOperations::Sync(std::FILE* file)
{
    // So that the rename that follows never publishes a file whose content
    // is still in flight.
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(fileno(file)) == 0;
#endif
}

bool FileOperations::Close(std::FILE* file)
{
    return std::fclose(file) == 0;
}

bool FileOperations::Rename(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::rename(fs::path(from), fs::path(to), ec);
    return !ec;
}

void FileOperations::Remove(const std::string& path)
{
    std::error_code ignored;
    fs::remove(fs::path(path), ignored);
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
    if (!fs::is_regular_file(fs::path(path), ec)) throw EFileError(msg::CannotOpenFile, path);
    in.file.reset(std::fopen(path.c_str(), "rb"));
    if (!in.file) throw EFileError(msg::CannotOpenFile, path);
    in.size = fs::file_size(fs::path(path), ec);
    if (ec) throw EFileError(msg::CannotOpenFile, path);
    return in;
}

void WriteFileAtomically(const std::string& path, const std::function<void(std::FILE*)>& write)
{
    FileOperations& ops = *CurrentOperations;
    const std::string temporary = path + ".saving";
    // A failed save names the file it did not write; the old one is intact.
    const auto unsaved = [&path](const std::string& pattern) {
        EFileError e(pattern, path);
        e.SetUnsavedFile(path);
        return e;
    };
    std::FILE* file = ops.Create(temporary);
    if (!file) throw unsaved(msg::CannotCreateFile);

    auto discard = [&] {
        if (file) ops.Close(file);
        file = nullptr;
        ops.Remove(temporary);
    };
    try {
        write(file);
        if (!ops.Flush(file) || !ops.Sync(file)) throw EWriteError();
        std::FILE* closing = file;
        file = nullptr;
        if (!ops.Close(closing)) throw EWriteError();
    } catch (EFileError& e) {
        discard();
        e.SetUnsavedFile(path);
        throw;
    } catch (...) {
        discard();
        throw;
    }

    if (!ops.Rename(temporary, path)) {
        ops.Remove(temporary);
        throw unsaved(msg::CannotCreateFile);
    }
}

}  // namespace qv
