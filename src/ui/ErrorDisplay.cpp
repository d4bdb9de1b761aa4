// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ErrorDisplay.h"

#include "catalogue/Errors.h"
#include "ui/Ansi.h"

#include <QFile>
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

QString PathErrorText(const EQuantovaError& error)
{
    if (error.Path().empty()) return ErrorDisplayText(error.what());
    QString text = MessageToQ(error.Pattern());
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at >= 0) text.replace(at, 2, QFile::decodeName(QByteArray::fromStdString(error.Path())));
    if (!text.isEmpty() && text.back() > QLatin1Char('.')) text += QLatin1Char('.');
    return text;
}

QString FileErrorText(const EFileError& error)
{
    QString text = PathErrorText(error);
    if (!error.UnsavedFile().empty()) {
        const QString file = QFile::decodeName(QByteArray::fromStdString(error.UnsavedFile()));
        text += QStringLiteral("\n\n") + QString::fromLatin1(UnsavedFileNote).arg(file);
    }
    return text;
}

void ShowError(QWidget* parent, const std::string& message)
{
    ShowErrorText(parent, ErrorDisplayText(message));
}

void ShowErrorText(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

QString ExceptionText(std::exception_ptr e)
{
    try {
        std::rethrow_exception(e);
    } catch (const EFileError& error) {
        return FileErrorText(error);
    } catch (const EQuantovaError& error) {
        return PathErrorText(error);
    } catch (const std::bad_alloc&) {
        return ErrorDisplayText("Out of memory");
    } catch (const std::exception& error) {
        return ErrorDisplayText(error.what());
    } catch (...) {
        return ErrorDisplayText("Unexpected error");
    }
}

void ShowCurrentException(QWidget* parent, std::exception_ptr e)
{
    // Showing the box can itself fail (no memory); never let that escape.
    try {
        ShowErrorText(parent, ExceptionText(e));
    } catch (...) {
    }
}

}  // namespace qv
