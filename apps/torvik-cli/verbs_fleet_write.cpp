// `fleet write`: one codeplug into many radios at once, each unit of the roster with its own
// values, every port its own sessions on this program's event loop. stdout gets one line per
// unit as it ends ("UNIT DEVICE SERIAL RESULT"), the log one row; a terminal on stderr shows
// one progress line per port.
#include <unistd.h>

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "app/session_settings.h"
#include "cli_session.h"
#include "fleet/fleet_job.h"
#include "platform/file_io.h"
#include "stop_signals.h"
#include "storage/backups.h"
#include "verb_files.h"
#include "verbs_fleet.h"

namespace torvik::cli {
namespace {

// A port given to --device: a device path, or a port number as the port list shows it.
std::optional<PortId> ParsePort(const QString& text) {
    bool number = false;
    const int value = text.toInt(&number);
    if (number) {
        if (value < 1 || value > kMaxPortNumber) return std::nullopt;
        return PortId::Number(value);
    }
    if (text.isEmpty()) return std::nullopt;
    return DevicePort(text);
}

// The job on the terminal: unit lines on stdout, failures on stderr, and on a terminal a
// block of progress lines, one per port, drawn again in place as the ports move on.
class TerminalFleet : public FleetListener {
  public:
    TerminalFleet(QEventLoop& loop, std::size_t ports)
        : loop_(loop), views_(ports), live_(::isatty(STDERR_FILENO) != 0) {}

    void portChanged(std::size_t port, const FleetPortView& view) override {
        const FleetPortView before = views_[port];
        views_[port] = view;
        // A port that ends without a unit says why: no radio, or none of the units is for it.
        if (view.finished && !before.finished && view.unit.empty() && !view.detail.empty()) {
            clear();
            std::fprintf(stderr, "torvik-cli: %s: %s\n", view.device.c_str(), view.detail.c_str());
        }
        draw();
    }

    void unitEnded(const FleetLogRow& row) override {
        clear();
        std::printf("%s %s %s %s\n", row.unit.c_str(), row.device.c_str(),
                    row.serial.empty() ? "-" : row.serial.c_str(),
                    std::string(UnitResultText(row.result)).c_str());
        std::fflush(stdout);
        if (!row.detail.empty() && row.result != UnitResult::Written &&
            row.result != UnitResult::Verified) {
            std::fprintf(stderr, "torvik-cli: unit %s on %s %s: %s\n", row.unit.c_str(),
                         row.device.c_str(), std::string(UnitResultText(row.result)).c_str(),
                         row.detail.c_str());
        }
        if (row.result == UnitResult::Written || row.result == UnitResult::Verified) {
            ++succeeded_;
        }
        draw();
    }

    void jobEnded() override {
        clear();
        loop_.quit();
    }

    int succeeded() const { return succeeded_; }

  private:
    // Removes the progress block, so that a line printed next stands on its own.
    void clear() {
        if (!live_ || drawn_ == 0) return;
        std::fprintf(stderr, "\x1b[%zuA\x1b[J", drawn_);
        drawn_ = 0;
    }
    void draw() {
        if (!live_) return;
        clear();
        for (const FleetPortView& view : views_) {
            std::fprintf(stderr, "%-20.20s %-12.12s %-16.16s %-20s %3d%% %5.0f s\n",
                         view.device.c_str(), view.unit.c_str(), view.serial.c_str(),
                         std::string(FleetStepText(view.step)).c_str(), view.percent, view.seconds);
        }
        drawn_ = views_.size();
        std::fflush(stderr);
    }

    QEventLoop& loop_;
    std::vector<FleetPortView> views_;
    bool live_;
    std::size_t drawn_ = 0;
    int succeeded_ = 0;
};

// fleet-20261211-093005.csv beside the roster.
QString DefaultLogPath(const QString& rosterPath) {
    const QString stamp = QString::fromStdString(FileTimeStamp(std::chrono::system_clock::now()));
    return QFileInfo(rosterPath).absoluteDir().filePath("fleet-" + stamp + ".csv");
}

}  // namespace

int RunFleetWrite(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddRosterCheckOption(parser);
    AddYesOption(parser);
    parser.addPositionalArgument("TEMPLATE.dat", "The codeplug every unit starts from.");
    parser.addPositionalArgument("ROSTER.csv", "One row per unit.");
    parser.addOption({"device",
                      "A port to program radios on: a device path or a port number. Repeat it "
                      "for every port; all of them work at the same time.",
                      "P"});
    parser.addOption({"verify", "Read every radio back after writing and compare."});
    parser.addOption({"log",
                      "The log of the job, one row per unit attempted, appended (default "
                      "fleet-YYYYMMDD-HHMMSS.csv beside the roster).",
                      "LOG.csv"});
    parser.addOption({"resume", "Skip every unit that --log says was written or verified."});
    parser.addOption({"continuous",
                      "Each port waits for the next radio after one is done, until every "
                      "unit is done or the job is stopped."});
    parser.addOption({"password", "The radios' programming password.", "TEXT"});
    parser.addOption({"backup-dir",
                      "Keep the codeplug of every radio, read before writing, in DIR (default: "
                      "a fleet folder in the backup folder). Every backup is kept.",
                      "DIR"});
    parser.addOption({"no-backup", "Do not read the radios before writing them."});
    parser.addOption({"trace-dir", "Write every frame of every unit to a file in DIR.", "DIR"});
    if (auto done = ParseVerb(parser, arguments, 2,
                              "Write the template into many radios at once, each unit with its "
                              "own values: exit 0 every unit succeeded, 1 some failed, 2 usage "
                              "or roster error, 130 stopped.")) {
        return *done;
    }
    std::vector<PortId> ports;
    for (const QString& device : parser.values("device")) {
        const std::optional<PortId> port = ParsePort(device);
        if (!port) return UsageError("--device '" + device + "' is not a device or port number");
        ports.push_back(*port);
    }
    if (ports.empty()) return UsageError("fleet write needs at least one --device");
    if (parser.isSet("no-backup") && parser.isSet("backup-dir")) {
        return UsageError("--backup-dir and --no-backup exclude each other");
    }
    if (parser.isSet("resume") && !parser.isSet("log")) {
        return UsageError("--resume reads the log of the job: give it with --log");
    }
    CliContext context = MakeContext(parser);
    const QString templatePath = parser.positionalArguments().at(0);
    const QString rosterPath = parser.positionalArguments().at(1);
    const QString logPath = parser.isSet("log") ? parser.value("log") : DefaultLogPath(rosterPath);
    VerbFiles files(context.factoryMode);
    files.addInput(templatePath, FileKind::DataFile);
    files.addInput(rosterPath);
    files.addOutput(logPath);
    if (auto refused = files.refuseOutputOverInput()) return *refused;

    Codeplug templ;
    const std::optional<FleetPlan> plan = LoadFleetPlan(parser, context, templ);
    if (!plan || !plan->refused.empty()) return kUsage;
    const std::optional<std::string> digest = TemplateDigest(templatePath.toStdString());
    if (!digest) return UsageError("cannot read " + templatePath + " and its channel file");

    std::set<std::string> finished;
    if (parser.isSet("resume")) {
        if (const std::optional<std::string> log = ReadWholeFile(logPath.toStdString())) {
            finished = FinishedUnits(*log);
        } else if (QFileInfo::exists(logPath)) {
            return UsageError("cannot read the log " + logPath);
        }
    }
    const std::size_t left =
        std::count_if(plan->units.begin(), plan->units.end(),
                      [&](const UnitPlan& u) { return finished.count(u.unit.unit) == 0; });
    if (left == 0) {
        std::fprintf(stderr, "torvik-cli: every unit of the roster is done already (%s)\n",
                     qPrintable(logPath));
        return kSuccess;
    }

    FleetJobOptions options;
    options.verify = parser.isSet("verify");
    options.continuous = parser.isSet("continuous");
    if (parser.isSet("password")) options.password = parser.value("password").toStdString();
    if (parser.isSet("backup-dir")) {
        options.backupFolder = parser.value("backup-dir").toStdString();
    } else if (!parser.isSet("no-backup")) {
        const SessionSettings session =
            ReadSessionSettings(ProfileFile::Load(context.home.setupProfileForRead()));
        options.backupFolder =
            session.backups() / ("fleet-" + FileTimeStamp(std::chrono::system_clock::now()));
    }
    if (parser.isSet("trace-dir")) {
        options.traceFolder = parser.value("trace-dir").toStdString();
        std::error_code error;
        std::filesystem::create_directories(*options.traceFolder, error);
        if (!std::filesystem::is_directory(*options.traceFolder)) {
            return UsageError("cannot make the trace folder " + parser.value("trace-dir"));
        }
    }
    options.templateDigest = *digest;
    options.handshakeMode = context.settings.HandshakeMode;
    options.stopBits = context.settings.StopBits;

    const std::string question = "Write " + templatePath.toStdString() + " into " +
                                 std::to_string(left) + (left == 1 ? " unit" : " units") + " on " +
                                 std::to_string(ports.size()) +
                                 (ports.size() == 1 ? " port?" : " ports?");
    if (context.reporter->ask(Severity::Question, question, Buttons::OkCancel, {}) != Answer::Ok) {
        if (context.reporter->unanswerableQuestion()) {
            return Fail(QString::fromStdString(question) +
                        " (no terminal to answer it; --yes answers yes)");
        }
        return Fail("fleet write was cancelled");
    }

    const std::unique_ptr<FleetLogFile> log = FleetLogFile::Open(logPath.toStdString());
    if (!log) return UsageError("cannot write the log " + logPath);
    const PortMap portMap = CurrentPorts(context);
    const Codeplug blank = FreshCodeplug(context);
    QEventLoop loop;
    TerminalFleet terminal(loop, ports.size());
    FleetJob job(plan->units, finished, ports, blank, options, portMap, *context.reporter,
                 log.get(), terminal);
    StopSignals stop([&job] { job.stop(); });
    job.start();
    if (!job.ended()) loop.exec();

    const int failures = job.failures();
    std::fprintf(stderr, "torvik-cli: %d of %zu units done, %d failed; log: %s\n",
                 terminal.succeeded(), left, failures, qPrintable(logPath));
    if (job.stopping() || StopSignals::raised()) {
        std::fprintf(stderr,
                     "torvik-cli: stopped; units logged stopped must be written again "
                     "(--resume --log %s)\n",
                     qPrintable(logPath));
        return kStopped;
    }
    return failures > 0 ? kFailure : kSuccess;
}

}  // namespace torvik::cli
