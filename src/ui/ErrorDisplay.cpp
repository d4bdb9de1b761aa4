#include "ui/ErrorDisplay.h"

#include "ui/Ansi.h"

#include <QMessageBox>
#include <QWidget>

#include <new>

namespace qv {

QString ErrorDisplayText(const std::string& message)
{
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
    return MessageToQ(text);
}

void ShowError(QWidget* parent, const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(ProgramTitle), ErrorDisplayText(message),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

void ShowCurrentException(QWidget* parent, std::exception_ptr e)
{
    // Showing the box can itself fail (no memory); never let that escape.
    try {
        try {
            std::rethrow_exception(e);
        } catch (const std::bad_alloc&) {
            ShowError(parent, "Out of memory");
        } catch (const std::exception& error) {
            ShowError(parent, error.what());
        } catch (...) {
            ShowError(parent, "Unexpected error");
        }
    } catch (...) {
    }
}

}  // namespace qv
