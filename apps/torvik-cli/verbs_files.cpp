// The file verbs: new, encode, decode, show.
#include <QFile>
#include <QJsonDocument>
#include <cstdio>

#include "aggregate/image_codec.h"
#include "cli_support.h"
#include "codeplug/freq_code.h"
#include "input_files.h"
#include "platform/file_io.h"
#include "storage/codeplug_files.h"
#include "storage/snapshot.h"
#include "textform/codeplug_json.h"
#include "textform/codeplug_summary.h"
#include "verb_files.h"
#include "verbs.h"

namespace torvik::cli {
namespace {

void AddBandOption(QCommandLineParser& parser) {
    parser.addOption({"band", "Band code (see 'torvik-cli bands'); default 3.", "CODE"});
}

}  // namespace

int RunNew(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddBandOption(parser);
    parser.addPositionalArgument("OUT.dat",
                                 "The data file to create (its channel file beside it).");
    if (auto done =
            ParseVerb(parser, arguments, 1, "Make a new codeplug and save it as a file pair.")) {
        return *done;
    }
    const auto band = ParseBandOption(parser, kDefaultBandCode);
    if (!band) return UsageError("unknown band code '" + parser.value("band") + "'");
    CliContext context = MakeContext(parser);
    Codeplug codeplug = FreshCodeplug(context, *band);
    const QString out = parser.positionalArguments().at(0);
    if (!SaveCodeplug(out.toStdString(), codeplug, *context.reporter)) {
        return FailWithError(*context.reporter, "cannot save " + out);
    }
    return kSuccess;
}

int RunEncode(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    parser.addPositionalArgument("IN.dat", "The data file to encode.");
    parser.addPositionalArgument("OUT.img", "The 16384-byte image a write would send.");
    if (auto done = ParseVerb(parser, arguments, 2, "Encode a codeplug into the radio image.")) {
        return *done;
    }
    CliContext context = MakeContext(parser);
    const QString in = parser.positionalArguments().at(0);
    const QString out = parser.positionalArguments().at(1);
    VerbFiles files(context.factoryMode);
    files.addInput(in, FileKind::DataFile);
    files.addOutput(out);
    if (auto refused = files.refuseOutputOverInput()) return *refused;
    Codeplug codeplug = FreshCodeplug(context, kDefaultBandCode);
    if (!OpenDataFile(in, codeplug, *context.reporter)) return kFailure;
    const std::optional<EncodedImage> encoded = EncodeImage(codeplug, *context.reporter);
    if (!encoded) return FailWithError(*context.reporter, "cannot encode " + in);
    const auto& bytes = encoded->image().bytes();
    if (!WriteFileAtomically(
            out.toStdString(),
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        return Fail("cannot write " + out);
    }
    return kSuccess;
}

int RunDecode(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    AddBandOption(parser);
    parser.addPositionalArgument("IN.img", "A 16384-byte radio image.");
    parser.addPositionalArgument("OUT.dat", "The data file to create.");
    if (auto done = ParseVerb(parser, arguments, 2,
                              "Decode a radio image as a completed read does, and save it.")) {
        return *done;
    }
    const auto band = ParseBandOption(parser, kDefaultBandCode);
    if (!band) return UsageError("unknown band code '" + parser.value("band") + "'");
    CliContext context = MakeContext(parser);
    const QString in = parser.positionalArguments().at(0);
    const QString out = parser.positionalArguments().at(1);
    VerbFiles files(context.factoryMode);
    files.addInput(in);
    files.addOutput(out, FileKind::DataFile);
    if (auto refused = files.refuseOutputOverInput()) return *refused;
    const std::optional<std::string> bytes = ReadInputFile(in);
    if (!bytes) return kFailure;
    if (bytes->size() != RadioImage::kSize) {
        return Fail(QString("%1 holds %2 bytes, not a %3-byte radio image")
                        .arg(in)
                        .arg(bytes->size())
                        .arg(RadioImage::kSize));
    }
    Codeplug codeplug = FreshCodeplug(context, *band);
    std::copy(bytes->begin(), bytes->end(), codeplug.image.block(0, RadioImage::kSize).begin());
    DecodeImage(codeplug);
    TakeSnapshot(codeplug);
    if (!SaveCodeplug(out.toStdString(), codeplug, *context.reporter)) {
        return FailWithError(*context.reporter, "cannot save " + out);
    }
    return kSuccess;
}

int RunShow(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    parser.addOption({"json", "Print the whole codeplug as one JSON object."});
    parser.addPositionalArgument("IN.dat", "The data file to show.");
    if (auto done = ParseVerb(parser, arguments, 1, "Show a codeplug.")) return *done;
    CliContext context = MakeContext(parser);
    const QString in = parser.positionalArguments().at(0);
    Codeplug codeplug = FreshCodeplug(context, kDefaultBandCode);
    if (!OpenDataFile(in, codeplug, *context.reporter)) return kFailure;
    if (parser.isSet("json")) {
        std::fputs(
            QJsonDocument(CodeplugToJson(codeplug)).toJson(QJsonDocument::Indented).constData(),
            stdout);
        return kSuccess;
    }
    std::fputs(CodeplugSummary(codeplug, *context.reporter).c_str(), stdout);
    return kSuccess;
}

}  // namespace torvik::cli
