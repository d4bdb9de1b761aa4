#pragma once

// The general error display. Every event handler runs its body through
// RunGuarded, so that no exception crosses a Qt frame: an error is shown in a
// critical message box titled "Quantova", and the program goes on with the
// state as the error left it.

#include <QString>

#include <exception>
#include <string>

class QWidget;

namespace qv {

inline constexpr const char* ProgramTitle = "Quantova";

// The text shown for an error message: "." appended when the message is not
// empty and its last byte is above "." ("Stream read error" becomes
// "Stream read error."; "…(7)" stays), carriage returns as line breaks.
QString ErrorDisplayText(const std::string& message);

// Shows the critical message box; `parent` may be null.
void ShowError(QWidget* parent, const std::string& message);

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
