// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The general error display. Every event handler runs its body through
// RunGuarded, so that no exception crosses a Qt frame: an error is shown in a
// critical message box titled "Quantova", and the program goes on with the
// state as the error left it.

#include "ProgramInfo.h"

#include <QString>

#include <exception>
#include <string>

class QWidget;

namespace qv {

class EFileError;
class EQuantovaError;

inline constexpr const char* ProgramTitle = ProgramName;
inline constexpr const char* UnsavedFileNote = "%1 was not saved. Its previous copy is unchanged.";

// The text shown for an error message: "." appended when the message is not
// empty and its last byte is above "." ("Stream read error" becomes
// "Stream read error."; "…(7)" stays), carriage returns as line breaks.
QString ErrorDisplayText(const std::string& message);

// The text shown for an error whose message may name a file: the path
// converted from the file system's encoding, the rest from Windows-1252,
// "." appended as above.
QString PathErrorText(const EQuantovaError& error);

// The text shown for a file error: its message with the path converted
// from the file system's encoding (the rest from Windows-1252), "."
// appended as above, and for a failed save the file's name and that its
// previous copy is unchanged.
QString FileErrorText(const EFileError& error);

// Shows the critical message box; `parent` may be null.
void ShowError(QWidget* parent, const std::string& message);
void ShowErrorText(QWidget* parent, const QString& text);

// The text shown for whatever `e` holds.
QString ExceptionText(std::exception_ptr e);

// Shows whatever `e` holds.
void ShowCurrentException(QWidget* parent, std::exception_ptr e);

// Runs `body`; any exception it raises is shown by the general error display.
// Returns false when an error was shown.
template <typename Body>
bool RunGuarded(QWidget* parent, Body&& body) noexcept
{
    try {
        body();
        return true;
    } catch (...) {
        ShowCurrentException(parent, std::current_exception());
        return false;
    }
}

}  // namespace qv
