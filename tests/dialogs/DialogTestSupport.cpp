#include "DialogTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace qv::test {

void Post(QObject* context, std::function<void()> action)
{
    QTimer::singleShot(0, context, std::move(action));
}

int ExecWithWatchdog(QDialog& dialog)
{
    constexpr qint64 LimitMs = 10000;
    bool forced = false;
    QElapsedTimer clock;
    clock.start();
    QTimer watchdog;
    watchdog.setInterval(100);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (clock.elapsed() < LimitMs) return;
        forced = true;
        // done() closes even the dialogs that refuse reject().
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(QDialog::Rejected);
    });
    watchdog.start();
    const int result = dialog.exec();
    EXPECT_FALSE(forced) << "a modal window had to be closed by force";
    return result;
}

}  // namespace qv::test
