// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Errors.h"
#include "catalogue/MessageText.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

struct stat;

namespace qv {

namespace msg {
inline constexpr const char* CannotCreateFile = "Cannot create file %s";
inline constexpr const char* CannotOpenFile = "Cannot open file %s";
inline constexpr const char* NotARegularFile = "%s is not a regular file";
inline constexpr const char* TextFileTooLarge = "%s is larger than 1 MiB, the most Quantova reads";
}  // namespace msg

// The largest text file Quantova reads whole (a rates file, a word file), so
// that a huge file never becomes a huge allocation.
inline constexpr std::uint64_t MaxTextFileSize = std::uint64_t{1024} * 1024;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// An open file for binary reading with its size. Raises EFileError
// "<path> is not a regular file" for a folder, a pipe or a device, and
// "Cannot open file <path>" when it cannot be opened.
struct InputFile {
    FilePtr file;
    std::uint64_t size = 0;
};
InputFile OpenForReading(const std::string& path);

// The whole content of the file at `path`, of at most MaxTextFileSize bytes.
// Raises EFileError as OpenForReading does, and "<path> is larger than 1 MiB,
// the most Quantova reads" for a larger file.
std::string ReadTextFile(const std::string& path);

// The file operations of WriteFileAtomically. The program uses the real ones;
// tests install their own to make any single step of a save fail. A step
// that fails leaves the system's reason in errno, or 0 when it has none.
class FileOperations {
public:
    virtual ~FileOperations() = default;
    // A new, empty file for binary writing beside `path`, created under a
    // unique name that no file or link had (stored in `temporary`), with
    // permissions `mode` less the umask; or nullptr.
    virtual std::FILE* Create(const std::string& path, std::string& temporary, unsigned mode);
    // Gives the new file the owner, group and permissions of the file
    // described by `like`, as far as the saver may; nothing when `like` is
    // null (a new file keeps the umask's permissions).
    virtual bool KeepAttributes(std::FILE* file, const struct stat* like);
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
// content goes to a new temporary file in the same directory, created
// exclusively under a unique name, so that two saves of one file never share
// it and a planted file or link is never followed. The file is flushed to
// disk, given the old file's owner, group and permissions, and renamed over
// `path`. When `path` is a symbolic link, the file it points to is replaced
// and the link stays. On any failure the temporary file is removed, the old
// file stays as it was, and an EFileError naming `path` is raised, followed
// by the system's reason in parentheses when there is one: "Cannot create
// file <path>" when the file cannot be made or put in place, "Stream write
// error" (an EWriteError) when its content cannot be written, flushed,
// synced or closed. `write` signals a failed write by raising EWriteError.
void WriteFileAtomically(const std::string& path, const std::function<void(std::FILE*)>& write);

// WriteFileAtomically with `text` as the whole content.
void WriteTextFileAtomically(const std::string& path, const std::string& text);

// The file a save of `path` replaces: `path` itself, or the file a symbolic
// link there points to, through any number of links.
std::string FileBehindLinks(const std::string& path);

// Creates `folder` and any missing parent with permissions 0700 (private to
// the user, as a data folder should be); true when it exists afterwards.
bool CreatePrivateFolder(const std::string& folder);

}  // namespace qv
