// The radio verbs: read, write, info. The same engine as the application drives the port,
// on this program's event loop.
#include <QEventLoop>
#include <cstdio>
#include <fstream>

#include "aggregate/image_codec.h"
#include "cli_link_host.h"
#include "cli_support.h"
#include "functions/radioinfo/radio_info_text.h"
#include "link/link_engine.h"
#include "link/write_check.h"
#include "qtlink/qt_link_session.h"
#include "stop_signals.h"
#include "storage/codeplug_files.h"
#include "verbs.h"

namespace torvik::cli {
namespace {

void AddLinkOptions(QCommandLineParser& parser) {
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
}

// The port the options name: --device, else --port, else the stored port number.
std::optional<PortId> ChosenPort(const QCommandLineParser& parser, const CliContext& context) {
    if (parser.isSet("device")) return PortId::Device(parser.value("device").toStdString());
    if (parser.isSet("port")) {
        bool ok = false;
        const int number = parser.value("port").toInt(&ok);
        if (!ok || number < 1 || number > kMaxPortNumber) return std::nullopt;
        return PortId::Number(number);
    }
    return PortId::Number(context.settings.PortNumber);
}

// How a connection starts: the three verbs, and the read that checks a write (its trace
// goes on after the write's).
enum class SessionKind { Read, Write, Info, CheckRead };

// Runs one connection to its end; Ctrl+C or SIGTERM stop it.
SessionEnd RunSession(const QCommandLineParser& parser, CliContext& context, Codeplug& codeplug,
                      SessionKind kind) {
    ProfileFile profile = ProfileFile::Load(context.home.setupProfileForRead());
    PortMap ports(profile);
    if (ports.update(ScanSerialDevices())) {
        // A new adapter keeps the number it got here in the application window too.
        ports.store(profile);
        profile.save(context.home.setupProfile());
    }
    const std::optional<PortId> port = ChosenPort(parser, context);

    QEventLoop loop;
    FeatureFlags features = ReadFeatureFlags(context.home.featureFile());
    PortSettings settings{*port, context.settings.HandshakeMode, context.settings.StopBits};
    CliLinkHost host(context, codeplug, ports, port, loop);
    std::ofstream trace;
    if (parser.isSet("trace")) {
        trace.open(
            parser.value("trace").toStdString(),
            std::ios::out | (kind == SessionKind::CheckRead ? std::ios::app : std::ios::trunc));
        if (!trace) {
            context.reporter->show(
                Severity::Error,
                "cannot write the trace file " + parser.value("trace").toStdString(), {});
            return SessionEnd::Failure;
        }
    }
    QtLinkSession session(
        ports, {codeplug, features, context.factoryMode, settings, *context.reporter, host},
        trace.is_open() ? &trace : nullptr);
    LinkEngine& engine = session.engine();
    if (parser.isSet("password")) engine.setSessionPassword(parser.value("password").toStdString());

    StopSignals stop([&engine] { engine.Cancel(); });
    const bool started = kind == SessionKind::Read    ? engine.BeginRead()
                         : kind == SessionKind::Write ? engine.BeginWrite()
                         : kind == SessionKind::Info  ? engine.BeginInfoRead()
                                                      : engine.BeginCheckRead();
    if (!started) return StopSignals::raised() ? SessionEnd::Cancelled : SessionEnd::Failure;
    if (!host.finished()) loop.exec();
    return host.end();
}

// The exit status of a session that did not succeed, after its report.
int SessionFailed(SessionEnd end, const TerminalReporter& reporter, const QString& what) {
    if (end == SessionEnd::Cancelled) {
        Fail(what + " was cancelled");
        return kStopped;
    }
    return FailWithError(reporter, what + " failed");
}

int ParseLinkVerb(QCommandLineParser& parser, const QStringList& arguments, int files,
                  const char* usage, CliContext& context) {
    if (auto done = ParseVerb(parser, arguments, files, usage)) return *done;
    context = MakeContext(parser);
    context.passwordGiven = parser.isSet("password");
    if (!ChosenPort(parser, context)) return UsageError("--port needs a number 1..255");
    return -1;
}

}  // namespace

int RunRead(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddLinkOptions(parser);
    parser.addPositionalArgument("OUT.dat", "The data file to save what was read into.");
    CliContext context;
    if (int done = ParseLinkVerb(parser, arguments, 1, "Read the codeplug of a radio.", context);
        done >= 0) {
        return done;
    }
    Codeplug codeplug = FreshCodeplug(context);
    if (const SessionEnd end = RunSession(parser, context, codeplug, SessionKind::Read);
        end != SessionEnd::Success) {
        return SessionFailed(end, *context.reporter, "reading from the radio");
    }
    const QString out = parser.positionalArguments().at(0);
    if (!SaveCodeplug(out.toStdString(), codeplug, *context.reporter)) {
        return FailWithError(*context.reporter, "cannot save " + out);
    }
    return kSuccess;
}

int RunWrite(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddLinkOptions(parser);
    parser.addPositionalArgument("IN.dat", "The data file to write into the radio.");
    parser.addOption({"verify",
                      "Read the radio back after writing and compare: a difference fails, "
                      "naming the channels and areas that differ."});
    CliContext context;
    if (int done = ParseLinkVerb(parser, arguments, 1, "Write a codeplug into a radio.", context);
        done >= 0) {
        return done;
    }
    Codeplug codeplug = FreshCodeplug(context);
    const QString in = parser.positionalArguments().at(0);
    if (!OpenCodeplug(in.toStdString(), codeplug, *context.reporter)) {
        return FailWithError(*context.reporter, "cannot open " + in);
    }
    // The image the write sends, kept for the check; encoding is repeatable.
    std::optional<EncodedImage> written;
    if (parser.isSet("verify")) {
        Codeplug copy = codeplug;
        written = EncodeImage(copy, *context.reporter);
    }
    if (const SessionEnd end = RunSession(parser, context, codeplug, SessionKind::Write);
        end != SessionEnd::Success) {
        return SessionFailed(end, *context.reporter, "writing to the radio");
    }
    if (!written) return kSuccess;
    Codeplug readBack = FreshCodeplug(context);
    if (const SessionEnd end = RunSession(parser, context, readBack, SessionKind::CheckRead);
        end != SessionEnd::Success) {
        return SessionFailed(end, *context.reporter, "reading the radio back to verify");
    }
    const WriteCheck check = CheckWrittenImage(written->image(), readBack, *context.reporter);
    if (!check.same) {
        Fail(QString("verify failed: %1 of the blocks written differ in the radio, in %2; "
                     "write it again")
                 .arg(check.blocks.size())
                 .arg(QString::fromStdString(JoinAreas(check.areas))));
        return kFailure;
    }
    std::fprintf(stderr, "torvik-cli: verified: the radio holds what was written\n");
    return kSuccess;
}

int RunInfo(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddLinkOptions(parser);
    CliContext context;
    if (int done =
            ParseLinkVerb(parser, arguments, 0, "Show the radio's embedded information.", context);
        done >= 0) {
        return done;
    }
    Codeplug codeplug;
    if (const SessionEnd end = RunSession(parser, context, codeplug, SessionKind::Info);
        end != SessionEnd::Success) {
        return SessionFailed(end, *context.reporter, "reading the radio information");
    }
    const RadioInfoDisplay info = DisplayRadioInfo(codeplug.radioInfo);
    const std::pair<const char*, const std::string*> rows[] = {
        {"Model", &codeplug.identity.RadioModel},
        {"Version", &codeplug.identity.RadioVersion},
        {"Area code", &info.areaCode},
        {"Serial number", &info.serialNumber},
        {"Production date", &info.productionDate},
        {"Maintenance date", &info.maintenanceDate},
        {"Maintenance reason", &info.maintenanceReason},
        {"Firmware", &info.versionText},
        {"Production batch", &info.productionBatch},
        {"Customer code", &info.customerCode},
        {"Dealer code", &info.dealerCode},
        {"Stock date", &info.stockDate},
        {"Sell date", &info.sellDate},
        {"Seller", &info.seller},
    };
    for (const auto& [label, value] : rows) std::printf("%-19s %s\n", label, value->c_str());
    std::printf("%-19s %d\n", "Band", codeplug.identity.RadioBandCode);
    return kSuccess;
}

}  // namespace torvik::cli
