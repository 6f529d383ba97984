// The main window's radio commands and settings dialogs: read, write, radio information,
// password, serial port, model and band, language, about.
#include <QSettings>

#include "link/serial/port_map.h"
#include "qtlink/port_failure.h"
#include "ui/about_dialog.h"
#include "ui/language_dialog.h"
#include "ui/main_window.h"
#include "ui/model_dialog.h"
#include "ui/password_dialog.h"
#include "ui/port_settings_dialog.h"
#include "ui/safety/radio_safety.h"
#include "ui/ui_text.h"

namespace torvik {

void MainWindow::readFromRadio() {
    if (safety_->busy()) return;
    renewLink("read");
    if (!link().beginRead()) adviseSerialGroup(linkPermissionRefused());
}

void MainWindow::writeToRadio() {
    safety_->write();
}

void MainWindow::readRadioInfo() {
    if (safety_->busy()) return;
    renewLink("info");
    if (!link().beginInfoRead()) adviseSerialGroup(linkPermissionRefused());
}

bool MainWindow::adviseSerialGroup(bool refused) {
    if (!refused) return false;
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kSettingsGroup);
    if (settings.value(kSerialGroupAdvisedKey).toBool()) return false;
    settings.setValue(kSerialGroupAdvisedKey, true);
    const QString text = BuiltInQ(TextId::SerialGroupAdvice, session_.language) + "\n\n" +
                         Q(JoinSerialGroupAdvice());
    reporter_.show(Severity::Information, U(text));
    return true;
}

void MainWindow::passwordDialog() {
    if (auto typed = PasswordDialog::Ask(session_.texts, link().sessionPassword(), this)) {
        link().setSessionPassword(*typed);
    }
}

void MainWindow::comSetDialog() {
    PortSettingsDialog dialog(session_.texts, ports_, ScanSerialDevices,
                              portSettings_.port.number(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const int number = dialog.portId();
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

void MainWindow::modelDialog() {
    ModelDialog dialog(session_.texts, codeplug().band.code(), reporter_, this);
    dialog.exec();
    if (const std::optional<int> band = dialog.newBandCode()) {
        document_->changeBand(static_cast<std::int16_t>(*band), newCodeplugOptions(false));
    }
}

void MainWindow::languageDialog() {
    LanguageDialog dialog(session_.texts, session_.language, this);
    if (dialog.exec() == QDialog::Accepted) setLanguage(dialog.chosen());
}

void MainWindow::aboutBox() {
    AboutDialog about(session_.texts, ports_, this);
    about.exec();
}

void MainWindow::saveSetupProfile(const std::function<void(ProfileFile&)>& change) {
    ProfileFile profile = ProfileFile::Load(session_.home.setupProfileForRead());
    change(profile);
    ports_.store(profile);
    profile.save(session_.home.setupProfile());
}

}  // namespace torvik
