#include "cli_support.h"

#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <utility>

#include "codeplug/band.h"
#include "factory/test_data.h"
#include "link/link_texts.h"
#include "storage/new_codeplug.h"

namespace torvik::cli {
namespace {

// A message box text on one line: its line breaks become spaces.
std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        if (c == '\r') continue;
        line += c == '\n' ? ' ' : c;
    }
    return line;
}

// A verb's --help: its first line names the verb as it is typed, not the program's path.
QString VerbHelp(const QCommandLineParser& parser, const QString& verb) {
    QString text = parser.helpText();
    const QString usage = "Usage: " + QCoreApplication::arguments().value(0);
    if (text.startsWith(usage)) text.replace(0, usage.size(), "Usage: torvik-cli " + verb);
    return text;
}

}  // namespace

void PrintReason(std::string_view detail) {
    if (detail.empty()) return;
    std::fprintf(stderr, "torvik-cli: reason: %.*s\n", static_cast<int>(detail.size()),
                 detail.data());
}

TerminalReporter::TerminalReporter(LanguageTexts texts, bool assumeYes)
    : texts_(std::move(texts)), assumeYes_(assumeYes) {}

std::string TerminalReporter::langText(int key) const {
    std::string text = texts_.langText(key);
    if (!text.empty()) return text;
    // Without language files the radio messages still say something.
    static constexpr std::pair<int, std::string_view> kFallbacks[] = {
        {link_text::kPortError, "the serial port cannot be opened"},
        {link_text::kRetryQuestion, "the radio does not answer; retry?"},
        {link_text::kReadDone, "read completed"},
        {link_text::kWriteDone, "write completed"},
        {link_text::kReadFailed, "the radio could not be read"},
        {link_text::kWriteFailed, "the radio could not be written"},
        {link_text::kInfoReadFailed, "the radio information could not be read"},
    };
    for (const auto& [fallbackKey, fallback] : kFallbacks) {
        if (fallbackKey == key) return std::string(fallback);
    }
    return text;
}

void TerminalReporter::show(Severity severity, std::string_view text, std::string_view) {
    showDetailed(severity, text, {});
}

void TerminalReporter::showDetailed(Severity severity, std::string_view text,
                                    std::string_view detail) {
    if (text.empty()) return;
    if (severity == Severity::Error) {
        // The first error says what went wrong; later ones only say that it failed.
        if (!lastError_.empty()) return;
        lastError_ = std::string(text);
        lastErrorDetail_ = std::string(detail);
        return;
    }
    const char* label = severity == Severity::Warning ? "warning" : "note";
    std::fprintf(stderr, "torvik-cli: %s: %.*s\n", label, static_cast<int>(text.size()),
                 text.data());
    PrintReason(detail);
}

Answer TerminalReporter::ask(Severity, std::string_view text, Buttons buttons, std::string_view) {
    const Answer yes = buttons == Buttons::YesNoCancel   ? Answer::Yes
                       : buttons == Buttons::RetryCancel ? Answer::Retry
                                                         : Answer::Ok;
    const bool interactive = ::isatty(STDIN_FILENO) != 0;
    // Without a terminal a retry cannot wait for the cable to be fixed: give up at once.
    if (buttons == Buttons::RetryCancel && !interactive) return Answer::Cancel;
    if (assumeYes_) return yes;
    if (!interactive) {
        unanswerable_ = OneLine(text);
        return Answer::Cancel;
    }
    std::fprintf(stderr, "%.*s [y/N] ", static_cast<int>(text.size()), text.data());
    std::string line;
    const bool agreed =
        std::getline(std::cin, line) && !line.empty() && (line[0] == 'y' || line[0] == 'Y');
    if (agreed) return yes;
    if (buttons != Buttons::RetryCancel) declined_ = true;
    return Answer::Cancel;
}

void TerminalReporter::forgetRefusals() {
    unanswerable_.reset();
    declined_ = false;
}

void AddHelpOption(QCommandLineParser& parser) {
    parser.addOption({{"h", "help"}, "Show this help."});
}

void AddCommonOptions(QCommandLineParser& parser) {
    AddHelpOption(parser);
    parser.addOption({"home",
                      "Use DIR as the application folder (language files, templates, "
                      "settings). Default: $TORVIK_HOME, else the program's folder when it "
                      "holds them, else the installed data folder.",
                      "DIR"});
}

void AddYesOption(QCommandLineParser& parser) {
    parser.addOption({"yes", "Answer every question with yes/OK."});
}

std::optional<int> ParseVerb(QCommandLineParser& parser, const QStringList& arguments,
                             int positionalCount, const char* usage) {
    const QString verb = arguments.value(0);
    parser.setApplicationDescription(usage);
    if (!parser.parse(arguments)) return OptionError(parser, verb);
    if (parser.isSet("help")) {
        std::fputs(qPrintable(VerbHelp(parser, verb)), stdout);
        return kSuccess;
    }
    if (parser.positionalArguments().size() != positionalCount) {
        return UsageError(QString("expected %1 file argument(s); see --help").arg(positionalCount));
    }
    return std::nullopt;
}

int OptionError(const QCommandLineParser& parser, const QString& verb) {
    QString problem = parser.errorText();
    if (problem.endsWith('.')) problem.chop(1);
    return UsageError(QString("%1 (see 'torvik-cli %2 --help')").arg(problem, verb));
}

CliContext MakeContext(const QCommandLineParser& parser) {
    CliContext context;
    std::optional<std::filesystem::path> explicitHome;
    // The names found on the command line: asking isSet() of an option a verb does not take
    // would make Qt warn.
    const QStringList given = parser.optionNames();
    if (given.contains("home")) explicitHome = parser.value("home").toStdString();
    context.home = ResolveAppHome(explicitHome);
    context.settings = ReadSetupSettings(ProfileFile::Load(context.home.setupProfileForRead()));
    context.factoryMode = DetermineFactoryMode(context.home.factoryMarker());
    const Language language = LanguageForLocale(SystemLocaleName());
    context.reporter.emplace(LanguageTexts::Load(context.home.languageFile(language), language),
                             given.contains("yes"));
    return context;
}

Codeplug FreshCodeplug(const CliContext& context, std::int16_t band) {
    Codeplug codeplug;
    codeplug.factoryMode = context.factoryMode;
    codeplug.band.setCode(band);
    NewCodeplug(codeplug, {context.home.initFolder(), context.settings.FactoryFres != 0});
    return codeplug;
}

int Fail(const QString& what) {
    std::fprintf(stderr, "torvik-cli: %s\n", qPrintable(what));
    return kFailure;
}

int FailWithError(const TerminalReporter& reporter, const QString& what) {
    const std::string& why = reporter.lastError();
    Fail(why.empty() ? what : what + ": " + QString::fromStdString(why));
    PrintReason(reporter.lastErrorDetail());
    return kFailure;
}

int UsageError(const QString& what) {
    std::fprintf(stderr, "torvik-cli: %s\n", qPrintable(what));
    return kUsage;
}

std::optional<std::int16_t> ParseBandOption(const QCommandLineParser& parser, int fallback) {
    if (!parser.isSet("band")) return static_cast<std::int16_t>(fallback);
    bool ok = false;
    const int code = parser.value("band").toInt(&ok);
    if (!ok) return std::nullopt;
    for (int index = 0; index < kBandListSize; ++index) {
        if (BandCodeFromListIndex(index) == code) return static_cast<std::int16_t>(code);
    }
    return std::nullopt;
}

}  // namespace torvik::cli
