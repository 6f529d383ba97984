#include "ui/scan/scan_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "functions/emergency/channel_refs.h"
#include "functions/scan/scan_keys.h"
#include "functions/scan/scan_rules.h"
#include "ui/edit_key_filter.h"
#include "ui/field_binding.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

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
    SetLangKey(this, kKeyScanCaption);
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    fields_ = std::make_unique<FormFields>(this, keys_);
    declareFields();
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    fields_->showAll();
    fillRevertList();
    showRevert();
    applyEnabling();
    connectControls();
}

ScanDialog::~ScanDialog() = default;

void ScanDialog::declareFields() {
    FormFields& f = *fields_;
    auto* form = new QFormLayout;
    const std::vector<int> channels = MemoryChannelChoices(state_.channels);
    const QStringList scanBack = PositionItems(kScanBackTimeEntries, ScanBackTimeText);
    const QStringList resume = PositionItems(kResumeDelayEntries, ResumeDelayText);
    scanMode_ = f.list(form, "ComboScanMode", OtherKey(kKeyScanMode, "扫描模式"),
                       KeyItems(texts_, {kKeyScanOff, kKeyScanOn}), scan_.scanMode);
    priority_ = f.list(form, "ComboPriority", OtherKey(kKeyScanPriority, "优先信道"),
                       TextItems(PriorityModeList(reporter_)), scan_.priorityMode);
    priorityChannel1_ = f.memoryChannel(form, "ComboPriorityChannel1",
                                        OtherKey(kKeyScanPriorityChannel1, "优先信道1 组/信道"),
                                        channels, scan_.priorityChannel1);
    priorityChannel2_ = f.memoryChannel(form, "ComboPriorityChannel2",
                                        OtherKey(kKeyScanPriorityChannel2, "优先信道2 组/信道"),
                                        channels, scan_.priorityChannel2);
    // The revert list offers what the priority offers: it is filled and shown by its rule.
    revert_ = MakeCombo(this, "ComboRevert");
    keys_->watchField(revert_);
    form->addRow(MakeLabel(this, kKeyScanRevert, "返回信道", revert_), revert_);
    scanBackA_ = f.list(form, "ComboScanBackA", OtherKey(kKeyScanBackTimeA, "回扫时间A(秒)"),
                        scanBack, scan_.scanBackTimeA);
    scanBackB_ = f.list(form, "ComboScanBackB", OtherKey(kKeyScanBackTimeB, "回扫时间B(秒)"),
                        scanBack, scan_.scanBackTimeB);
    rxResume_ =
        f.list(form, "ComboRxResume", OtherKey(kKeyScanRxResumeDelay, "扫描接收恢复延迟时间(秒)"),
               resume, scan_.rxResumeDelay);
    txResume_ =
        f.list(form, "ComboTxResume", OtherKey(kKeyScanTxResumeDelay, "扫描发射恢复延迟时间(秒)"),
               resume, scan_.txResumeDelay);
    entryTone_ = f.check(form, "CheckEntryTone", OtherKey(kKeyScanEntryTone, "扫描进入提示音"),
                         scan_.entryTone);

    buttons_ = MakeOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(buttons_);
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
    fields_->storeAll();
    document_.commit(PlainText(windowTitle()), state_);
    accept();
}

}  // namespace torvik
