// What makes the window's radio sessions safe: a backup of every read, the radio read into a
// backup and compared before a write, the written blocks read back and checked after it, a
// trace of each session, and the comparisons a person asks for (with a file, with the
// radio). The extra reads run in sessions of their own on a codeplug of their own, so the
// window's codeplug is never touched by them.
#pragma once

#include <QObject>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "app/session_settings.h"
#include "codeplug/radio_image.h"
#include "link/link_host.h"
#include "link/link_state.h"
#include "ui/main_commands.h"

namespace torvik {

class MainWindow;
struct Codeplug;

class RadioSafety : public QObject {
    Q_OBJECT

  public:
    explicit RadioSafety(MainWindow& window);
    ~RadioSafety() override;

    const SessionSettings& settings() const { return settings_; }
    // After a menu entry was ticked or cleared: the settings follow the entries and are
    // remembered.
    void takeSettingsFromMenu();
    // Ticks the menu entries as the settings say.
    void showSettings();

    // The Write command: the backup and the comparison first when set, then the write, then
    // the check when set.
    void write();
    void compareWithRadio();
    void compareWithFile();
    // Program › Fleet programming: the open codeplug into many radios at once.
    void fleetProgramming();
    void openBackupFolder();
    void openTraceFolder();

    // From the window's own sessions.
    void mainReadCompleted();
    void mainSessionFinished(LinkMode mode, SessionEnd end);
    // An extra read is running: no other session may start.
    bool busy() const { return side_ != nullptr; }
    // Stops the extra read that runs; false when none does.
    bool cancelSideRead();
    // A trace file for a new session named `what` when traces are kept, else nothing.
    std::unique_ptr<std::ofstream> openTrace(std::string_view what);

  private:
    struct SideRead;
    // Reads the radio beside the window; `done` gets the codeplug read. A failed or stopped
    // read ends the command as failed.
    void startSideRead(std::string_view what, LinkMode endsAs,
                       std::function<void(const Codeplug&)> done);
    void sideReadFinished(SessionEnd end);
    void startWrite();
    // Keeps `read` in the backup folder and says where on the status bar; the text saying
    // why not when it could not be written.
    std::optional<QString> keepBackup(const Codeplug& read);
    // Says in a box, once the running session's callbacks are over.
    void warnLater(const QString& text);
    void finish(LinkMode mode, bool success);
    void saveSettings();

    MainWindow& window_;
    SessionSettings settings_;
    std::unique_ptr<SideRead> side_;
    // The image the write sends, kept for the check after it.
    std::optional<RadioImage> written_;
};

}  // namespace torvik
