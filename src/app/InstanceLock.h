// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeps a second copy of Quantova away from the packages this one is using.
// Each copy saves the package in use when it ends, so two copies on one data
// folder would silently undo each other's changes. The lock is a file in the
// data folder, held for the whole run; one that is not the readable lock of
// a copy running on this computer (left by a crash, empty, a link) is taken
// over.

#include <QLockFile>
#include <QString>

#include <string>

class QWidget;

namespace qv {

namespace msg {
inline constexpr const char* AlreadyRunning =
    "Quantova is already running with these packages:\n%1\n\n"
    "Use the Quantova window that is open, or close it before starting Quantova again. "
    "(Lock file: %2)";
inline constexpr const char* RunningElsewhere =
    "Quantova on the computer \"%2\" is using these packages:\n%1\n\n"
    "Close it there; if it is no longer running, delete the lock file %3 and start Quantova again.";
inline constexpr const char* LockNotAFile = "The lock file %1 is not a regular file.\n\n"
                                            "Remove it and start Quantova again.";
}  // namespace msg

inline constexpr const char* InstanceLockFileName = ".quantova.lock";

class InstanceLock {
public:
    // `dataFolder` ends in a directory separator, in the file system's encoding.
    explicit InstanceLock(const std::string& dataFolder);

    // Takes the lock. When another running copy holds it, or the lock's place
    // holds something that is not a file, tells the user so in a message box
    // and returns false: this copy must then end without reading or writing
    // any package. A folder where no lock file can be made cannot hold
    // packages that get saved either; the run goes on unlocked.
    bool Acquire(QWidget* parent = nullptr);

    // Gives the lock up now (the destructor does it too).
    void Release() { file_.unlock(); }

private:
    // The message that refuses this start, or "" when the lock is ours.
    QString Take();

    QString folder_;
    QString path_;
    QLockFile file_;
};

}  // namespace qv
