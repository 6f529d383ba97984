// The main window's radio commands and settings dialogs: read, write, radio information,
// password, serial port, model and band, language, about.
#include "link/serial/port_map.h"
#include "ui/frm_about.h"
#include "ui/frm_comset.h"
#include "ui/frm_language.h"
#include "ui/frm_main.h"
#include "ui/frm_model.h"
#include "ui/frm_password.h"
#include "ui/ui_text.h"

namespace torvik {

void frmMain::readFromRadio() {
    engine_->BeginRead();
}

void frmMain::writeToRadio() {
    engine_->BeginWrite();
}

void frmMain::ReadRMGDataFromRadio() {
    engine_->BeginInfoRead();
}

void frmMain::passwordDialog() {
    if (auto typed = FrmPassWord::Ask(session_.texts, engine_->SessionPassword(), this)) {
        engine_->setSessionPassword(*typed);
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
    saveSetupValues({{"comPort", std::to_string(number)}});
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

void frmMain::saveSetupValues(const std::vector<std::pair<std::string, std::string>>& values) {
    ProfileFile profile = ProfileFile::Load(session_.home.setupProfileForRead());
    for (const auto& [key, value] : values) profile.set(kSetupSection, key, value);
    ports_.store(profile);
    profile.save(session_.home.setupProfile());
}

}  // namespace torvik
