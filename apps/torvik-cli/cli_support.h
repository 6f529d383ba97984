// What every torvik-cli verb shares: the terminal reporter, the home and settings of the
// run, exit codes and argument helpers.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "aggregate/codeplug.h"
#include "app/app_home.h"
#include "app/language_texts.h"
#include "app/settings.h"
#include "platform/reporter.h"

namespace torvik::cli {

enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

// Messages on the terminal. Errors are held back so a failing verb can print one line naming
// what failed and why, and the technical reason on a second line when there is one; warnings
// and information go to stderr as they come. Questions are answered "yes" with --yes, asked on
// the terminal when there is one, else refused; a refusal is remembered so the verb can say
// why it stopped.
class TerminalReporter : public Reporter {
  public:
    TerminalReporter(LanguageTexts texts, bool assumeYes);

    Language language() const override { return texts_.language(); }
    std::string langText(int key) const override;
    void show(Severity severity, std::string_view text, std::string_view title) override;
    void showDetailed(Severity severity, std::string_view text, std::string_view detail) override;
    Answer ask(Severity severity, std::string_view text, Buttons buttons,
               std::string_view title) override;

    bool assumesYes() const { return assumeYes_; }

    // The last question that found no terminal to answer it (its text on one line), if any.
    const std::optional<std::string>& unanswerableQuestion() const { return unanswerable_; }
    // Whether the person at the terminal answered the last question (other than Retry) no.
    bool declined() const { return declined_; }
    // Forgets both, before a new session asks its questions.
    void forgetRefusals();

    // The first error message shown, for the failure report, and the reason that came with it.
    const std::string& lastError() const { return lastError_; }
    const std::string& lastErrorDetail() const { return lastErrorDetail_; }

  private:
    LanguageTexts texts_;
    bool assumeYes_;
    std::string lastError_;
    std::string lastErrorDetail_;
    std::optional<std::string> unanswerable_;
    bool declined_ = false;
};

// The run's home, settings and reporter, from the common options.
struct CliContext {
    AppHome home;
    SetupSettings settings;
    bool factoryMode = false;
    bool passwordGiven = false;
    std::optional<TerminalReporter> reporter;
};

// Adds --help to a verb's parser.
void AddHelpOption(QCommandLineParser& parser);
// Adds --help and --home, which every verb that uses the application folder takes.
void AddCommonOptions(QCommandLineParser& parser);
// Adds --yes, for the verbs that can ask a question.
void AddYesOption(QCommandLineParser& parser);

// Parses a verb's arguments (the verb name first). Prints the verb's help, or the one-line
// usage problem, and returns the exit code to end with, or nothing to go on.
std::optional<int> ParseVerb(QCommandLineParser& parser, const QStringList& arguments,
                             int positionalCount, const char* usage);
// The usage error for arguments the parser refused (an unknown option, a missing value).
int OptionError(const QCommandLineParser& parser, const QString& verb);

// The context of a verb whose parser has --home (and --yes when it can ask).
CliContext MakeContext(const QCommandLineParser& parser);

// A codeplug of this run's home, fresh from NewCodeplug for `band`, as the application starts
// with one: a read decodes into it, an open replaces it.
Codeplug FreshCodeplug(const CliContext& context, std::int16_t band = kDefaultBandCode);

// Prints "torvik-cli: <what>" on stderr and returns kFailure.
int Fail(const QString& what);
// Fail() with the first error the reporter held back: "torvik-cli: <what>: <error>", then
// "torvik-cli: reason: <detail>" when the error came with a technical reason.
int FailWithError(const TerminalReporter& reporter, const QString& what);
int UsageError(const QString& what);
// Prints "torvik-cli: reason: <detail>", the technical reason below a failure; nothing when
// there is none.
void PrintReason(std::string_view detail);

// A band code from --band: a code of the band table, else nothing.
std::optional<std::int16_t> ParseBandOption(const QCommandLineParser& parser, int fallback);

}  // namespace torvik::cli
