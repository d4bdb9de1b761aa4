#include "app/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>

namespace qv {

InstanceLock::InstanceLock(const std::string& dataFolder)
    : folder_(QFile::decodeName(QByteArray::fromStdString(dataFolder))),
      file_(folder_ + QLatin1String(InstanceLockFileName))
{
    // A lock is stale only when the copy that holds it is no longer running,
    // never because of its age: a copy may stay open for days.
    file_.setStaleLockTime(0);
}

bool InstanceLock::Acquire(QWidget* parent)
{
    if (file_.tryLock(0)) return true;
    if (file_.error() != QLockFile::LockFailedError) return true;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quantova"),
                    QString::fromLatin1(msg::AlreadyRunning).arg(QDir::toNativeSeparators(folder_)), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("AlreadyRunningBox"));
    box.exec();
    return false;
}

}  // namespace qv
