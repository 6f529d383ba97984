// Program › Fleet programming: the open codeplug written into many radios at once, each unit
// of a roster with its own values. The roster is loaded from a CSV file or generated (how many
// units, which columns count up) and edited in its table; the ports are ticked; Start checks
// the roster against the codeplug (refusals are marked on their cells) and runs the job, one
// row per port on the board; Stop stops every port at its next frame. Starting again does
// the units not yet done, so failed units are simply tried again. Every unit is logged.
#pragma once

#include <QDialog>
#include <memory>
#include <set>
#include <string>

#include "aggregate/codeplug.h"
#include "fleet/fleet_job.h"
#include "link/serial/port_map.h"
#include "platform/built_in_texts.h"
#include "platform/reporter.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace torvik {

struct FleetDialogSetup {
    Codeplug templ;                       // the codeplug every unit starts from
    std::filesystem::path templateFile;   // its saved file pair, for the log's digest
    std::filesystem::path backupFolder;   // where the radios' codeplugs are kept
    std::optional<std::string> password;  // the password typed in this run, if any
    std::int16_t handshakeMode = 0;
    std::int16_t stopBits = 1;
};

class FleetDialog : public QDialog, private FleetListener {
    Q_OBJECT

  public:
    FleetDialog(FleetDialogSetup setup, const PortMap& ports, const Reporter& texts,
                QWidget* parent = nullptr);
    ~FleetDialog() override;

    // The log of the last job started, empty before one.
    QString logPath() const { return logPath_; }
    bool running() const { return job_ && !job_->ended(); }

  private:
    void loadRoster();
    void generateRoster();
    void setRoster(const std::string& csv);
    std::string rosterText() const;
    void start();
    void stopJob();
    void openLog();
    void markRefusals(const std::vector<RosterRefusal>& refused);
    void showPort(std::size_t port, const FleetPortView& view);
    void updateButtons();
    void reject() override;
    QString text(TextId id) const;

    // FleetListener.
    void portChanged(std::size_t port, const FleetPortView& view) override;
    void unitEnded(const FleetLogRow& row) override;
    void jobEnded() override;

    FleetDialogSetup setup_;
    const PortMap& ports_;
    const Reporter& texts_;

    QTableWidget* roster_;
    QSpinBox* unitCount_;
    QLineEdit* counting_;
    QListWidget* portList_;
    QCheckBox* verify_;
    QCheckBox* backUp_;
    QTableWidget* board_;
    QLabel* logLabel_;
    QLabel* summary_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* openLog_;

    std::unique_ptr<FleetLogFile> log_;
    std::unique_ptr<FleetJob> job_;
    std::set<std::string> done_;  // units written or verified since the window opened
    QString logPath_;
    int jobUnits_ = 0;
};

}  // namespace torvik
