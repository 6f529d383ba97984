// The radio link's host in the application: the progress window, the Retry/Cancel box and
// the password dialog (both opened without blocking, answered when closed), the port
// candidates and settings of the search, and what follows a connection in the main window.
#pragma once

#include <QPointer>
#include <functional>

#include "link/link_host.h"

class QDialog;
class QWidget;

namespace torvik {

class MainWindow;

// What a session beside the window's own does instead when its read completes and when it
// ends; the window's own session leaves both empty.
struct SideSessionHooks {
    std::function<void()> readCompleted;
    std::function<void(SessionEnd)> finished;
};

class GuiLinkHost : public LinkHost {
  public:
    explicit GuiLinkHost(MainWindow& window, SideSessionHooks hooks = {})
        : window_(window), hooks_(std::move(hooks)) {}

    void offerSaveBeforeRead() override;
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

  private:
    // The question's parent: the progress window while it is up, else the main window.
    QWidget* questionParent() const;
    // Shows `dialog` window-modal without blocking; `answer` runs when the person closes it,
    // unless the question was withdrawn first.
    void openQuestion(QDialog* dialog, std::function<void(QDialog&)> answer);

    MainWindow& window_;
    SideSessionHooks hooks_;
    QPointer<QDialog> question_;
};

}  // namespace torvik
