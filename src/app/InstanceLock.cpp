// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSysInfo>

namespace qv {
namespace {

// A host name read from the lock file, fit to be shown: control characters
// replaced, cut to a sensible length.
QString ShownHost(QString host)
{
    if (host.size() > 64) host = host.left(64) + QStringLiteral("...");
    for (QChar& c : host)
        if (c.category() == QChar::Other_Control) c = QLatin1Char('?');
    return host;
}

}  // namespace

InstanceLock::InstanceLock(const std::string& dataFolder)
    : folder_(QFile::decodeName(QByteArray::fromStdString(dataFolder))),
      path_(folder_ + QLatin1String(InstanceLockFileName)),
      file_(path_)
{
    // A lock is stale only when the copy that holds it is no longer running,
    // never because of its age: a copy may stay open for days.
    file_.setStaleLockTime(0);
}

QString InstanceLock::Take()
{
    const QString shownPath = QDir::toNativeSeparators(path_);
    const QFileInfo info(path_);
    if (info.isSymLink()) {
        // Never a lock this program wrote; following it could write elsewhere.
        QFile::remove(path_);
    } else if (info.exists() && !info.isFile()) {
        return QString::fromLatin1(msg::LockNotAFile).arg(shownPath);
    }
    if (file_.tryLock(0)) return {};
    if (file_.error() != QLockFile::LockFailedError) return {};

    qint64 pid = 0;
    QString host, app;
    if (!file_.getLockInfo(&pid, &host, &app) || pid <= 0) {
        // Empty or unreadable: no running copy wrote it completely.
        file_.removeStaleLockFile();
        if (file_.tryLock(0) || file_.error() != QLockFile::LockFailedError) return {};
    }
    const QString folder = QDir::toNativeSeparators(folder_);
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return QString::fromLatin1(msg::RunningElsewhere).arg(folder, ShownHost(host), shownPath);
    return QString::fromLatin1(msg::AlreadyRunning).arg(folder, shownPath);
}

bool InstanceLock::Acquire(QWidget* parent)
{
    const QString refusal = Take();
    if (refusal.isEmpty()) return true;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quantova"), refusal, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("AlreadyRunningBox"));
    box.exec();
    return false;
}

}  // namespace qv
