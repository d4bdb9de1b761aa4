#pragma once

#include "catalogue/Errors.h"

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

// Writes a file so that a failure never destroys the one it replaces: the
// content goes to a temporary file in the same directory, which is flushed
// to disk and then renamed over `path`. On any failure the temporary file is
// removed, the old file stays as it was, and the error is raised:
// "Cannot create file <path>" when the file cannot be made, otherwise the
// writer's own error ("Stream write error").
void WriteFileAtomically(const std::string& path, const std::function<void(std::FILE*)>& write);

}  // namespace qv
