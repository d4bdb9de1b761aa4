#pragma once

#include "catalogue/Errors.h"
#include "catalogue/MessageText.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace qv {

namespace msg {
inline constexpr const char* CannotCreateFile = "Cannot create file %s";
inline constexpr const char* CannotOpenFile = "Cannot open file %s";
}  // namespace msg

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// An open file for binary reading with its size. Raises EFileError
// "Cannot open file <path>" when it cannot be opened.
struct InputFile {
    FilePtr file;
    std::uint64_t size = 0;
};
InputFile OpenForReading(const std::string& path);

// The file operations of WriteFileAtomically. The program uses the real ones;
// tests install their own to make any single step of a save fail.
class FileOperations {
public:
    virtual ~FileOperations() = default;
    // A new, empty file for binary writing, or nullptr.
    virtual std::FILE* Create(const std::string& path);
    virtual bool Flush(std::FILE* file);
    // Pushes the file's data to the storage device.
    virtual bool Sync(std::FILE* file);
    // Closes the file, also when it reports a failure.
    virtual bool Close(std::FILE* file);
    // Replaces `to` by `from`.
    virtual bool Rename(const std::string& from, const std::string& to);
    virtual void Remove(const std::string& path);
};

// Makes `operations` the ones WriteFileAtomically uses from now on; nullptr
// restores the real ones. Returns the previous ones.
FileOperations* SetFileOperations(FileOperations* operations);

// Writes a file so that a failure never destroys the one it replaces: the
// content goes to a temporary file in the same directory, which is flushed
// to disk and then renamed over `path`. On any failure the temporary file is
// removed, the old file stays as it was, and an EFileError naming `path` is
// raised: "Cannot create file <path>" when the file cannot be made or put in
// place, "Cannot write file <path>" (an EWriteError) when its content cannot
// be written, flushed, synced or closed. `write` signals a failed write by
// raising EWriteError.
void WriteFileAtomically(const std::string& path, const std::function<void(std::FILE*)>& write);

}  // namespace qv
