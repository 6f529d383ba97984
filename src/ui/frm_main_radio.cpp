// The main window's radio commands and settings dialogs: read, write, radio information,
// password, serial port, model and band, language, about.
#include <QSettings>

#include "link/serial/port_map.h"
#include "qtlink/port_failure.h"
#include "ui/frm_about.h"
#include "ui/frm_comset.h"
#include "ui/frm_language.h"
#include "ui/frm_main.h"
#include "ui/frm_model.h"
#include "ui/frm_password.h"
#include "ui/safety/radio_safety.h"
#include "ui/ui_text.h"

namespace torvik {

void frmMain::readFromRadio() {
    if (safety_->busy()) return;
    renewLink("read");
    if (!link().BeginRead()) adviseSerialGroup(linkPermissionRefused());
}

void frmMain::writeToRadio() {
    safety_->write();
}

void frmMain::ReadRMGDataFromRadio() {
    if (safety_->busy()) return;
    renewLink("info");
    if (!link().BeginInfoRead()) adviseSerialGroup(linkPermissionRefused());
}

bool frmMain::adviseSerialGroup(bool refused) {
    if (!refused) return false;
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kSettingsGroup);
    if (settings.value(kSerialGroupAdvisedKey).toBool()) return false;
    settings.setValue(kSerialGroupAdvisedKey, true);
    const QString text = UiTextQ(UiText::SerialGroupAdvice, session_.language) + "\n\n" +
                         Q(JoinSerialGroupAdvice());
    reporter_.show(Severity::Information, U(text));
    return true;
}

void frmMain::passwordDialog() {
    if (auto typed = FrmPassWord::Ask(session_.texts, link().SessionPassword(), this)) {
        link().setSessionPassword(*typed);
    }
}

void frmMain::comSetDialog() {
    FrmComSet dialog(session_.texts, ports_, ScanSerialDevices, portSettings_.port.number(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const int number = dialog.PortID();
    session_.settings.PortNumber = static_cast<std::int16_t>(number);
    if (number <= 0) {
        portSettings_.port = PortId();
        return;
    }
    portSettings_.port = PortId::Number(number);
    saveSetupProfile([number](ProfileFile& profile) {
        profile.set(kSetupSection, "comPort", std::to_string(number));
    });
}

void frmMain::modelDialog() {
    FrmModel dialog(session_.texts, codeplug().band.code(), reporter_, this);
    dialog.exec();
    if (const std::optional<int> band = dialog.newBandCode()) {
        clipboard_.clear();
        document_->changeBand(static_cast<std::int16_t>(*band), newCodeplugOptions(false));
    }
}

void frmMain::languageDialog() {
    FrmLanguage dialog(session_.texts, session_.language, this);
    if (dialog.exec() == QDialog::Accepted) setLanguage(dialog.chosen());
}

void frmMain::aboutBox() {
    frmAbout about(session_.texts, ports_, this);
    about.exec();
}

void frmMain::saveSetupProfile(const std::function<void(ProfileFile&)>& change) {
    ProfileFile profile = ProfileFile::Load(session_.home.setupProfileForRead());
    change(profile);
    ports_.store(profile);
    profile.save(session_.home.setupProfile());
}

}  // namespace torvik
