#include "ui/safety/radio_safety.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <system_error>

#include "aggregate/image_codec.h"
#include "compare/codeplug_diff.h"
#include "link/write_check.h"
#include "platform/silent_reporter.h"
#include "qtlink/qt_link_session.h"
#include "storage/backups.h"
#include "storage/codeplug_files.h"
#include "ui/fleet/fleet_dialog.h"
#include "ui/gui_link_host.h"
#include "ui/main_window.h"
#include "ui/safety/compare_dialog.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kStatusMessageMs = 10000;

// The settings each checkable menu entry stands for.
bool* SettingOf(SessionSettings& settings, CommandId id) {
    switch (id) {
        case CommandId::RadioVerify:
            return &settings.verifyAfterWrite;
        case CommandId::RadioBackupFirst:
            return &settings.backupBeforeWrite;
        case CommandId::RadioCompareFirst:
            return &settings.compareBeforeWrite;
        case CommandId::RadioBackupReads:
            return &settings.backupAfterRead;
        default:
            return &settings.traceSessions;
    }
}

constexpr CommandId kSettingCommands[] = {CommandId::RadioVerify, CommandId::RadioBackupFirst,
                                          CommandId::RadioCompareFirst, CommandId::RadioBackupReads,
                                          CommandId::RadioTrace};

void OpenFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
}

}  // namespace

// A read of the radio into a codeplug of its own, with its own host and trace.
struct RadioSafety::SideRead {
    Codeplug codeplug;
    LinkMode endsAs = LinkMode::Read;
    std::function<void(const Codeplug&)> done;
    std::unique_ptr<GuiLinkHost> host;
    std::unique_ptr<std::ofstream> trace;
    std::unique_ptr<QtLinkSession> session;
    bool completed = false;
    bool ended = false;
};

RadioSafety::RadioSafety(MainWindow& window)
    : QObject(&window),
      window_(window),
      settings_(
          ReadSessionSettings(ProfileFile::Load(window.session().home.setupProfileForRead()))) {}

RadioSafety::~RadioSafety() = default;

void RadioSafety::takeSettingsFromMenu() {
    for (const CommandId id : kSettingCommands) {
        *SettingOf(settings_, id) = window_.action(id)->isChecked();
    }
    saveSettings();
}

void RadioSafety::showSettings() {
    for (const CommandId id : kSettingCommands) {
        window_.action(id)->setChecked(*SettingOf(settings_, id));
    }
}

void RadioSafety::saveSettings() {
    window_.saveSetupProfile(
        [this](ProfileFile& profile) { WriteSessionSettings(profile, settings_); });
}

// --- the Write command -------------------------------------------------------------------

void RadioSafety::write() {
    if (side_ || !window_.link().isIdle()) return;
    if (!settings_.backupBeforeWrite && !settings_.compareBeforeWrite) {
        startWrite();
        return;
    }
    startSideRead("before-write", LinkMode::Write, [this](const Codeplug& radio) {
        const Language language = window_.session().language;
        if (settings_.backupBeforeWrite || settings_.backupAfterRead) {
            if (const std::optional<QString> failed = keepBackup(radio)) {
                if (!settings_.backupBeforeWrite) {
                    warnLater(*failed);
                } else {
                    // No backup, no write: the radio's codeplug is all there is of it.
                    window_.reporter().show(
                        Severity::Error,
                        U(*failed + "\n" + BuiltInQ(TextId::NothingWritten, language)));
                    finish(LinkMode::Write, false);
                    return;
                }
            }
        }
        if (settings_.compareBeforeWrite) {
            CompareDialog changes(CompareCodeplugs(radio, window_.codeplug(), window_.reporter()),
                                  BuiltInQ(TextId::ColumnRadio, language),
                                  CompareDialog::Purpose::BeforeWrite, window_.session().texts,
                                  &window_);
            if (changes.exec() != QDialog::Accepted) {
                finish(LinkMode::Write, false);
                return;
            }
        }
        startWrite();
    });
}

void RadioSafety::startWrite() {
    written_.reset();
    if (settings_.verifyAfterWrite) {
        Codeplug copy = window_.codeplug();
        // Quietly: the write itself reports what cannot be encoded.
        SilentReporter silent;
        if (const std::optional<EncodedImage> image = EncodeImage(copy, silent)) {
            written_ = image->image();
        }
    }
    window_.renewLink("write");
    if (!window_.link().beginWrite()) {
        written_.reset();
        window_.adviseSerialGroup(window_.linkPermissionRefused());
    }
}

void RadioSafety::mainSessionFinished(LinkMode mode, SessionEnd end) {
    if (mode == LinkMode::Write && end == SessionEnd::Success && written_) {
        // The check runs once this session's callbacks are over.
        QTimer::singleShot(0, this, [this] {
            startSideRead("verify", LinkMode::Write, [this](const Codeplug& radio) {
                const WriteCheck check = CheckWrittenImage(*written_, radio, window_.reporter());
                written_.reset();
                const Language language = window_.session().language;
                if (check.same) {
                    window_.reporter().show(Severity::Information,
                                            U(BuiltInQ(TextId::Verified, language)));
                } else {
                    window_.reporter().show(Severity::Error,
                                            U(BuiltInQ(TextId::VerifyFailed, language)
                                                  .arg(check.blocks.size())
                                                  .arg(Q(JoinAreas(check.areas)))));
                }
                finish(LinkMode::Write, check.same);
            });
        });
        return;
    }
    written_.reset();
    finish(mode, end == SessionEnd::Success);
}

void RadioSafety::finish(LinkMode mode, bool success) {
    emit window_.linkSessionFinished(static_cast<int>(mode), success);
}

// --- reads beside the window --------------------------------------------------------------

void RadioSafety::startSideRead(std::string_view what, LinkMode endsAs,
                                std::function<void(const Codeplug&)> done) {
    side_ = std::make_unique<SideRead>();
    SideRead& side = *side_;
    side.codeplug = window_.codeplug();
    side.endsAs = endsAs;
    side.done = std::move(done);
    side.host = std::make_unique<GuiLinkHost>(
        window_, SideSessionHooks{[&side] { side.completed = true; },
                                  [this, &side](SessionEnd end) {
                                      side.ended = true;
                                      // The session is let go once its callbacks are over.
                                      QTimer::singleShot(0, this,
                                                         [this, end] { sideReadFinished(end); });
                                  }});
    side.trace = openTrace(what);
    side.session = std::make_unique<QtLinkSession>(
        window_.ports(),
        LinkSubject{side.codeplug, window_.session().features, window_.session().factoryMode,
                    window_.portSettings(), window_.reporter(), *side.host},
        side.trace.get());
    LinkEngine& engine = side.session->engine();
    if (!window_.link().sessionPassword().empty()) {
        engine.setSessionPassword(window_.link().sessionPassword());
    }
    if (!engine.beginCheckRead()) {
        window_.adviseSerialGroup(side.session->portPermissionRefused());
        if (!side.ended) {
            QTimer::singleShot(0, this, [this] { sideReadFinished(SessionEnd::Failure); });
        }
    }
}

void RadioSafety::sideReadFinished(SessionEnd end) {
    std::unique_ptr<SideRead> side = std::move(side_);
    if (!side) return;
    if (end != SessionEnd::Success || !side->completed) {
        written_.reset();
        finish(side->endsAs, false);
        return;
    }
    side->session.reset();
    side->done(side->codeplug);
}

bool RadioSafety::cancelSideRead() {
    if (!side_ || !side_->session) return false;
    side_->session->engine().cancel();
    return true;
}

void RadioSafety::compareWithRadio() {
    if (side_ || !window_.link().isIdle()) return;
    startSideRead("compare", LinkMode::Read, [this](const Codeplug& radio) {
        if (settings_.backupAfterRead) {
            if (const std::optional<QString> failed = keepBackup(radio)) warnLater(*failed);
        }
        const Language language = window_.session().language;
        CompareDialog changes(CompareCodeplugs(radio, window_.codeplug(), window_.reporter()),
                              BuiltInQ(TextId::ColumnRadio, language), CompareDialog::Purpose::Show,
                              window_.session().texts, &window_);
        changes.exec();
        finish(LinkMode::Read, true);
    });
}

void RadioSafety::fleetProgramming() {
    if (side_ || !window_.link().isIdle()) return;
    FleetDialogSetup setup;
    setup.templ = window_.codeplug();
    // The log names the template by the digest of its saved file pair: the open codeplug
    // counts only as saved.
    const CodeplugFileState& file = window_.codeplug().file;
    if (!file.NoFileName && !window_.document().isModified()) {
        setup.templateFile = file.CurrentFile;
    }
    setup.backupFolder = settings_.backups();
    if (!window_.link().sessionPassword().empty()) {
        setup.password = window_.link().sessionPassword();
    }
    setup.handshakeMode = window_.session().settings.HandshakeMode;
    setup.stopBits = window_.session().settings.StopBits;
    FleetDialog fleet(std::move(setup), window_.ports(), window_.reporter(), &window_);
    fleet.exec();
}

void RadioSafety::compareWithFile() {
    const std::optional<std::filesystem::path> chosen =
        window_.chooseFileToOpen(window_.dataFileFilter(), window_.codeplug().file.CurrentFile);
    if (!chosen) return;
    Codeplug other = window_.codeplug();
    if (!OpenCodeplug(*chosen, other, window_.reporter())) return;
    const Language language = window_.session().language;
    CompareDialog changes(CompareCodeplugs(other, window_.codeplug(), window_.reporter()),
                          BuiltInQ(TextId::ColumnFile, language)
                              .arg(QFileInfo(QString::fromStdString(chosen->string())).fileName()),
                          CompareDialog::Purpose::Show, window_.session().texts, &window_);
    changes.exec();
}

// --- backups and traces -------------------------------------------------------------------

void RadioSafety::mainReadCompleted() {
    if (!settings_.backupAfterRead) return;
    if (const std::optional<QString> failed = keepBackup(window_.codeplug())) warnLater(*failed);
}

void RadioSafety::warnLater(const QString& text) {
    QTimer::singleShot(0, this,
                       [this, text] { window_.reporter().show(Severity::Warning, U(text)); });
}

std::optional<QString> RadioSafety::keepBackup(const Codeplug& read) {
    const BackupResult backup = SaveBackup(read, settings_.backups(), settings_.backupsKept,
                                           std::chrono::system_clock::now());
    const Language language = window_.session().language;
    if (backup.file) {
        window_.statusBar()->showMessage(BuiltInQ(TextId::BackupSaved, language)
                                             .arg(QString::fromStdString(backup.file->string())),
                                         kStatusMessageMs);
        return std::nullopt;
    }
    return BuiltInQ(TextId::BackupFailed, language).arg(Q(backup.error));
}

std::unique_ptr<std::ofstream> RadioSafety::openTrace(std::string_view what) {
    if (!settings_.traceSessions) return nullptr;
    const std::filesystem::path folder = DefaultTraceFolder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::filesystem::path file = folder / (FileTimeStamp(std::chrono::system_clock::now()) +
                                                 "-" + std::string(what) + ".trace");
    auto trace = std::make_unique<std::ofstream>(file, std::ios::out | std::ios::app);
    if (!*trace) return nullptr;
    return trace;
}

void RadioSafety::openBackupFolder() {
    OpenFolder(settings_.backups());
}

void RadioSafety::openTraceFolder() {
    OpenFolder(DefaultTraceFolder());
}

}  // namespace torvik
