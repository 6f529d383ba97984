#include "verb_print.h"

#include <QGuiApplication>
#include <cstdio>

#include "cli_support.h"
#include "input_files.h"
#include "printing/pdf_export.h"
#include "printing/report_painter.h"
#include "verb_files.h"

namespace torvik::cli {
namespace {

constexpr const char* kDescription =
    "Print the programming report of a codeplug as a PDF file (A4).\n"
    "LIST is a comma list of channels,options,dtmf,2tone,5tone,book,message,alarm\n"
    "(default: all); the sections print in that order whatever the order of LIST.";

// The flags of --sections, or the usage error to end with.
std::optional<int> ParseSections(const QCommandLineParser& parser, PrintFlags& flags) {
    flags = {};
    if (!parser.isSet("sections")) {
        for (const PrintItem item : kPrintedItems) flags[static_cast<std::size_t>(item)] = true;
        return std::nullopt;
    }
    const QStringList names = parser.value("sections").split(',');
    for (const QString& name : names) {
        const auto item = PrintSectionFromName(name.trimmed().toStdString());
        if (!item) return UsageError("unknown section '" + name.trimmed() + "'; see --help");
        flags[static_cast<std::size_t>(*item)] = true;
    }
    return std::nullopt;
}

std::optional<Language> ParseLanguage(const QCommandLineParser& parser) {
    const QString lang = parser.isSet("lang") ? parser.value("lang") : QStringLiteral("en");
    if (lang == "en") return Language::English;
    if (lang == "zh") return Language::Chinese;
    return std::nullopt;
}

int RunPrint(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCommonOptions(parser);
    parser.addOption({"pdf", "The PDF file to write (required).", "OUT.pdf"});
    parser.addOption({"sections", "The sections to print (default: all).", "LIST"});
    parser.addOption({"lang", "The language of the report: en (default) or zh.", "en|zh"});
    parser.addPositionalArgument("IN.dat", "The data file to print.");
    if (auto done = ParseVerb(parser, arguments, 1, kDescription)) return *done;
    if (!parser.isSet("pdf") || parser.value("pdf").isEmpty()) {
        return UsageError("--pdf OUT.pdf is required; see --help");
    }
    PrintFlags flags{};
    if (auto done = ParseSections(parser, flags)) return *done;
    const std::optional<Language> language = ParseLanguage(parser);
    if (!language) return UsageError("--lang takes en or zh, not '" + parser.value("lang") + "'");

    CliContext context = MakeContext(parser);
    const LanguageTexts texts =
        LanguageTexts::Load(context.home.languageFile(*language), *language);
    // The messages in the language of the report; print asks no question.
    context.reporter.emplace(texts, false);
    const QString in = parser.positionalArguments().at(0);
    const QString out = parser.value("pdf");
    VerbFiles files(context.factoryMode);
    files.addInput(in, FileKind::DataFile);
    files.addOutput(out);
    if (auto refused = files.refuseOutputOverInput()) return *refused;
    Codeplug codeplug = FreshCodeplug(context);
    if (!OpenDataFile(in, codeplug, *context.reporter)) return kFailure;
    const ReportSource source{codeplug, texts, ReportDateTimeNow()};
    QString error;
    if (!ExportReportPdf(out, source, flags, &error)) {
        return Fail("cannot write " + out + ": " + error);
    }
    return kSuccess;
}

// Qt's own notes (a missing runtime folder and the like) would break the promise of one line
// on stderr for a failure; its fatal messages still end the program.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "torvik-cli: %s\n", qPrintable(message));
}

}  // namespace

int RunPrintProgram(int argc, char** argv) {
    // The report is painted off screen: no display is needed, nor used when there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunPrint(arguments);
}

}  // namespace torvik::cli
