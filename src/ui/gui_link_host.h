// The radio link's host in the application: the progress window, the password dialog, the
// port candidates and settings of the search, and what follows a connection in the main
// window.
#pragma once

#include "link/link_host.h"

namespace torvik {

class frmMain;

class GuiLinkHost : public LinkHost {
  public:
    explicit GuiLinkHost(frmMain& window) : window_(window) {}

    void offerSaveBeforeRead() override;
    void openProgress(std::string_view caption) override;
    void setProgressCaption(std::string_view caption) override;
    void SetProgressValue(int percent) override;
    void closeProgress() override;
    std::optional<std::string> askPassword(std::string_view current) override;
    std::vector<PortId> searchCandidates() override;
    void savePortSettings(const PortSettings& settings) override;
    void featuresChanged(const FeatureFlags& flags) override;
    void readCompleted() override;
    void infoReadCompleted() override;
    void sessionFinished(LinkMode mode, bool success) override;

  private:
    frmMain& window_;
};

}  // namespace torvik
