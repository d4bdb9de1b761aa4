// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/UpdateRates.h"

#include "builtin/PublishedRates.h"
#include "builtin/RatesLines.h"
#include "dialogs/DialogParts.h"
#include "expr/NumberText.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"

#include <QCoreApplication>
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
// A line this long is not one the helper writes.
constexpr qint64 MaxLineBytes = 64 * 1024;
// How long a cancelled child has to end before it is killed.
constexpr int CancelGraceMs = 3000;

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

std::string Fill(const char* pattern, std::initializer_list<std::string> arguments)
{
    std::string text = pattern;
    std::size_t from = 0;
    for (const std::string& argument : arguments) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, argument);
        from = at + argument.size();
    }
    return text;
}

std::exception_ptr RatesError(const char* pattern, std::initializer_list<std::string> arguments)
{
    return std::make_exception_ptr(ERatesError(Fill(pattern, arguments)));
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

    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, [this] { Hung(); });
    killer_.setSingleShot(true);
    connect(&killer_, &QTimer::timeout, this, [this] {
        if (child_) child_->kill();
    });

    SetFixedFrame(ClientWidth, ClientHeight);
}

TFrmUpdateRates::~TFrmUpdateRates()
{
    if (child_) {
        child_->disconnect(this);
        child_->kill();
        child_->waitForFinished(1000);
    }
}

std::optional<RatesOutcome> TFrmUpdateRates::Execute(const std::string& programDir)
{
    programDir_ = programDir;
    outcome_.reset();
    error_ = nullptr;
    cancelling_ = reinstall_ = false;
    EdtSource->clear();
    EdtSource->setPlaceholderText(QString::fromLatin1(DefaultSourcesText));
    for (QWidget* w : std::initializer_list<QWidget*>{EdtSource, BtnBrowse, BtnUpdate, BtnCancel}) w->setEnabled(true);
    LblStatus->setText(QString::fromLatin1(ReadyText));
    Progress->setRange(0, 1);
    Progress->setValue(0);
    EdtSource->setFocus();
    EdtSource->selectAll();

    exec();
    if (error_) std::rethrow_exception(error_);
    return outcome_;
}

void TFrmUpdateRates::BrowseClick()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Rates File"), QString(),
                                                      QStringLiteral("XML documents (*.xml);;All files (*)"));
    if (!file.isEmpty()) EdtSource->setText(file);
}

QString TFrmUpdateRates::ProgramPath() const
{
    if (!program_.isEmpty()) return program_;
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString name = QLatin1String(msg::RatesProgramName);
    for (const QString& candidate : {folder + name, folder + QStringLiteral("../libexec/quantova/") + name})
        if (QFileInfo(candidate).isExecutable()) return candidate;
    return {};
}

void TFrmUpdateRates::UpdateClick()
{
    const QString source = EdtSource->text().trimmed();  // empty: the default sources
    if (child_) return;
    const QString program = ProgramPath();
    if (program.isEmpty()) {
        Finish(RatesError(msg::NoRatesProgram, {msg::RatesProgramName}));
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{EdtSource, BtnBrowse, BtnUpdate}) w->setEnabled(false);
    BtnCancel->setFocus();
    LblStatus->setText(QStringLiteral("Fetching the rates from %1...").arg(SourceName(source)));
    Progress->setRange(0, 0);  // busy until the size is known

    child_ = new QProcess(this);
    child_->setProgram(program);
    QStringList arguments{QStringLiteral("--lines")};
    // The helper reads the rates file with the window's separator.
    if (static_cast<unsigned char>(DecimalSeparator()) < 128)
        arguments << QStringLiteral("--decimal-separator") << QString(QLatin1Char(DecimalSeparator()));
    // Paths and addresses go to the system as UTF-8.
    arguments << QString::fromStdString(programDir_);
    if (!source.isEmpty()) arguments << source;
    child_->setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUANTOVA_RATES_TIMEOUT_MS"), QString::number(timeout_.count()));
    child_->setProcessEnvironment(environment);
    child_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(child_, &QProcess::readyReadStandardOutput, this, [this] { ReadLines(); });
    connect(child_, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { ChildFinished(code, status); });
    connect(child_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) ChildFailedToStart();
    });
    watchdog_.start(static_cast<int>((timeout_ + allowance_).count()));
    child_->start(QIODevice::ReadOnly);
}

void TFrmUpdateRates::ReadLines()
{
    if (!child_) return;
    while (child_->canReadLine()) {
        QByteArray line = child_->readLine(MaxLineBytes);
        if (line.endsWith('\n')) line.chop(1);
        HandleLine(line.toStdString());
    }
    if (child_->bytesAvailable() > MaxLineBytes && !error_) {
        error_ = RatesError(msg::RatesProgramGarbled, {msg::RatesProgramName});
        child_->kill();
    }
}

void TFrmUpdateRates::HandleLine(const std::string& text)
{
    namespace lines = rates_lines;
    if (error_ || outcome_) return;  // the result is in; anything after it is not
    const lines::ParsedLine line = lines::Parse(text);
    if (line.Keyword == lines::Progress) {
        const std::uint64_t received = lines::Count(line.Field(0));
        const std::uint64_t total = lines::Count(line.Field(1));
        if (total == 0 || received > total) return;
        Progress->setRange(0, 1000);
        Progress->setValue(static_cast<int>(received * 1000 / total));
    } else if (line.Keyword == lines::Status) {
        LblStatus->setText(ToQ(line.Field(0)));
    } else if (line.Keyword == lines::Reinstall) {
        reinstall_ = true;
    } else if (line.Keyword == lines::Done) {
        outcome_ = RatesOutcome{line.Field(0), reinstall_};
    } else if (line.Keyword == lines::Failed) {
        error_ = std::make_exception_ptr(ERatesError(line.Field(0)));
    } else if (line.Keyword == lines::FileError) {
        EFileError error(line.Field(0), line.Field(1));
        if (!line.Field(2).empty()) error.SetUnsavedFile(line.Field(2));
        error_ = std::make_exception_ptr(error);
    }
}

void TFrmUpdateRates::ChildFinished(int exitCode, QProcess::ExitStatus status)
{
    ReadLines();
    if (!outcome_ && !error_ && !cancelling_) {
        const std::string how = status == QProcess::CrashExit ? "it stopped abnormally"
                                                              : "exit status " + std::to_string(exitCode);
        error_ = RatesError(msg::RatesProgramDied, {msg::RatesProgramName, how});
    }
    Finish(error_);
}

void TFrmUpdateRates::ChildFailedToStart()
{
    Finish(
        RatesError(msg::CannotRunRatesProgram, {child_->program().toStdString(), child_->errorString().toStdString()}));
}

void TFrmUpdateRates::Hung()
{
    if (!child_ || outcome_ || error_) return;
    const QString seconds = QString::number(static_cast<double>((timeout_ + allowance_).count()) / 1000.0, 'g', 6);
    error_ = RatesError(msg::RatesProgramHung, {msg::RatesProgramName, seconds.toStdString()});
    child_->kill();
}

void TFrmUpdateRates::Finish(std::exception_ptr error)
{
    error_ = error;
    watchdog_.stop();
    killer_.stop();
    if (child_) {
        child_->disconnect(this);
        child_->deleteLater();
        child_ = nullptr;
    }
    QDialog::done(outcome_ ? Accepted : Rejected);
}

void TFrmUpdateRates::reject()
{
    if (!child_) {
        TFixedDialog::reject();
        return;
    }
    // The child stops the fetch and ends, which closes the dialog; the file
    // stays as it was unless the child was already writing it.
    if (cancelling_) return;
    cancelling_ = true;
    child_->terminate();
    killer_.start(CancelGraceMs);
    BtnCancel->setEnabled(false);
    LblStatus->setText(QStringLiteral("Cancelling..."));
}

}  // namespace qv
