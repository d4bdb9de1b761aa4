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

// Pushes the file's data to the storage device, so that the rename that
// follows never publishes a file whose content is still in flight.
bool SyncToDisk(std::FILE* file)
{
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(fileno(file)) == 0;
#endif
}

}  // namespace

std::string FormatMessage(const char* pattern, const std::string& argument)
{
    std::string text = pattern;
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
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
    const std::string temporary = path + ".saving";
    FilePtr file(std::fopen(temporary.c_str(), "wb"));
    // A failed save names the file it did not write; the old one is intact.
    const auto unsaved = [&path](const std::string& pattern) {
        EFileError e(pattern, path);
        e.SetUnsavedFile(path);
        return e;
    };
    if (!file) throw unsaved(msg::CannotCreateFile);

    auto discard = [&] {
        file.reset();
        std::error_code ignored;
        fs::remove(fs::path(temporary), ignored);
    };
    try {
        write(file.get());
        if (std::fflush(file.get()) != 0 || !SyncToDisk(file.get())) throw EWriteError();
        if (std::fclose(file.release()) != 0) throw EWriteError();
    } catch (EFileError& e) {
        discard();
        e.SetUnsavedFile(path);
        throw;
    } catch (...) {
        discard();
        throw;
    }

    std::error_code ec;
    fs::rename(fs::path(temporary), fs::path(path), ec);
    if (ec) {
        discard();
        throw unsaved(msg::CannotCreateFile);
    }
}

}  // namespace qv
