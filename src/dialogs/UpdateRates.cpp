#include "dialogs/UpdateRates.h"

#include "ui/ErrorDisplay.h"
#include "dialogs/DialogParts.h"
#include "rates/UpdateRates.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

namespace qv {
namespace {

constexpr int ClientWidth = 360;
constexpr int ClientHeight = 132;
constexpr const char* ReadyText = "Empty: the European Central Bank, then FloatRates.";
constexpr const char* DefaultSourcesText = "the default sources";

// Where the status line says the rates come from: the server or the file.
QString SourceName(const QString& source)
{
    if (source.isEmpty()) {
        QStringList hosts;
        for (const std::string& address : DefaultRatesSources()) hosts << SourceName(QString::fromStdString(address));
        return hosts.join(QStringLiteral(" and "));
    }
    const QUrl url(source);
    if (!url.host().isEmpty()) return url.host();
    return QFileInfo(url.isLocalFile() ? url.toLocalFile() : source).fileName();
}

}  // namespace

TFrmUpdateRates::TFrmUpdateRates(QWidget* parent) : TFixedDialog(parent)
{
    setObjectName(QStringLiteral("FrmUpdateRates"));
    setWindowTitle(QStringLiteral("Quantova - Updating Rates"));
    LimitDialogFont(this);

    LblSource = MakeLabel(this, "LblSource", {10, 8, 340, 17}, Qt::AlignLeft | Qt::AlignVCenter);
    LblSource->setText(QStringLiteral("&Get the rates from:"));
    EdtSource = MakeLineEdit(this, "EdtSource", "Get the rates from", {10, 27, 257, EditHeight});
    LblSource->setBuddy(EdtSource);
    BtnBrowse = MakeButton(this, "BtnBrowse", "&Browse...", {275, 26, ButtonWidth, ButtonHeight});
    LblStatus = MakeLabel(this, "LblStatus", {10, 58, 340, 17}, Qt::AlignLeft | Qt::AlignVCenter);
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setGeometry(10, 78, 340, 12);
    Progress->setTextVisible(false);
    Progress->setAccessibleName(QStringLiteral("Progress"));
    BtnUpdate = MakeButton(this, "BtnUpdate", "Update", {194, 99, ButtonWidth, ButtonHeight});
    BtnUpdate->setDefault(true);
    BtnCancel = MakeButton(this, "BtnCancel", "Cancel", {275, 99, ButtonWidth, ButtonHeight});

    connect(BtnBrowse, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { BrowseClick(); }); });
    connect(BtnUpdate, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { UpdateClick(); }); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { reject(); });

    SetFixedFrame(ClientWidth, ClientHeight);
}

TFrmUpdateRates::~TFrmUpdateRates()
{
    if (worker_.joinable()) {
        stop_.request_stop();
        worker_.join();
    }
}

std::optional<RatesUpdate> TFrmUpdateRates::Execute(const std::string& programDir)
{
    programDir_ = programDir;
    update_.reset();
    error_ = nullptr;
    stop_ = std::stop_source();
    EdtSource->clear();
    EdtSource->setPlaceholderText(QString::fromLatin1(DefaultSourcesText));
    for (QWidget* w : std::initializer_list<QWidget*>{EdtSource, BtnBrowse, BtnUpdate, BtnCancel}) w->setEnabled(true);
    LblStatus->setText(QString::fromLatin1(ReadyText));
    Progress->setRange(0, 1);
    Progress->setValue(0);
    EdtSource->setFocus();
    EdtSource->selectAll();

    exec();
    if (worker_.joinable()) worker_.join();
    if (error_) {
        try {
            std::rethrow_exception(error_);
        } catch (const ERatesCancelled&) {
            return std::nullopt;
        }
    }
    return update_;
}

void TFrmUpdateRates::BrowseClick()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Rates File"), QString(),
                                                      QStringLiteral("XML documents (*.xml);;All files (*)"));
    if (!file.isEmpty()) EdtSource->setText(file);
}

void TFrmUpdateRates::UpdateClick()
{
    const QString source = EdtSource->text().trimmed();  // empty: the default sources
    if (worker_.joinable()) return;
    for (QWidget* w : std::initializer_list<QWidget*>{EdtSource, BtnBrowse, BtnUpdate}) w->setEnabled(false);
    BtnCancel->setFocus();
    LblStatus->setText(QStringLiteral("Fetching the rates from %1...").arg(SourceName(source)));
    Progress->setRange(0, 0);  // busy until the size is known

    FetchOptions options;
    options.Timeout = timeout_;
    options.Stop = stop_.get_token();
    // Paths and addresses go to the system as UTF-8.
    worker_ = std::thread([this, options, dir = programDir_, text = source.toStdString()]() mutable {
        std::uint64_t shown = 0;
        options.Progress = [this, &shown](std::uint64_t received, std::uint64_t total) {
            if (received == shown) return;
            shown = received;
            QMetaObject::invokeMethod(this, [this, received, total] { ShowProgress(received, total); },
                                      Qt::QueuedConnection);
        };
        std::optional<RatesUpdate> update;
        std::exception_ptr error;
        try {
            update = UpdateRatesFrom(dir, text.empty() ? std::vector<std::string>{} : std::vector<std::string>{text},
                                     options);
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(this, [this, update, error] { Finished(update, error); }, Qt::QueuedConnection);
    });
}

void TFrmUpdateRates::ShowProgress(std::uint64_t received, std::uint64_t total)
{
    if (total == 0 || received > total) return;
    Progress->setRange(0, 1000);
    Progress->setValue(static_cast<int>(received * 1000 / total));
}

void TFrmUpdateRates::Finished(std::optional<RatesUpdate> update, std::exception_ptr error)
{
    update_ = std::move(update);
    error_ = error;
    QDialog::done(update_ ? Accepted : Rejected);
}

void TFrmUpdateRates::reject()
{
    if (!worker_.joinable()) {
        TFixedDialog::reject();
        return;
    }
    // The worker ends soon and closes the dialog; the file stays as it was.
    stop_.request_stop();
    BtnCancel->setEnabled(false);
    LblStatus->setText(QStringLiteral("Cancelling..."));
}

}  // namespace qv
