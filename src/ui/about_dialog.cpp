#include "ui/about_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>

#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeySysInfo = 1036;
constexpr int kKeyTitle = 1040;
constexpr int kKeyVersionLabel = 1039;
constexpr int kKeyDisclaimerLabel = 1038;
constexpr int kKeyDescriptionLabel = 1900;
constexpr int kKeyVersion = 2200;
constexpr int kKeyDisclaimer = 2100;
constexpr int kKeyDescription = 2101;

QLabel* NamedLabel(const char* name, int key, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    SetLangKey(label, key);
    return label;
}

}  // namespace

QString VersionLine(const LanguageTexts& texts) {
    return LangQ(texts, kKeyVersion) + " " +
           QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

std::optional<QString> SystemInformationText(const PortMap& ports, Language language) {
    const QString os = QSysInfo::prettyProductName();
    const QString kernel = QSysInfo::kernelType() + " " + QSysInfo::kernelVersion();
    if (os.isEmpty() || QSysInfo::kernelType().isEmpty()) return std::nullopt;
    QStringList lines;
    lines << BuiltInQ(TextId::SystemInfoOs, language) + os;
    lines << BuiltInQ(TextId::SystemInfoKernel, language) + kernel + " (" +
                 QSysInfo::currentCpuArchitecture() + ")";
    lines << BuiltInQ(TextId::SystemInfoQt, language) + QString::fromLatin1(qVersion());
    lines << BuiltInQ(TextId::SystemInfoPorts, language);
    const std::vector<NumberedPort> present = ports.presentPorts();
    if (present.empty()) lines << BuiltInQ(TextId::SystemInfoNoPorts, language);
    for (const NumberedPort& port : present) {
        lines << QStringLiteral("  COM%1  %2").arg(port.number).arg(Q(port.device.path));
    }
    return lines.join('\n');
}

AboutDialog::AboutDialog(const LanguageTexts& texts, const PortMap& ports, QWidget* parent)
    : QDialog(parent), texts_(texts), ports_(ports) {
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("TORVIK CPS"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().isNull()
                        ? style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48)
                        : QApplication::windowIcon().pixmap(48));
    QLabel* title = NamedLabel("lblTitle", kKeyTitle, this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    QLabel* version = NamedLabel("lblVersion", kKeyVersionLabel, this);
    QLabel* description = NamedLabel("lblDescription", kKeyDescriptionLabel, this);
    QLabel* disclaimer = NamedLabel("lblDisclaimer", kKeyDisclaimerLabel, this);
    disclaimer->setForegroundRole(QPalette::PlaceholderText);

    auto* ok = new QPushButton(this);
    ok->setObjectName("cmdOK");
    SetLangKey(ok, kKeyOk);
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(this);
    sysInfo->setObjectName("cmdSysInfo");
    SetLangKey(sysInfo, kKeySysInfo);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::showSystemInformation);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(description, 2, 1);
    layout->addWidget(disclaimer, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(sysInfo);
    buttons->addWidget(ok);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    RelabelForm(this, texts);
    if (ok->text().isEmpty()) ok->setText(QStringLiteral("OK"));
    version->setText(VersionLine(texts));
    title->setText(QString::fromLatin1(kApplicationTitle));
    disclaimer->setText(LangQ(texts, kKeyDisclaimer));
    description->setText(LangQ(texts, kKeyDescription));
    setMinimumWidth(420);
}

void AboutDialog::showSystemInformation() {
    const std::optional<QString> info = SystemInformationText(ports_, texts_.language());
    QMessageBox box(info ? QMessageBox::Information : QMessageBox::Warning,
                    findChild<QPushButton*>("cmdSysInfo")->text().remove('&'),
                    info ? *info : BuiltInQ(TextId::SystemInfoMissing, texts_.language()),
                    QMessageBox::Ok, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

}  // namespace torvik
