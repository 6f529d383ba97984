// The interchange verbs: export and import of the memory channels as CSV and of the whole
// codeplug as JSON. The file name's ending chooses the form.
#include <QJsonDocument>
#include <cstdio>

#include "aggregate/reference_repairs.h"
#include "cli_support.h"
#include "input_files.h"
#include "interchange/channel_csv.h"
#include "platform/file_io.h"
#include "storage/codeplug_files.h"
#include "storage/snapshot.h"
#include "textform/codeplug_json.h"
#include "verb_files.h"
#include "verbs.h"

namespace torvik::cli {
namespace {

enum class Form { Csv, Json, Unknown };

Form FormOf(const QString& path) {
    if (path.endsWith(".csv", Qt::CaseInsensitive)) return Form::Csv;
    if (path.endsWith(".json", Qt::CaseInsensitive)) return Form::Json;
    return Form::Unknown;
}

void PrintLineMessages(const QString& file, const char* kind,
                       const std::vector<CsvLineMessage>& messages) {
    for (const CsvLineMessage& m : messages) {
        std::fprintf(stderr, "%s:%d: %s: %s\n", qPrintable(file), m.line, kind, m.text.c_str());
    }
}

int ImportCsv(CliContext& context, const QCommandLineParser& parser, const QString& in,
              const QString& out) {
    Codeplug codeplug;
    if (parser.isSet("base")) {
        codeplug = FreshCodeplug(context);
        if (!OpenDataFile(parser.value("base"), codeplug, *context.reporter)) return kFailure;
    } else {
        const auto band = ParseBandOption(parser, kDefaultBandCode);
        if (!band) return UsageError("unknown band code '" + parser.value("band") + "'");
        codeplug = FreshCodeplug(context, *band);
    }
    const std::optional<std::string> text = ReadInputFile(in);
    if (!text) return kFailure;
    const ChannelCsvImport result = ChannelsFromCsv(*text, codeplug.band, codeplug.channels);
    PrintLineMessages(in, "refused", result.refused);
    PrintLineMessages(in, "note", result.notes);
    if (!result.refused.empty() && (!parser.isSet("partial") || result.channels.empty())) {
        return Fail(QString("%1 refused; nothing written")
                        .arg(result.refused.size() == 1
                                 ? "1 row"
                                 : QString("%1 rows").arg(result.refused.size())));
    }
    codeplug.channels = ReplaceMemoryChannels(codeplug.channels, result.channels);
    RepairReferences(codeplug.channels, codeplug.record);
    if (!SaveCodeplug(out.toStdString(), codeplug, *context.reporter)) {
        return FailWithError(*context.reporter, "cannot save " + out);
    }
    return kSuccess;
}

int ImportJson(CliContext& context, const QString& in, const QString& out) {
    const std::optional<std::string> text = ReadInputFile(in);
    if (!text) return kFailure;
    JsonFieldError error;
    const auto content = CodeplugFromJsonText(QByteArray::fromStdString(*text), error);
    if (!content) {
        return Fail(
            QString("%1: %2 %3; nothing written")
                .arg(in, QString::fromStdString(error.path), QString::fromStdString(error.reason)));
    }
    Codeplug codeplug = FreshCodeplug(context);
    codeplug.snapshot.record = content->record;
    codeplug.snapshot.channels = content->channels;
    RestoreSnapshot(codeplug);
    if (!SaveCodeplug(out.toStdString(), codeplug, *context.reporter)) {
        return FailWithError(*context.reporter, "cannot save " + out);
    }
    return kSuccess;
}

}  // namespace

int RunExport(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    parser.addPositionalArgument("IN.dat", "The data file to export.");
    parser.addPositionalArgument("OUT",
                                 "OUT.csv: the memory channels; OUT.json: the whole codeplug.");
    if (auto done = ParseVerb(parser, arguments, 2,
                              "Export the memory channels as CSV or the codeplug as JSON.")) {
        return *done;
    }
    CliContext context = MakeContext(parser);
    const QString in = parser.positionalArguments().at(0);
    const QString out = parser.positionalArguments().at(1);
    const Form form = FormOf(out);
    if (form == Form::Unknown) return UsageError(out + " ends neither in .csv nor in .json");
    VerbFiles files(context.factoryMode);
    files.addInput(in, FileKind::DataFile);
    files.addOutput(out);
    if (auto refused = files.refuseOutputOverInput()) return *refused;
    Codeplug codeplug = FreshCodeplug(context);
    if (!OpenDataFile(in, codeplug, *context.reporter)) return kFailure;
    std::string bytes;
    if (form == Form::Json) {
        bytes =
            QJsonDocument(CodeplugToJson(codeplug)).toJson(QJsonDocument::Indented).toStdString();
    } else {
        const ChannelCsvExport exported = ChannelsToCsv(codeplug.channels, codeplug.band);
        for (const std::string& note : exported.notes)
            std::fprintf(stderr, "torvik-cli: note: %s\n", note.c_str());
        bytes = exported.text;
    }
    if (!WriteFileAtomically(out.toStdString(), bytes)) return Fail("cannot write " + out);
    return kSuccess;
}

int RunImport(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    parser.addOption(
        {"base", "CSV: the codeplug whose memory channels the rows replace.", "BASE.dat"});
    parser.addOption({"band", "CSV: a new codeplug of this band (default 3).", "CODE"});
    parser.addOption({"partial", "CSV: write the rows taken even when others are refused."});
    parser.addPositionalArgument("IN", "IN.csv: memory channels; IN.json: a whole codeplug.");
    parser.addPositionalArgument("OUT.dat",
                                 "The data file to create (its channel file beside it).");
    if (auto done = ParseVerb(parser, arguments, 2,
                              "Import memory channels from CSV or a codeplug from JSON.")) {
        return *done;
    }
    CliContext context = MakeContext(parser);
    const QString in = parser.positionalArguments().at(0);
    const QString out = parser.positionalArguments().at(1);
    const Form form = FormOf(in);
    if (form == Form::Unknown) return UsageError(in + " ends neither in .csv nor in .json");
    if (parser.isSet("base") && parser.isSet("band")) {
        return UsageError("--base and --band exclude each other");
    }
    VerbFiles files(context.factoryMode);
    files.addInput(in);
    if (parser.isSet("base")) files.addInput(parser.value("base"), FileKind::DataFile);
    files.addOutput(out, FileKind::DataFile);
    if (auto refused = files.refuseOutputOverInput()) return *refused;
    if (form == Form::Json) {
        if (parser.isSet("base") || parser.isSet("band") || parser.isSet("partial")) {
            return UsageError("--base, --band and --partial are for CSV imports");
        }
        return ImportJson(context, in, out);
    }
    return ImportCsv(context, parser, in, out);
}

}  // namespace torvik::cli
