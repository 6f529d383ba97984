// The radio verbs: read, write, info. The same engine as the application drives the port,
// on this program's event loop.
#include <cstdio>

#include "aggregate/image_codec.h"
#include "cli_session.h"
#include "functions/radioinfo/radio_info_text.h"
#include "input_files.h"
#include "link/write_check.h"
#include "stop_signals.h"
#include "storage/codeplug_files.h"
#include "verbs.h"

namespace torvik::cli {

int RunRead(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddLinkOptions(parser, LinkUse::Codeplug);
    parser.addPositionalArgument("OUT.dat", "The data file to save what was read into.");
    CliContext context;
    if (int done = ParseLinkVerb(parser, arguments, 1, "Read the codeplug of a radio.", context);
        done >= 0) {
        return done;
    }
    Codeplug codeplug = FreshCodeplug(context);
    if (const SessionResult result = RunSession(parser, context, codeplug, SessionKind::Read);
        !result.succeeded()) {
        return SessionFailed(result, *context.reporter, "reading from the radio");
    }
    // The backup is kept even when OUT cannot be saved, so the read is not lost; a backup
    // that cannot be written is said, and OUT still counts.
    KeepBackup(parser, context, codeplug, BackupWanted::AsSetUp);
    const QString out = parser.positionalArguments().at(0);
    if (!SaveCodeplug(out.toStdString(), codeplug, *context.reporter)) {
        return FailWithError(*context.reporter, "cannot save " + out);
    }
    return kSuccess;
}

int RunWrite(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddLinkOptions(parser, LinkUse::Codeplug);
    parser.addPositionalArgument("IN.dat", "The data file to write into the radio.");
    parser.addOption({"verify",
                      "Read the radio back after writing and compare: a difference fails, "
                      "naming the channels and areas that differ."});
    parser.addOption({"backup-first",
                      "Read the radio into the backup folder before writing; no backup, no "
                      "write."});
    CliContext context;
    if (int done = ParseLinkVerb(parser, arguments, 1, "Write a codeplug into a radio.", context);
        done >= 0) {
        return done;
    }
    const QString in = parser.positionalArguments().at(0);
    VerbFiles files(context.factoryMode);
    files.addInput(in, FileKind::DataFile);
    AddTraceOutput(parser, files);
    if (auto refused = files.refuseOutputOverInput()) return *refused;
    Codeplug codeplug = FreshCodeplug(context);
    if (!OpenDataFile(in, codeplug, *context.reporter)) return kFailure;
    if (parser.isSet("backup-first")) {
        if (parser.isSet("no-backup")) return UsageError("--backup-first needs a backup");
        Codeplug previous = FreshCodeplug(context);
        if (const SessionResult result = RunSession(parser, context, previous, SessionKind::Read);
            !result.succeeded()) {
            return SessionFailed(result, *context.reporter, "reading the radio for its backup");
        }
        if (!KeepBackup(parser, context, previous, BackupWanted::Always))
            return Fail("nothing was written");
    }
    // The image the write sends, kept for the check; encoding is repeatable.
    std::optional<EncodedImage> written;
    if (parser.isSet("verify")) {
        Codeplug copy = codeplug;
        written = EncodeImage(copy, *context.reporter);
    }
    if (const SessionResult result = RunSession(parser, context, codeplug, SessionKind::Write);
        !result.succeeded()) {
        return SessionFailed(result, *context.reporter, "writing to the radio");
    }
    if (!written) return kSuccess;
    Codeplug readBack = FreshCodeplug(context);
    if (const SessionResult result = RunSession(parser, context, readBack, SessionKind::CheckRead);
        !result.succeeded()) {
        return SessionFailed(result, *context.reporter, "reading the radio back to verify");
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
    AddLinkOptions(parser, LinkUse::Information);
    CliContext context;
    if (int done =
            ParseLinkVerb(parser, arguments, 0, "Show the radio's embedded information.", context);
        done >= 0) {
        return done;
    }
    Codeplug codeplug;
    if (const SessionResult result = RunSession(parser, context, codeplug, SessionKind::Info);
        !result.succeeded()) {
        return SessionFailed(result, *context.reporter, "reading the radio information");
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
