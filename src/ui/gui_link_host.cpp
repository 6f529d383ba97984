#include "ui/gui_link_host.h"

#include "functions/radioinfo/radio_info_codec.h"
#include "ui/frm_main.h"
#include "ui/frm_password.h"
#include "ui/frm_progress.h"
#include "ui/ui_text.h"

namespace torvik {

void GuiLinkHost::offerSaveBeforeRead() {
    if (!window_.document().isModified()) return;
    const std::string question = U(window_.saveFirstQuestion());
    if (window_.reporter().ask(Severity::Warning, question, Buttons::YesNoCancel) == Answer::Yes) {
        window_.fileSave();
    }
}

void GuiLinkHost::openProgress(std::string_view caption) {
    window_.progressWindow()->start(Q(caption), window_.session().language);
}

void GuiLinkHost::setProgressCaption(std::string_view caption) {
    window_.progressWindow()->setCaption(Q(caption));
}

void GuiLinkHost::SetProgressValue(int percent) {
    window_.progressWindow()->SetProgressValue(percent);
}

void GuiLinkHost::closeProgress() {
    window_.progressWindow()->finish();
}

std::optional<std::string> GuiLinkHost::askPassword(std::string_view current) {
    FrmProgress* progress = window_.progressWindow();
    QWidget* parent = progress->isVisible() ? static_cast<QWidget*>(progress) : &window_;
    return FrmPassWord::Ask(window_.session().texts, current, parent);
}

std::vector<PortId> GuiLinkHost::searchCandidates() {
    PortMap& ports = window_.ports();
    ports.update(ScanSerialDevices());
    std::vector<PortId> candidates;
    for (const NumberedPort& port : ports.presentPorts()) {
        candidates.push_back(PortId::Number(port.number));
    }
    return candidates;
}

void GuiLinkHost::savePortSettings(const PortSettings& settings) {
    window_.saveSetupProfile([&](ProfileFile& profile) {
        RememberPortSettings(settings, window_.session().settings, profile);
    });
}

void GuiLinkHost::featuresChanged(const FeatureFlags&) {
    window_.applyFeatureFlags();
}

void GuiLinkHost::readCompleted() {
    window_.document().adoptRead();
}

void GuiLinkHost::infoReadCompleted() {
    Codeplug& codeplug = window_.document().linkCodeplug();
    UnpackRadioInfo(codeplug.image, codeplug.radioInfo);
    window_.openEditor(EditorId::RadioInfo);
}

void GuiLinkHost::sessionFinished(LinkMode mode, bool success) {
    emit window_.linkSessionFinished(static_cast<int>(mode), success);
}

}  // namespace torvik
