// What the radio verbs share: the link options, one session run to its end on this
// program's event loop, and the backup every completed read leaves.
#include "cli_session.h"

#include <QEventLoop>
#include <QFileInfo>
#include <cstdio>
#include <fstream>

#include "app/session_settings.h"
#include "cli_link_host.h"
#include "link/link_texts.h"
#include "qtlink/qt_link_session.h"
#include "stop_signals.h"
#include "storage/backups.h"

namespace torvik::cli {

PortId DevicePort(const QString& device) {
    // The serial port takes a name without a folder as a device in /dev and would do the
    // same with a relative path ("radio/tty" as "/dev/radio/tty"): a path is made absolute.
    if (device.contains('/') && QFileInfo(device).isRelative()) {
        return PortId::Device(QFileInfo(device).absoluteFilePath().toStdString());
    }
    return PortId::Device(device.toStdString());
}

namespace {

// The port the options name: --device, else --port, else the stored port number.
std::optional<PortId> ChosenPort(const QCommandLineParser& parser, const CliContext& context) {
    if (parser.isSet("device")) return DevicePort(parser.value("device"));
    if (parser.isSet("port")) {
        bool ok = false;
        const int number = parser.value("port").toInt(&ok);
        if (!ok || number < 1 || number > kMaxPortNumber) return std::nullopt;
        return PortId::Number(number);
    }
    return PortId::Number(context.settings.PortNumber);
}

// "port 1 (/dev/ttyS0)"; a device without a number (a pseudo-terminal) by its path.
std::string PortDescription(const PortId& port, const PortMap& ports) {
    if (port.isDevice()) {
        const std::optional<int> number = ports.numberOf(port.devicePath());
        if (!number) return port.devicePath();
        return "port " + std::to_string(*number) + " (" + port.devicePath() + ")";
    }
    const std::optional<std::string> device = ports.devicePath(port.number());
    return "port " + std::to_string(port.number()) + " (" + device.value_or("no such device") + ")";
}

// Why a session failed, from what its questions, messages and host saw, in this order: a
// question nobody could answer or answered no stops it before any frame, a port that cannot
// be used stops it at any time, a radio that never answered leaves nothing else to tell.
SessionTrouble TroubleOf(const TerminalReporter& reporter, const CliLinkHost& host, bool started) {
    if (reporter.unanswerableQuestion()) return SessionTrouble::Unanswerable;
    if (reporter.declined()) return SessionTrouble::Declined;
    if (reporter.lastError() == reporter.langText(link_text::kPortError))
        return SessionTrouble::PortUnusable;
    if (!started) return SessionTrouble::Other;
    if (host.retryRefused() || !host.radioAnswered()) return SessionTrouble::NoAnswer;
    if (host.passwordProblem() != PasswordProblem::None) return SessionTrouble::Password;
    return SessionTrouble::Other;
}

}  // namespace

PortMap CurrentPorts(const CliContext& context) {
    ProfileFile profile = ProfileFile::Load(context.home.setupProfileForRead());
    PortMap ports(profile);
    if (ports.update(ScanSerialDevices())) {
        // A new adapter keeps the number it got here in the application window too.
        ports.store(profile);
        profile.save(context.home.setupProfile());
    }
    return ports;
}

void AddTraceOutput(const QCommandLineParser& parser, VerbFiles& files) {
    if (parser.isSet("trace")) files.addOutput(parser.value("trace"));
}

void AddLinkOptions(QCommandLineParser& parser, LinkUse use) {
    parser.addOption({"device",
                      "The serial device of the radio (a path such as /dev/ttyUSB0 or "
                      "the virtual radio's pseudo-terminal).",
                      "PATH"});
    parser.addOption({"port", "The port number (see the port list of the application).", "N"});
    parser.addOption({"password", "The radio's programming password.", "TEXT"});
    parser.addOption({"trace",
                      "Write every frame sent and received to FILE: milliseconds, TX or RX, "
                      "the bytes in hex.",
                      "FILE"});
    if (use == LinkUse::Information) return;
    AddYesOption(parser);
    parser.addOption({"backup-dir",
                      "Keep the backup of every codeplug read from the radio in DIR "
                      "(default: $XDG_DATA_HOME/torvik/backups).",
                      "DIR"});
    parser.addOption({"no-backup", "Do not keep a backup of the codeplug read."});
}

SessionResult RunSession(const QCommandLineParser& parser, CliContext& context, Codeplug& codeplug,
                         SessionKind kind) {
    const PortMap ports = CurrentPorts(context);
    const std::optional<PortId> port = ChosenPort(parser, context);
    SessionResult result;
    result.port = PortDescription(*port, ports);
    TerminalReporter& reporter = *context.reporter;
    reporter.forgetRefusals();

    QEventLoop loop;
    FeatureFlags features = ReadFeatureFlags(context.home.featureFile());
    PortSettings settings{*port, context.settings.HandshakeMode, context.settings.StopBits};
    CliLinkHost host(context, codeplug, ports, port, loop);
    std::ofstream trace;
    static bool traceStarted = false;
    if (parser.isSet("trace")) {
        trace.open(parser.value("trace").toStdString(),
                   std::ios::out | (traceStarted ? std::ios::app : std::ios::trunc));
        traceStarted = true;
        if (!trace) {
            reporter.show(Severity::Error,
                          "cannot write the trace file " + parser.value("trace").toStdString(), {});
            return result;
        }
    }
    QtLinkSession session(
        ports, {codeplug, features, context.factoryMode, settings, *context.reporter, host},
        trace.is_open() ? &trace : nullptr);
    LinkEngine& engine = session.engine();
    if (parser.isSet("password")) engine.setSessionPassword(parser.value("password").toStdString());

    StopSignals stop([&engine] { engine.cancel(); });
    const bool started = kind == SessionKind::Read    ? engine.beginRead()
                         : kind == SessionKind::Write ? engine.beginWrite()
                         : kind == SessionKind::Info  ? engine.beginInfoRead()
                                                      : engine.beginCheckRead();
    if (started && !host.finished()) loop.exec();
    result.end = started                 ? host.end()
                 : StopSignals::raised() ? SessionEnd::Cancelled
                                         : SessionEnd::Failure;
    result.trouble = TroubleOf(reporter, host, started);
    result.radioAnswered = host.radioAnswered();
    result.password = host.passwordProblem();
    return result;
}

bool KeepBackup(const QCommandLineParser& parser, const CliContext& context,
                const Codeplug& codeplug, BackupWanted wanted) {
    const SessionSettings session =
        ReadSessionSettings(ProfileFile::Load(context.home.setupProfileForRead()));
    const bool asked = wanted == BackupWanted::Always || parser.isSet("backup-dir");
    if (parser.isSet("no-backup") || (!session.backupAfterRead && !asked)) return true;
    const std::filesystem::path folder =
        parser.isSet("backup-dir") ? std::filesystem::path(parser.value("backup-dir").toStdString())
                                   : session.backups();
    const BackupResult backup =
        SaveBackup(codeplug, folder, session.backupsKept, std::chrono::system_clock::now());
    if (!backup.file) {
        Fail(QString::fromStdString(backup.error));
        return false;
    }
    std::fprintf(stderr, "torvik-cli: backup saved as %s\n", backup.file->c_str());
    return true;
}

int ParseLinkVerb(QCommandLineParser& parser, const QStringList& arguments, int files,
                  const char* usage, CliContext& context) {
    if (auto done = ParseVerb(parser, arguments, files, usage)) return *done;
    context = MakeContext(parser);
    context.passwordGiven = parser.isSet("password");
    if (!ChosenPort(parser, context)) return UsageError("--port needs a number 1..255");
    return -1;
}

}  // namespace torvik::cli
