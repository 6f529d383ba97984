// The radio link as the terminal shows it: a progress bar on stderr when it is a terminal,
// the password from --password or a prompt, the port settings the search finds kept in the
// setup profile.
#pragma once

#include <QEventLoop>
#include <optional>
#include <string>

#include "aggregate/codeplug.h"
#include "cli_support.h"
#include "link/link_host.h"
#include "link/serial/port_map.h"

namespace torvik::cli {

class CliLinkHost : public LinkHost {
  public:
    CliLinkHost(CliContext& context, Codeplug& codeplug, const PortMap& ports,
                std::optional<PortId> explicitPort, QEventLoop& loop);

    void offerSaveBeforeRead() override {}
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

    bool finished() const { return finished_; }
    bool succeeded() const { return succeeded_; }

  private:
    CliContext& context_;
    Codeplug& codeplug_;
    const PortMap& ports_;
    std::optional<PortId> explicitPort_;
    QEventLoop& loop_;
    bool showProgress_;
    bool progressOpen_ = false;
    bool finished_ = false;
    bool succeeded_ = false;
};

}  // namespace torvik::cli
