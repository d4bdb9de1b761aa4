#pragma once

// The "Update Rates" dialog: where to get the exchange rates from (left
// empty, the default sources: the central bank, then FloatRates for the
// currencies it does not publish; or an address, or a file the user
// downloaded),
// and the progress of fetching them. The fetch and the merge into the
// rates file run on a worker thread, so the window stays responsive and
// Cancel (or Esc) stops the fetch at once; nothing is changed then.

#include "builtin/RatesMerge.h"
#include "ui/FixedDialog.h"

#include <chrono>
#include <exception>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qv {

class TFrmUpdateRates : public TFixedDialog {
    Q_OBJECT
public:
    explicit TFrmUpdateRates(QWidget* parent = nullptr);
    ~TFrmUpdateRates() override;

    // Shows the dialog modally and updates the rates file of `programDir`.
    // Returns the update made, or nothing when the user cancelled. An error
    // of the fetch or the merge is raised once the dialog has closed.
    std::optional<RatesUpdate> Execute(const std::string& programDir);

    // For tests: the time a server has to answer.
    void SetTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

protected:
    void reject() override;

private:
    void BrowseClick();
    void UpdateClick();
    void ShowProgress(std::uint64_t received, std::uint64_t total);
    void Finished(std::optional<RatesUpdate> update, std::exception_ptr error);

    QLabel* LblSource = nullptr;
    QLineEdit* EdtSource = nullptr;
    QPushButton* BtnBrowse = nullptr;
    QLabel* LblStatus = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* BtnUpdate = nullptr;
    QPushButton* BtnCancel = nullptr;

    std::string programDir_;
    std::chrono::milliseconds timeout_{15000};
    std::stop_source stop_;
    std::thread worker_;
    std::optional<RatesUpdate> update_;
    std::exception_ptr error_;
};

}  // namespace qv
