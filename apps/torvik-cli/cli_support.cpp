#include "cli_support.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <utility>

#include "codeplug/band.h"
#include "factory/test_data.h"
#include "link/link_texts.h"
#include "storage/new_codeplug.h"

namespace torvik::cli {
namespace {

// The technical reason of a message, on a line of its own below it.
void PrintReason(std::string_view detail) {
    if (detail.empty()) return;
    std::fprintf(stderr, "torvik-cli: reason: %.*s\n", static_cast<int>(detail.size()),
                 detail.data());
}

}  // namespace

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
    if (!interactive) return Answer::Cancel;
    std::fprintf(stderr, "%.*s [y/N] ", static_cast<int>(text.size()), text.data());
    std::string line;
    if (!std::getline(std::cin, line)) return Answer::Cancel;
    return !line.empty() && (line[0] == 'y' || line[0] == 'Y') ? yes : Answer::Cancel;
}

void AddCommonOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addOption({"home",
                      "Use DIR as the application folder (language files, templates, "
                      "settings). Default: $TORVIK_HOME, else the program's folder when it "
                      "holds them, else the installed data folder.",
                      "DIR"});
    parser.addOption({"yes", "Answer every question with yes/OK."});
}

std::optional<int> ParseVerb(QCommandLineParser& parser, const QStringList& arguments,
                             int positionalCount, const char* usage) {
    parser.setApplicationDescription(usage);
    if (!parser.parse(arguments)) return UsageError(parser.errorText());
    if (parser.isSet("help")) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return kSuccess;
    }
    if (parser.positionalArguments().size() != positionalCount) {
        return UsageError(QString("expected %1 file argument(s); see --help").arg(positionalCount));
    }
    return std::nullopt;
}

CliContext MakeContext(const QCommandLineParser& parser) {
    CliContext context;
    std::optional<std::filesystem::path> explicitHome;
    if (parser.isSet("home")) explicitHome = parser.value("home").toStdString();
    context.home = ResolveAppHome(explicitHome);
    context.settings = ReadSetupSettings(ProfileFile::Load(context.home.setupProfileForRead()));
    context.factoryMode = DetermineFactoryMode(context.home.factoryMarker());
    const Language language = LanguageForLocale(SystemLocaleName());
    context.reporter.emplace(LanguageTexts::Load(context.home.languageFile(language), language),
                             parser.isSet("yes"));
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
