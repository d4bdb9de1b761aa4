// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Update Rates" dialog: where to get the exchange rates from (left
// empty, the default sources: the central bank, then FloatRates for the
// currencies it does not publish; or an address, or a file the user
// downloaded),
// and the progress of fetching them. The fetch and the merge into the
// rates file run in a child process, quantova-update-rates, so the window
// links no network code and stays responsive; Cancel (or Esc) ends the
// child at once, and nothing is changed then. Progress and the result come
// back as the lines of builtin/RatesLines.h.

#include "ui/FixedDialog.h"

#include <QProcess>
#include <QString>
#include <QTimer>

#include <chrono>
#include <exception>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qv {

namespace msg {
inline constexpr const char* RatesProgramName = "quantova-update-rates";
inline constexpr const char* NoRatesProgram = "Cannot find %s, which updates the rates, beside Quantova";
inline constexpr const char* CannotRunRatesProgram = "Cannot run %s: %s";
inline constexpr const char* RatesProgramDied = "%s, which updates the rates, ended without a result (%s)";
inline constexpr const char* RatesProgramHung =
    "%s, which updates the rates, did not finish within %s seconds and was stopped";
inline constexpr const char* RatesProgramGarbled = "%s, which updates the rates, answered with a line too long to read";
}  // namespace msg

// What a successful update tells the window.
struct RatesOutcome {
    std::string Message;     // "Rates of December 7, 2026: 31 currencies changed, 8 of them added"
    bool Reinstall = false;  // the new file can be installed as Currency
};

class TFrmUpdateRates : public TFixedDialog {
    Q_OBJECT
public:
    explicit TFrmUpdateRates(QWidget* parent = nullptr);
    ~TFrmUpdateRates() override;

    // Shows the dialog modally and updates the rates file of `programDir`.
    // Returns the outcome, or nothing when the user cancelled. An error of
    // the fetch or the merge, or of the child itself, is raised once the
    // dialog has closed (ERatesError, or EFileError for the rates file).
    std::optional<RatesOutcome> Execute(const std::string& programDir);

    // The time a server has to answer; the child is stopped as hung when it
    // has not finished `allowance` after that.
    void SetTimeout(std::chrono::milliseconds timeout, std::chrono::milliseconds allowance = std::chrono::seconds(10))
    {
        timeout_ = timeout;
        allowance_ = allowance;
    }
    // The helper to run; by default quantova-update-rates beside the program
    // or in ../libexec/quantova/.
    void SetProgram(const QString& path) { program_ = path; }

protected:
    void reject() override;

private:
    void BrowseClick();
    void UpdateClick();
    void ReadLines();
    void HandleLine(const std::string& line);
    void ChildFinished(int exitCode, QProcess::ExitStatus status);
    void ChildFailedToStart();
    void Hung();
    void Finish(std::exception_ptr error);
    QString ProgramPath() const;

    QLabel* LblSource = nullptr;
    QLineEdit* EdtSource = nullptr;
    QPushButton* BtnBrowse = nullptr;
    QLabel* LblStatus = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* BtnUpdate = nullptr;
    QPushButton* BtnCancel = nullptr;

    std::string programDir_;
    QString program_;
    std::chrono::milliseconds timeout_{15000};
    std::chrono::milliseconds allowance_{10000};
    QProcess* child_ = nullptr;
    QTimer watchdog_;
    QTimer killer_;
    bool cancelling_ = false;
    bool reinstall_ = false;
    std::optional<RatesOutcome> outcome_;
    std::exception_ptr error_;
};

}  // namespace qv
