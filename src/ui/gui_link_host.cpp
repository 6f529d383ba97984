#include "ui/gui_link_host.h"

#include <QMessageBox>

#include "functions/radioinfo/radio_info_codec.h"
#include "ui/main_window.h"
#include "ui/password_dialog.h"
#include "ui/progress_dialog.h"
#include "ui/safety/radio_safety.h"
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
    window_.progressWindow()->start(Q(caption), window_.session().texts);
}

void GuiLinkHost::setProgressCaption(std::string_view caption) {
    window_.progressWindow()->setCaption(Q(caption));
}

void GuiLinkHost::setProgressValue(int percent) {
    window_.progressWindow()->setProgressValue(percent);
}

void GuiLinkHost::closeProgress() {
    window_.progressWindow()->finish();
}

QWidget* GuiLinkHost::questionParent() const {
    ProgressDialog* progress = window_.progressWindow();
    return progress->isVisible() ? static_cast<QWidget*>(progress) : &window_;
}

void GuiLinkHost::openQuestion(QDialog* dialog, std::function<void(QDialog&)> answer) {
    withdrawQuestion();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    question_ = dialog;
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [this, dialog, answer = std::move(answer)] {
                         if (question_ != dialog) return;  // withdrawn
                         question_ = nullptr;
                         answer(*dialog);
                     });
    dialog->open();
}

void GuiLinkHost::askRetry(std::string_view text, LinkAnswers& answers) {
    QMessageBox* box = window_.guiReporter().makeBox(Severity::Warning, text, Buttons::RetryCancel,
                                                     {}, {}, questionParent());
    openQuestion(box, [&answers](QDialog& dialog) {
        auto& b = static_cast<QMessageBox&>(dialog);
        answers.answerRetry(b.clickedButton() == b.button(QMessageBox::Retry));
    });
}

void GuiLinkHost::askPassword(std::string_view current, LinkAnswers& answers) {
    auto* dialog = new PasswordDialog(window_.session().texts, current, questionParent());
    openQuestion(dialog, [&answers](QDialog& d) {
        auto& password = static_cast<PasswordDialog&>(d);
        answers.answerPassword(d.result() == QDialog::Accepted
                                   ? std::optional<std::string>(password.typed())
                                   : std::nullopt);
    });
}

void GuiLinkHost::withdrawQuestion() {
    if (QDialog* dialog = question_) {
        question_ = nullptr;
        dialog->close();
    }
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
    if (hooks_.readCompleted) {
        hooks_.readCompleted();
        return;
    }
    window_.document().adoptRead();
    window_.safety().mainReadCompleted();
}

void GuiLinkHost::infoReadCompleted() {
    Codeplug& codeplug = window_.document().linkCodeplug();
    UnpackRadioInfo(codeplug.image, codeplug.radioInfo);
    window_.openEditor(EditorId::RadioInfo);
}

void GuiLinkHost::sessionFinished(LinkMode mode, SessionEnd end) {
    if (hooks_.finished) {
        hooks_.finished(end);
        return;
    }
    window_.safety().mainSessionFinished(mode, end);
}

}  // namespace torvik
