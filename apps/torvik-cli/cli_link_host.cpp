#include "cli_link_host.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "functions/radioinfo/radio_info_codec.h"
#include "stop_signals.h"
#include "storage/snapshot.h"

namespace torvik::cli {
namespace {

constexpr int kBarWidth = 40;

// A line typed without echo, for the password.
std::optional<std::string> ReadHidden(const char* prompt) {
    if (!::isatty(STDIN_FILENO)) return std::nullopt;
    std::fputs(prompt, stderr);
    termios old{};
    ::tcgetattr(STDIN_FILENO, &old);
    termios quiet = old;
    quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
    ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    std::string line;
    const bool ok = static_cast<bool>(std::getline(std::cin, line));
    ::tcsetattr(STDIN_FILENO, TCSANOW, &old);
    std::fputs("\n", stderr);
    if (!ok) return std::nullopt;
    return line;
}

}  // namespace

CliLinkHost::CliLinkHost(CliContext& context, Codeplug& codeplug, const PortMap& ports,
                         std::optional<PortId> explicitPort, QEventLoop& loop)
    : context_(context),
      codeplug_(codeplug),
      ports_(ports),
      explicitPort_(std::move(explicitPort)),
      loop_(loop),
      showProgress_(::isatty(STDERR_FILENO) != 0) {
    questionTimer_.setSingleShot(true);
    QObject::connect(&questionTimer_, &QTimer::timeout, [this] {
        std::function<void()> ask;
        ask.swap(question_);
        // A stop signal came in: the session is being cancelled, the question is void.
        if (ask && !StopSignals::raised()) ask();
    });
}

void CliLinkHost::askLater(std::function<void()> ask) {
    question_ = std::move(ask);
    questionTimer_.start(0);
}

void CliLinkHost::openProgress(std::string_view caption) {
    progressOpen_ = true;
    if (showProgress_)
        std::fprintf(stderr, "%.*s\n", static_cast<int>(caption.size()), caption.data());
    setProgressValue(0);
}

void CliLinkHost::setProgressCaption(std::string_view caption) {
    if (showProgress_)
        std::fprintf(stderr, "\n%.*s\n", static_cast<int>(caption.size()), caption.data());
}

void CliLinkHost::setProgressValue(int percent) {
    if (!showProgress_ || !progressOpen_) return;
    const int filled = percent * kBarWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%",
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kBarWidth - filled), '.').c_str(), percent);
    std::fflush(stderr);
}

void CliLinkHost::closeProgress() {
    if (showProgress_ && progressOpen_) std::fputs("\n", stderr);
    progressOpen_ = false;
}

void CliLinkHost::askRetry(std::string_view text, LinkAnswers& answers) {
    askLater([this, text = std::string(text), &answers] {
        TerminalReporter& reporter = *context_.reporter;
        if (reporter.assumesYes() && yesRetries_ >= kYesRetries) {
            reporter.show(
                Severity::Error,
                "the radio still does not answer after " + std::to_string(kYesRetries) + " retries",
                {});
            retryRefused_ = true;
            answers.answerRetry(false);
            return;
        }
        const bool retry =
            reporter.ask(Severity::Warning, text, Buttons::RetryCancel, {}) == Answer::Retry;
        if (retry && reporter.assumesYes()) ++yesRetries_;
        if (!retry) retryRefused_ = true;
        answers.answerRetry(retry);
    });
}

void CliLinkHost::askPassword(std::string_view, LinkAnswers& answers) {
    radioAnswered_ = true;
    askLater([this, &answers] {
        // A password given on the command line was tried already: asking again cannot help.
        if (context_.passwordGiven) {
            passwordProblem_ = PasswordProblem::GivenWrong;
            answers.answerPassword(std::nullopt);
            return;
        }
        std::optional<std::string> typed = ReadHidden("Radio password: ");
        if (StopSignals::raised()) return;  // Ctrl+C at the prompt: the session stops
        // Should the session fail from here, the password typed was not the radio's.
        passwordProblem_ = typed                         ? PasswordProblem::TypedWrong
                           : ::isatty(STDIN_FILENO) != 0 ? PasswordProblem::NotTyped
                                                         : PasswordProblem::NoTerminal;
        answers.answerPassword(std::move(typed));
    });
}

void CliLinkHost::withdrawQuestion() {
    questionTimer_.stop();
    question_ = nullptr;
}

std::vector<PortId> CliLinkHost::searchCandidates() {
    std::vector<PortId> candidates;
    if (explicitPort_ && explicitPort_->isDevice()) candidates.push_back(*explicitPort_);
    for (const NumberedPort& port : ports_.presentPorts())
        candidates.push_back(PortId::Number(port.number));
    return candidates;
}

void CliLinkHost::savePortSettings(const PortSettings& settings) {
    ProfileFile profile = ProfileFile::Load(context_.home.setupProfileForRead());
    RememberPortSettings(settings, context_.settings, profile);
    profile.save(context_.home.setupProfile());
}

void CliLinkHost::featuresChanged(const FeatureFlags& flags) {
    // The identity reply brings the feature bits: the radio has answered.
    radioAnswered_ = true;
    // Kept between runs, as the application keeps them.
    WriteFeatureFlags(context_.home.featureFile(), flags);
}

void CliLinkHost::readCompleted() {
    AdoptReadCodeplug(codeplug_);
}

void CliLinkHost::infoReadCompleted() {
    UnpackRadioInfo(codeplug_.image, codeplug_.radioInfo);
}

void CliLinkHost::sessionFinished(LinkMode, SessionEnd end) {
    closeProgress();
    finished_ = true;
    end_ = end;
    loop_.quit();
}

}  // namespace torvik::cli
