#include "ui/fleet/fleet_dialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "fleet/roster_series.h"
#include "interchange/csv_text.h"
#include "link/serial/usb_info.h"
#include "platform/file_io.h"
#include "storage/backups.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

enum BoardColumn {
    kPortColumn,
    kUnitColumn,
    kSerialColumn,
    kStepColumn,
    kProgressColumn,
    kSecondsColumn,
    kBoardColumns
};

constexpr int kMostUnits = 10000;

TextId StepText(FleetStep step) {
    switch (step) {
        case FleetStep::Waiting:
            return TextId::FleetWaiting;
        case FleetStep::Identifying:
            return TextId::FleetIdentifying;
        case FleetStep::BackingUp:
            return TextId::FleetBackingUp;
        case FleetStep::Writing:
            return TextId::FleetWriting;
        case FleetStep::Verifying:
            return TextId::FleetVerifying;
        case FleetStep::Done:
            return TextId::FleetDone;
        case FleetStep::Failed:
            return TextId::FleetFailed;
        case FleetStep::Stopped:
            return TextId::FleetStopped;
    }
    return TextId::FleetFailed;
}

// A control named for tests and screen readers alike.
template <class W>
W* Named(W* widget, const char* name, const QString& accessibleName) {
    widget->setObjectName(name);
    widget->setAccessibleName(QString(accessibleName).remove('&'));
    return widget;
}

}  // namespace

FleetDialog::FleetDialog(FleetDialogSetup setup, const PortMap& ports, const Reporter& texts,
                         QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), ports_(ports), texts_(texts) {
    setObjectName("FleetDialog");
    setWindowTitle(text(TextId::FleetTitle));

    roster_ = Named(new QTableWidget(this), "FleetRoster", text(TextId::FleetRoster));
    auto* load = Named(new QPushButton(text(TextId::FleetLoadRoster), this), "FleetLoadRoster",
                       text(TextId::FleetLoadRoster));
    unitCount_ = Named(new QSpinBox(this), "FleetUnitCount", text(TextId::FleetUnits));
    unitCount_->setRange(1, kMostUnits);
    unitCount_->setValue(10);
    counting_ = Named(new QLineEdit(this), "FleetCounting", text(TextId::FleetCounting));
    counting_->setPlaceholderText("FiveToneId=00017 Message=UNIT-01");
    auto* generate = Named(new QPushButton(text(TextId::FleetGenerate), this), "FleetGenerate",
                           text(TextId::FleetGenerate));

    portList_ = Named(new QListWidget(this), "FleetPorts", text(TextId::FleetPorts));
    for (const NumberedPort& port : ports_.presentPorts()) {
        // Named as the port dialog names them.
        auto* item = new QListWidgetItem(
            QStringLiteral("COM%1  %2").arg(port.number).arg(Q(DeviceDescription(port.device))),
            portList_);
        item->setData(Qt::UserRole, Q(port.device.path));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    if (portList_->count() == 0) portList_->addItem(text(TextId::FleetNoPorts));
    verify_ = Named(new QCheckBox(text(TextId::FleetVerify), this), "FleetVerify",
                    text(TextId::FleetVerify));
    verify_->setChecked(true);
    backUp_ = Named(new QCheckBox(text(TextId::FleetBackUp), this), "FleetBackUp",
                    text(TextId::FleetBackUp));
    backUp_->setChecked(true);

    board_ =
        Named(new QTableWidget(0, kBoardColumns, this), "FleetBoard", text(TextId::FleetTitle));
    board_->setHorizontalHeaderLabels(
        {text(TextId::FleetColumnPort), text(TextId::FleetColumnUnit),
         text(TextId::FleetColumnSerial), text(TextId::FleetColumnStep),
         text(TextId::FleetColumnProgress), text(TextId::FleetColumnSeconds)});
    board_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    board_->horizontalHeader()->setStretchLastSection(true);
    board_->verticalHeader()->hide();

    logLabel_ = Named(new QLabel(this), "FleetLogPath", text(TextId::FleetLogPath).arg(""));
    summary_ = Named(new QLabel(this), "FleetSummary", text(TextId::FleetTitle));
    start_ = Named(new QPushButton(text(TextId::FleetStart), this), "FleetStart",
                   text(TextId::FleetStart));
    stop_ =
        Named(new QPushButton(text(TextId::FleetStop), this), "FleetStop", text(TextId::FleetStop));
    openLog_ = Named(new QPushButton(text(TextId::FleetOpenLog), this), "FleetOpenLog",
                     text(TextId::FleetOpenLog));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* generateRow = new QHBoxLayout;
    generateRow->addWidget(load);
    generateRow->addSpacing(fontMetrics().height());
    auto* unitsLabel = new QLabel(text(TextId::FleetUnits), this);
    unitsLabel->setBuddy(unitCount_);
    generateRow->addWidget(unitsLabel);
    generateRow->addWidget(unitCount_);
    auto* countingLabel = new QLabel(text(TextId::FleetCounting), this);
    countingLabel->setBuddy(counting_);
    generateRow->addWidget(countingLabel);
    generateRow->addWidget(counting_, 1);
    generateRow->addWidget(generate);

    auto* side = new QVBoxLayout;
    auto* portsLabel = new QLabel(text(TextId::FleetPorts), this);
    portsLabel->setBuddy(portList_);
    side->addWidget(portsLabel);
    side->addWidget(portList_);
    side->addWidget(verify_);
    side->addWidget(backUp_);

    auto* rosterLabel = new QLabel(text(TextId::FleetRoster), this);
    rosterLabel->setBuddy(roster_);
    auto* rosterColumn = new QVBoxLayout;
    rosterColumn->addWidget(rosterLabel);
    rosterColumn->addLayout(generateRow);
    rosterColumn->addWidget(roster_);
    auto* top = new QHBoxLayout;
    top->addLayout(rosterColumn, 3);
    top->addLayout(side, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(openLog_);
    buttons->addWidget(logLabel_, 1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(board_, 1);
    layout->addWidget(summary_);
    layout->addLayout(buttons);
    resize(900, 600);

    connect(load, &QPushButton::clicked, this, &FleetDialog::loadRoster);
    connect(generate, &QPushButton::clicked, this, &FleetDialog::generateRoster);
    connect(start_, &QPushButton::clicked, this, &FleetDialog::start);
    connect(stop_, &QPushButton::clicked, this, &FleetDialog::stopJob);
    connect(openLog_, &QPushButton::clicked, this, &FleetDialog::openLog);
    connect(close, &QDialogButtonBox::rejected, this, &FleetDialog::reject);
    setRoster("Unit\n");
    updateButtons();
}

FleetDialog::~FleetDialog() = default;

QString FleetDialog::text(TextId id) const {
    return BuiltInQ(id, texts_.language());
}

// The roster.

void FleetDialog::loadRoster() {
    const QString file =
        QFileDialog::getOpenFileName(this, text(TextId::FleetLoadRoster).remove('&'), QString(),
                                     text(TextId::FleetRosterFile) + " (*.csv)");
    if (file.isEmpty()) return;
    const std::optional<std::string> csv = ReadWholeFile(file.toStdString());
    if (!csv) {
        QMessageBox::warning(this, windowTitle(), BuiltInQ(TextId::FileError, texts_.language()));
        return;
    }
    setRoster(*csv);
}

void FleetDialog::generateRoster() {
    std::vector<RosterSeries> series;
    for (const QString& part : counting_->text().split(' ', Qt::SkipEmptyParts)) {
        const std::optional<RosterSeries> parsed = ParseRosterSeries(part.toStdString());
        if (!parsed) {
            QMessageBox::warning(this, windowTitle(), text(TextId::FleetCountingRefused).arg(part));
            return;
        }
        series.push_back(*parsed);
    }
    const RosterText roster = MakeRoster(unitCount_->value(), series);
    if (!roster.refusal.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(roster.refusal));
        return;
    }
    setRoster(roster.text);
}

void FleetDialog::setRoster(const std::string& csv) {
    const std::vector<CsvLine> lines = ParseCsv(csv);
    roster_->clear();
    roster_->setRowCount(0);
    if (lines.empty()) return;
    const std::vector<std::string>& header = lines.front().fields;
    roster_->setColumnCount(static_cast<int>(header.size()));
    QStringList titles;
    for (const std::string& title : header) titles << QString::fromStdString(title);
    roster_->setHorizontalHeaderLabels(titles);
    roster_->setRowCount(static_cast<int>(lines.size()) - 1);
    for (std::size_t row = 1; row < lines.size(); ++row) {
        const std::vector<std::string>& cells = lines[row].fields;
        for (std::size_t column = 0; column < header.size(); ++column) {
            const QString cell =
                column < cells.size() ? QString::fromStdString(cells[column]) : QString();
            roster_->setItem(static_cast<int>(row) - 1, static_cast<int>(column),
                             new QTableWidgetItem(cell));
        }
    }
    done_.clear();
}

std::string FleetDialog::rosterText() const {
    std::vector<std::string> header;
    for (int column = 0; column < roster_->columnCount(); ++column) {
        const QTableWidgetItem* title = roster_->horizontalHeaderItem(column);
        header.push_back(title ? title->text().toStdString() : std::string());
    }
    std::string csv = CsvRecord(header) + "\n";
    for (int row = 0; row < roster_->rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < roster_->columnCount(); ++column) {
            const QTableWidgetItem* cell = roster_->item(row, column);
            cells.push_back(cell ? cell->text().trimmed().toStdString() : std::string());
        }
        csv += CsvRecord(cells) + "\n";
    }
    return csv;
}

void FleetDialog::markRefusals(const std::vector<RosterRefusal>& refused) {
    for (int row = 0; row < roster_->rowCount(); ++row) {
        for (int column = 0; column < roster_->columnCount(); ++column) {
            if (QTableWidgetItem* cell = roster_->item(row, column)) {
                cell->setBackground(QBrush());
                cell->setToolTip({});
            }
        }
    }
    for (const RosterRefusal& refusal : refused) {
        const int row = refusal.line - 2;  // line 1 is the header
        for (int column = 0; column < roster_->columnCount(); ++column) {
            const QTableWidgetItem* title = roster_->horizontalHeaderItem(column);
            QTableWidgetItem* cell = roster_->item(row, column);
            if (!cell || !title || title->text().toStdString() != refusal.column) continue;
            cell->setBackground(QColor(255, 200, 200));
            cell->setToolTip(QString::fromStdString(refusal.reason));
        }
    }
}

// The job.

void FleetDialog::start() {
    if (running()) return;
    std::vector<PortId> chosen;
    for (int i = 0; i < portList_->count(); ++i) {
        const QListWidgetItem* item = portList_->item(i);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState() == Qt::Checked) {
            chosen.push_back(PortId::Device(item->data(Qt::UserRole).toString().toStdString()));
        }
    }
    if (chosen.empty()) {
        QMessageBox::warning(this, windowTitle(), text(TextId::FleetChoosePorts));
        return;
    }
    const std::optional<std::string> digest =
        setup_.templateFile.empty() ? std::nullopt : TemplateDigest(setup_.templateFile);
    if (!digest) {
        QMessageBox::warning(this, windowTitle(), text(TextId::FleetSaveFirst));
        return;
    }
    const FleetPlan plan = PlanFleet(setup_.templ, ReadRoster(rosterText()), texts_);
    markRefusals(plan.refused);
    if (!plan.refused.empty()) {
        QStringList lines;
        for (const RosterRefusal& refusal : plan.refused) {
            lines << QString::fromStdString(RosterRefusalText(refusal));
        }
        QMessageBox::warning(this, windowTitle(), text(TextId::FleetRefused).arg(lines.join('\n')));
        return;
    }

    const std::string stamp = FileTimeStamp(std::chrono::system_clock::now());
    if (!log_) {
        const std::filesystem::path log =
            setup_.templateFile.parent_path() / ("fleet-" + stamp + ".csv");
        log_ = FleetLogFile::Open(log);
        if (!log_) {
            QMessageBox::warning(this, windowTitle(),
                                 BuiltInQ(TextId::FileError, texts_.language()) + "\n" +
                                     QString::fromStdString(log.string()));
            return;
        }
        logPath_ = QString::fromStdString(log.string());
        logLabel_->setText(text(TextId::FleetLogPath).arg(logPath_));
    }
    FleetJobOptions options;
    options.verify = verify_->isChecked();
    options.password = setup_.password;
    if (backUp_->isChecked()) options.backupFolder = setup_.backupFolder / ("fleet-" + stamp);
    options.templateDigest = *digest;
    options.handshakeMode = setup_.handshakeMode;
    options.stopBits = setup_.stopBits;

    board_->setRowCount(static_cast<int>(chosen.size()));
    for (int row = 0; row < board_->rowCount(); ++row) {
        for (int column = 0; column < kBoardColumns; ++column) {
            board_->setItem(row, column, new QTableWidgetItem);
        }
        auto* bar = new QProgressBar(board_);
        bar->setRange(0, 100);
        bar->setAccessibleName(text(TextId::FleetColumnProgress));
        board_->setCellWidget(row, kProgressColumn, bar);
    }
    job_ = std::make_unique<FleetJob>(plan.units, done_, chosen, setup_.templ, options, ports_,
                                      texts_, log_.get(), static_cast<FleetListener&>(*this));
    jobUnits_ = static_cast<int>(job_->unitsLeft());
    updateButtons();
    job_->start();
}

void FleetDialog::stopJob() {
    if (running()) job_->stop();
}

void FleetDialog::openLog() {
    if (!logPath_.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(logPath_));
}

void FleetDialog::reject() {
    // The window stays while radios are being written: Stop first.
    if (running()) return;
    QDialog::reject();
}

void FleetDialog::updateButtons() {
    start_->setEnabled(!running());
    stop_->setEnabled(running());
    openLog_->setEnabled(!logPath_.isEmpty());
}

void FleetDialog::showPort(std::size_t port, const FleetPortView& view) {
    const int row = static_cast<int>(port);
    if (row >= board_->rowCount()) return;
    const QString cells[] = {QString::fromStdString(view.device),
                             QString::fromStdString(view.unit),
                             QString::fromStdString(view.serial),
                             text(StepText(view.step)),
                             {},
                             QString::number(view.seconds, 'f', 0)};
    for (int column = 0; column < kBoardColumns; ++column) {
        if (column == kProgressColumn) continue;
        board_->item(row, column)->setText(cells[column]);
    }
    board_->item(row, kStepColumn)->setToolTip(QString::fromStdString(view.detail));
    if (auto* bar = qobject_cast<QProgressBar*>(board_->cellWidget(row, kProgressColumn))) {
        bar->setValue(view.percent);
    }
}

void FleetDialog::portChanged(std::size_t port, const FleetPortView& view) {
    showPort(port, view);
}

void FleetDialog::unitEnded(const FleetLogRow& row) {
    if (row.result == UnitResult::Written || row.result == UnitResult::Verified) {
        done_.insert(row.unit);
    }
}

void FleetDialog::jobEnded() {
    if (job_) {
        const int failures = job_->failures();
        const int left = static_cast<int>(job_->unitsLeft());
        summary_->setText(
            text(TextId::FleetSummary).arg(jobUnits_ - left).arg(jobUnits_).arg(failures));
    }
    // The job is not destroyed here: its last port is still on the stack.
    QMetaObject::invokeMethod(
        this, [this] { updateButtons(); }, Qt::QueuedConnection);
}

}  // namespace torvik
