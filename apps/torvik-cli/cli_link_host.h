// The radio link as the terminal shows it: a progress bar on stderr when it is a terminal,
// the password from --password or a prompt, Retry/Cancel on the terminal (--yes retries at
// most kYesRetries times), the port settings the search finds kept in the setup profile.
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "aggregate/codeplug.h"
#include "cli_support.h"
#include "link/link_host.h"
#include "link/serial/port_map.h"

namespace torvik::cli {

// How often --yes answers Retry in one session before it gives up.
inline constexpr int kYesRetries = 3;

// Why a password the radio asked for could not be given.
enum class PasswordProblem { None, NoTerminal, NotTyped, GivenWrong, TypedWrong };

class CliLinkHost : public LinkHost {
  public:
    CliLinkHost(CliContext& context, Codeplug& codeplug, const PortMap& ports,
                std::optional<PortId> explicitPort, QEventLoop& loop);

    void offerSaveBeforeRead() override {}
    void openProgress(std::string_view caption) override;
    void setProgressCaption(std::string_view caption) override;
    void setProgressValue(int percent) override;
    void closeProgress() override;
    void askRetry(std::string_view text, LinkAnswers& answers) override;
    void askPassword(std::string_view current, LinkAnswers& answers) override;
    void withdrawQuestion() override;
    std::vector<PortId> searchCandidates() override;
    void savePortSettings(const PortSettings& settings) override;
    void featuresChanged(const FeatureFlags& flags) override;
    void readCompleted() override;
    void infoReadCompleted() override;
    void sessionFinished(LinkMode mode, SessionEnd end) override;

    bool finished() const { return finished_; }
    SessionEnd end() const { return end_; }

    // What the session saw of the radio, for the report of a failure: whether it answered at
    // all (its identity came), whether a time-out's Retry was refused, and the password.
    bool radioAnswered() const { return radioAnswered_; }
    bool retryRefused() const { return retryRefused_; }
    PasswordProblem passwordProblem() const { return passwordProblem_; }

  private:
    CliContext& context_;
    Codeplug& codeplug_;
    const PortMap& ports_;
    std::optional<PortId> explicitPort_;
    QEventLoop& loop_;
    bool showProgress_;
    bool progressOpen_ = false;
    bool finished_ = false;
    SessionEnd end_ = SessionEnd::Failure;
    // A question is asked from the event loop, after the engine's call has returned.
    void askLater(std::function<void()> ask);
    QTimer questionTimer_;
    std::function<void()> question_;
    int yesRetries_ = 0;
    bool radioAnswered_ = false;
    bool retryRefused_ = false;
    PasswordProblem passwordProblem_ = PasswordProblem::None;
};

}  // namespace torvik::cli
