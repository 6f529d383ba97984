#include "ui/port_settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "link/serial/usb_info.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyCaption = 1401;
constexpr int kKeyLabel = 1402;

}  // namespace

PortSettingsDialog::PortSettingsDialog(const LanguageTexts& texts, PortMap& ports, Scanner scan,
                                       int portNumber, QWidget* parent)
    : QDialog(parent),
      ports_(ports),
      scan_(std::move(scan)),
      port_(new QComboBox(this)),
      timer_(new QTimer(this)) {
    setObjectName("FrmComSet");
    SetLangKey(this, kKeyCaption);
    auto* label = new QLabel(this);
    label->setObjectName("Label1");
    SetLangKey(label, kKeyLabel);
    label->setBuddy(port_);
    port_->setObjectName("Combo1");
    port_->setMinimumContentsLength(24);
    port_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* buttons = MakeOkCancelButtons(this, this);

    auto* form = new QFormLayout;
    form->addRow(label, port_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    RelabelForm(this, texts);
    LabelOkCancel(buttons, texts);

    fillList();
    selectPort(portNumber);
    connect(port_, &QComboBox::currentIndexChanged, this,
            [this](int index) { portId_ = index >= 0 ? port_->itemData(index).toInt() : 0; });
    timer_->setObjectName("ReShowComPortTimer");
    timer_->setInterval(kPortRefreshMs);
    connect(timer_, &QTimer::timeout, this, &PortSettingsDialog::refreshPorts);
    timer_->start();
}

void PortSettingsDialog::fillList() {
    port_->clear();
    for (const NumberedPort& port : ports_.presentPorts()) {
        port_->addItem(
            QStringLiteral("COM%1  %2").arg(port.number).arg(Q(DeviceDescription(port.device))),
            port.number);
    }
}

void PortSettingsDialog::selectPort(int number) {
    if (port_->count() == 0) {
        port_->setCurrentIndex(-1);
        portId_ = 0;
        return;
    }
    const int index = std::max(0, port_->findData(number));
    port_->setCurrentIndex(index);
    portId_ = port_->itemData(index).toInt();
}

void PortSettingsDialog::refreshPorts() {
    if (scan_) ports_.update(scan_());
    const int keep = portId_;
    const QSignalBlocker block(port_);
    fillList();
    selectPort(keep);
}

void PortSettingsDialog::done(int result) {
    timer_->stop();
    QDialog::done(result);
}

}  // namespace torvik
