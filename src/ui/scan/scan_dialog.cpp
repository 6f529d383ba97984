#include "ui/scan/scan_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "functions/emergency/channel_refs.h"
#include "functions/scan/scan_rules.h"
#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyCaption = 2400;
constexpr int kKeyScanOff = 2430;
constexpr int kKeyScanOn = 2431;
constexpr int kKeyEntryTone = 2413;

QStringList PositionItems(int count, std::string (*text)(int)) {
    QStringList items;
    for (int p = 0; p < count; ++p) items << Q(text(p));
    return items;
}

}  // namespace

ScanDialog::ScanDialog(CodeplugDocument& document, const LanguageTexts& texts,
                       const Reporter& reporter, QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(texts),
      reporter_(reporter),
      state_(document.editableState()),
      scan_(state_.record.scan) {
    setObjectName("FrmScan");
    setWindowTitle(QStringLiteral("扫描"));
    SetLangKey(this, kKeyCaption);
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    buildControls();
    buildLayout();
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    fillLists();
    showValues();
    connectControls();
}

void ScanDialog::buildControls() {
    scanMode_ = MakeCombo(this, "ComboScanMode");
    priority_ = MakeCombo(this, "ComboPriority");
    priorityChannel1_ = MakeCombo(this, "ComboPriorityChannel1");
    priorityChannel2_ = MakeCombo(this, "ComboPriorityChannel2");
    revert_ = MakeCombo(this, "ComboRevert");
    scanBackA_ = MakeCombo(this, "ComboScanBackA");
    scanBackB_ = MakeCombo(this, "ComboScanBackB");
    rxResume_ = MakeCombo(this, "ComboRxResume");
    txResume_ = MakeCombo(this, "ComboTxResume");
    entryTone_ = MakeCheck(this, "CheckEntryTone", kKeyEntryTone, "扫描进入提示音");
    for (QWidget* w : std::initializer_list<QWidget*>{
             scanMode_, priority_, priorityChannel1_, priorityChannel2_, revert_, scanBackA_,
             scanBackB_, rxResume_, txResume_, entryTone_}) {
        keys_->watchField(w);
    }
    buttons_ = MakeOkCancelButtons(this);
}

void ScanDialog::buildLayout() {
    auto* form = new QFormLayout;
    form->addRow(MakeLabel(this, 2402, "扫描模式", scanMode_), scanMode_);
    form->addRow(MakeLabel(this, 2403, "优先信道", priority_), priority_);
    form->addRow(MakeLabel(this, 2404, "优先信道1 组/信道", priorityChannel1_), priorityChannel1_);
    form->addRow(MakeLabel(this, 2405, "优先信道2 组/信道", priorityChannel2_), priorityChannel2_);
    form->addRow(MakeLabel(this, 2406, "返回信道", revert_), revert_);
    form->addRow(MakeLabel(this, 2407, "回扫时间A(秒)", scanBackA_), scanBackA_);
    form->addRow(MakeLabel(this, 2408, "回扫时间B(秒)", scanBackB_), scanBackB_);
    form->addRow(MakeLabel(this, 2409, "扫描接收恢复延迟时间(秒)", rxResume_), rxResume_);
    form->addRow(MakeLabel(this, 2410, "扫描发射恢复延迟时间(秒)", txResume_), txResume_);
    form->addRow(entryTone_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(buttons_);
}

void ScanDialog::fillLists() {
    SetItems(scanMode_, KeyItems(texts_, {kKeyScanOff, kKeyScanOn}));
    SetItems(priority_, TextItems(PriorityModeList(reporter_)));
    const std::vector<int> channels = MemoryChannelChoices(state_.channels);
    FillMemoryChannels(priorityChannel1_, channels);
    FillMemoryChannels(priorityChannel2_, channels);
    const QStringList scanBack = PositionItems(kScanBackTimeEntries, ScanBackTimeText);
    SetItems(scanBackA_, scanBack);
    SetItems(scanBackB_, scanBack);
    const QStringList resume = PositionItems(kResumeDelayEntries, ResumeDelayText);
    SetItems(rxResume_, resume);
    SetItems(txResume_, resume);
}

void ScanDialog::showValues() {
    SelectOrFirst(scanMode_, scan_.scanMode);
    SelectOrFirst(priority_, scan_.priorityMode);
    SelectOrFirst(scanBackA_, scan_.scanBackTimeA);
    SelectOrFirst(scanBackB_, scan_.scanBackTimeB);
    SelectOrFirst(rxResume_, scan_.rxResumeDelay);
    SelectOrFirst(txResume_, scan_.txResumeDelay);
    ShowMemoryChannel(priorityChannel1_, scan_.priorityChannel1);
    ShowMemoryChannel(priorityChannel2_, scan_.priorityChannel2);
    fillRevertList();
    showRevert();
    if (scan_.entryTone > 1) scan_.entryTone = 0;
    entryTone_->setChecked(scan_.entryTone != 0);
    applyEnabling();
}

void ScanDialog::fillRevertList() {
    const std::array<std::string, kRevertChoices> full = FullRevertList(reporter_);
    revertShown_ = RevertChoicesFor(priority_->currentIndex());
    QStringList items;
    for (const int position : revertShown_) items << Q(full[static_cast<std::size_t>(position)]);
    SetItems(revert_, items);
    const ScanControlsEnabled enabled = ScanEnabling(1, priority_->currentIndex());
    priorityChannel1_->setEnabled(enabled.priorityChannel1);
    priorityChannel2_->setEnabled(enabled.priorityChannel2);
}

// The revert entry of the stored choice, or the first entry the priority offers; the choice
// then names what is shown.
void ScanDialog::showRevert() {
    scan_.revertChoice =
        static_cast<std::uint8_t>(ReselectRevert(priority_->currentIndex(), scan_.revertChoice));
    const auto it = std::find(revertShown_.begin(), revertShown_.end(), scan_.revertChoice);
    SelectOrFirst(revert_, it == revertShown_.end() ? 0 : int(it - revertShown_.begin()));
}

void ScanDialog::applyEnabling() {
    const ScanControlsEnabled enabled =
        ScanEnabling(scanMode_->currentIndex(), priority_->currentIndex());
    for (QWidget* w : std::initializer_list<QWidget*>{priority_, revert_, scanBackA_, scanBackB_,
                                                      rxResume_, txResume_, entryTone_}) {
        w->setEnabled(enabled.others);
    }
    priorityChannel1_->setEnabled(enabled.priorityChannel1);
    priorityChannel2_->setEnabled(enabled.priorityChannel2);
}

void ScanDialog::connectControls() {
    connect(scanMode_, &QComboBox::activated, this, &ScanDialog::applyEnabling);
    connect(priority_, &QComboBox::activated, this, [this] {
        fillRevertList();
        applyEnabling();
        showRevert();
    });
    connect(revert_, &QComboBox::activated, this, [this](int position) {
        if (position >= 0 && position < static_cast<int>(revertShown_.size())) {
            scan_.revertChoice = static_cast<std::uint8_t>(revertShown_[std::size_t(position)]);
        }
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &ScanDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ScanDialog::commitOk() {
    auto position = [](const QComboBox* combo) {
        return static_cast<std::uint8_t>(std::max(combo->currentIndex(), 0));
    };
    scan_.scanMode = position(scanMode_);
    scan_.priorityMode = position(priority_);
    scan_.priorityChannel1 = static_cast<std::uint8_t>(ShownMemoryChannel(priorityChannel1_));
    scan_.priorityChannel2 = static_cast<std::uint8_t>(ShownMemoryChannel(priorityChannel2_));
    scan_.scanBackTimeA = position(scanBackA_);
    scan_.scanBackTimeB = position(scanBackB_);
    scan_.rxResumeDelay = position(rxResume_);
    scan_.txResumeDelay = position(txResume_);
    scan_.entryTone = entryTone_->isChecked() ? 1 : 0;
    document_.commit(PlainText(windowTitle()), state_);
    accept();
}

}  // namespace torvik
