#pragma once

// Keeps a second copy of Quantova away from the packages this one is using.
// Each copy saves the package in use when it ends, so two copies on one data
// folder would silently undo each other's changes. The lock is a file in the
// data folder, held for the whole run; one left behind by a copy that
// crashed is taken over.

#include <QLockFile>
#include <QString>

#include <string>

class QWidget;

namespace qv {

namespace msg {
inline constexpr const char* AlreadyRunning =
    "Quantova is already running with these packages:\n%1\n\n"
    "Use the Quantova window that is open, or close it before starting Quantova again.";
}  // namespace msg

inline constexpr const char* InstanceLockFileName = ".quantova.lock";

class InstanceLock {
public:
    // `dataFolder` ends in a directory separator, in the file system's encoding.
    explicit InstanceLock(const std::string& dataFolder);

    // Takes the lock. When another running copy holds it, tells the user so
    // in a message box and returns false: this copy must then end without
    // reading or writing any package. A folder where no lock file can be made
    // cannot hold packages that get saved either; the run goes on unlocked.
    bool Acquire(QWidget* parent = nullptr);

private:
    QString folder_;
    QLockFile file_;
};

}  // namespace qv
