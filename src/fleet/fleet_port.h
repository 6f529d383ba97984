// One port of a fleet job: its radio sessions one after the other (identify, back up, write,
// verify), each a QtLinkSession of its own. It is the sessions' host and reporter: nobody sits
// at the port, so the questions are answered by the job's rules (the confirmation yes, a
// silent radio retried a few times, the password from the job) and the messages kept as the
// unit's detail.
#pragma once

#include <QTimer>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "aggregate/image_codec.h"
#include "fleet/fleet_job.h"
#include "link/link_host.h"
#include "qtlink/qt_link_session.h"

namespace torvik {

class FleetPort final : public LinkHost, public Reporter {
  public:
    FleetPort(FleetJob& job, std::size_t index, PortId port);
    ~FleetPort() override;

    void start();
    void stop();
    const FleetPortView& view() const { return view_; }
    bool finished() const { return view_.finished; }

    // Reporter: the sessions' messages and questions.
    Language language() const override { return job_.texts_.language(); }
    std::string langText(int key) const override { return job_.texts_.langText(key); }
    void show(Severity severity, std::string_view text, std::string_view title = {}) override;
    void showDetailed(Severity severity, std::string_view text, std::string_view detail) override;
    Answer ask(Severity severity, std::string_view text, Buttons buttons,
               std::string_view title = {}) override;

    // LinkHost.
    void offerSaveBeforeRead() override {}
    void openProgress(std::string_view caption) override;
    void setProgressCaption(std::string_view) override {}
    void setProgressValue(int percent) override;
    void closeProgress() override {}
    void askRetry(std::string_view text, LinkAnswers& answers) override;
    void askPassword(std::string_view current, LinkAnswers& answers) override;
    void withdrawQuestion() override;
    std::vector<PortId> searchCandidates() override { return {port_}; }
    // The job's ports keep the settings they were given: parallel sessions must not rewrite
    // the shared set-up.
    void savePortSettings(const PortSettings&) override {}
    // The identity reply brings the feature bits: the radio has answered.
    void featuresChanged(const FeatureFlags&) override { radioAnswered_ = true; }
    void readCompleted() override;
    void infoReadCompleted() override;
    void sessionFinished(LinkMode mode, SessionEnd end) override;

  private:
    // Starts a session of `kind` on `codeplug`; false when it could not start (its end has
    // then been handled).
    bool begin(FleetStep step, Codeplug& codeplug);
    void afterSession();
    void identify();
    void identified();
    void takeUnit();
    void backedUp();
    void written();
    void verified();
    void endUnit(UnitResult result, std::string detail);
    void noRadio();
    void waitForRadio();
    void finish(FleetStep step, std::string detail);
    void changed();
    std::string failureDetail(std::string_view fallback) const;

    FleetJob& job_;
    std::size_t index_;
    PortId port_;
    std::string device_;
    FleetPortView view_;

    FeatureFlags features_;
    PortSettings settings_;
    std::unique_ptr<QtLinkSession> session_;
    std::ofstream trace_;
    Codeplug identity_;  // what the identification read
    Codeplug backup_;    // what the backup read
    Codeplug outgoing_;  // the unit's codeplug, as written
    Codeplug readBack_;  // what the check read
    std::optional<EncodedImage> written_;

    FleetJob::Unit* unit_ = nullptr;
    std::chrono::steady_clock::time_point unitStart_;
    SessionEnd lastEnd_ = SessionEnd::Failure;
    std::vector<std::string> errors_;  // the messages of the session that just ended
    bool radioAnswered_ = false;
    bool passwordRefused_ = false;
    int retriesLeft_ = 0;
    int identifyAttemptsLeft_ = 0;
    // With --continuous a radio without a serial number is taken only after the port has
    // seen no radio, so the one just written is not written again.
    bool radioAbsentSinceLastUnit_ = true;
    bool stopRequested_ = false;

    QTimer pollTimer_;    // the next identification
    QTimer answerTimer_;  // a question's answer, given after the engine's call returns
    std::function<void()> answer_;
    QTimer nextTimer_;  // the next step, after the session's last call has returned
};

}  // namespace torvik
