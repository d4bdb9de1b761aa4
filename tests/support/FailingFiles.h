// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/FileAccess.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace qv::test {

// While it lives, WriteFileAtomically runs on these file operations, which
// count the steps of a save and make one of them fail, leaving ENOSPC in
// errno as a full disk does. The steps, numbered from 1 in the order they
// happen: "create", "attributes", one "write" for each block that reaches
// the file, "flush", "sync", "close", "rename". Removing a file is not a step
// and always works.
class FailAtStep : public FileOperations {
public:
    // Step `failing` fails; 0 lets every step succeed.
    explicit FailAtStep(int failing);
    ~FailAtStep() override;
    FailAtStep(const FailAtStep&) = delete;
    FailAtStep& operator=(const FailAtStep&) = delete;

    // The steps taken so far, by name.
    const std::vector<std::string>& Steps() const { return steps_; }
    // The name of the step that failed, or "" when none did.
    std::string Failed() const;

    std::FILE* Create(const std::string& path, std::string& temporary, unsigned mode) override;
    bool KeepAttributes(std::FILE* file, const struct stat* like) override;
    bool Flush(std::FILE* file) override;
    bool Sync(std::FILE* file) override;
    bool Close(std::FILE* file) override;
    bool Rename(const std::string& from, const std::string& to) override;

    // Used by the stream that stands for the file being written.
    bool Write(const char* data, std::size_t size);

private:
    bool Step(const char* name);  // false when this step is the failing one

    int failing_;
    std::vector<std::string> steps_;
    std::FILE* real_ = nullptr;  // the file behind the stream handed out
    FileOperations* previous_;
};

// Every file of a directory with its content, to see that nothing changed.
std::map<std::string, std::vector<unsigned char>> DirectoryContent(const std::string& dir);

}  // namespace qv::test
