#include "ui/options/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "functions/options/option_keys.h"
#include "ui/edit_key_filter.h"
#include "ui/field_binding.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// A row stores the user's choice at once; a held value its list has no entry for stays as it
// is until the user chooses.
constexpr PositionRule kChosen{.store = StoreWhen::Chosen};
// The display mode, the work mode and the extra display show such a value as no entry.
constexpr PositionRule kChosenAsHeld{.blankWhenUnlisted = true, .store = StoreWhen::Chosen};
// A switch is ticked by any value but 0 and stores a tick at once.
constexpr TickRule kSwitch{.anyNonZero = true, .store = StoreWhen::Chosen};
// The squelch-off inhibit and password switches are read on OK.
constexpr TickRule kSwitchReadOnOk{.anyNonZero = true};
constexpr int kPasswordBoxChars = 8;

QStringList TimeOutItems(const LanguageTexts& t) {
    QStringList times{LangQ(t, kKeyOptionOff)};
    for (int n = 1; n <= 30; ++n) times << QString::number(n) + LangQ(t, kKeyOptionSeconds);
    return times;
}

// The phase texts have built-in fallbacks, so the row never shows blank choices.
QStringList TailPhaseItems(const LanguageTexts& t) {
    QStringList phases =
        KeyItems(t, {kKeyOptionOff, kKeyOptionTailPhase120, kKeyOptionTailPhase180});
    const QStringList builtIn{QStringLiteral("off"), QStringLiteral("120°"),
                              QStringLiteral("180°")};
    for (int i = 0; i < phases.size(); ++i) {
        if (phases[i].isEmpty()) phases[i] = builtIn[i];
    }
    return phases;
}

std::vector<ListChoice> PowerOnChannelChoices(const ChannelTable& channels) {
    std::vector<ListChoice> choices;
    for (const OptionChannelChoice& choice : OptionChannelChoices(channels)) {
        choices.push_back({Q(choice.text), choice.value});
    }
    return choices;
}

}  // namespace

OptionsDialog::OptionsDialog(CodeplugDocument& document, const LanguageTexts& texts,
                             QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(texts),
      state_(document.editableState()),
      options_(state_.record.options) {
    setObjectName("FrmOption");
    setWindowTitle(QStringLiteral("可选功能"));
    SetLangKey(this, kKeyOptionCaption);
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    fields_ = std::make_unique<FormFields>(this, keys_);
    declareFields();
    relabel();
    fields_->showAll();
    showCoupledRows();
    enablePassword(options_.powerOnPasswordEnabled);
    connectControls();
    // The rows took their texts and the window its font after they were laid out: lay them
    // out again, so that every list takes the width of the widest.
    layout()->invalidate();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::declareFields() {
    FormFields& f = *fields_;
    OptionSettings& o = options_;
    const LanguageTexts& t = texts_;

    // The rows on the left, the switches, the password and the message on the right.
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);
    auto* rows = new QFormLayout;
    columns->addLayout(rows);
    columns->addSpacing(2 * fontMetrics().height());
    auto* right = new QVBoxLayout;
    columns->addLayout(right, 1);

    // The extra display has no label of its own: it stands beside the display mode and keeps
    // its place there while hidden.
    auto* displayLine = new QHBoxLayout;
    displayMode_ = f.list(
        {rows, displayLine}, "Combo0", OtherKey(kKeyOptionDisplayModeLabel),
        KeyItems(t, {kKeyOptionDisplayFrequency, kKeyOptionDisplayChannel, kKeyOptionDisplayName}),
        o.displayMode, kChosenAsHeld);
    channelDisplayExtra_ = f.list(displayLine, "Combo18", {},
                                  KeyItems(t, {kKeyOptionExtraFrequency, kKeyOptionExtraName}),
                                  o.channelDisplayExtra, kChosenAsHeld);
    displayLine->addStretch(1);
    KeepPlace(channelDisplayExtra_);
    workMode_ = f.list(rows, "Combo1", OtherKey(kKeyOptionWorkModeLabel),
                       KeyItems(t, {kKeyOptionFrequencyMode, kKeyOptionChannelMode}), o.workMode,
                       kChosenAsHeld);
    f.choiceList(rows, "Combo2", OtherKey(kKeyOptionPowerOnChannelLabel),
                 PowerOnChannelChoices(state_.channels), o.powerOnChannel, StoreWhen::Chosen);
    f.list(rows, "Combo3", OtherKey(kKeyOptionSquelchLevelLabel), RangeItems(0, 20), o.squelchLevel,
           kChosen);
    f.list(rows, "Combo5", OtherKey(kKeyOptionVoicePromptLabel),
           KeyItems(t, {kKeyOptionVoiceOff, kKeyOptionVoiceChinese, kKeyOptionVoiceEnglish}),
           o.voicePrompt, kChosen);
    f.list(rows, "Combo8", OtherKey(kKeyOptionCurrentGroupLabel), RangeItems(1, 32), o.currentGroup,
           kChosen);
    f.list(rows, "Combo9", OtherKey(kKeyOptionToneBurstLabel),
           {"1750Hz", "2100Hz", "1000Hz", "1450Hz"}, o.toneBurstFrequency, kChosen);
    f.list(rows, "Combo10", OtherKey(kKeyOptionTimeOutTimerLabel), TimeOutItems(t), o.timeOutTimer,
           kChosen);
    f.list(rows, "Combo11", OtherKey(kKeyOptionBatterySaveLabel),
           KeyItems(t, {kKeyOptionOff, kKeyOptionBatterySaveOneToOne, kKeyOptionBatterySaveOneToTwo,
                        kKeyOptionBatterySaveOneToFour}),
           o.batterySave, kChosen);
    f.list(rows, "Combo12", OtherKey(kKeyOptionKeyLockLabel),
           KeyItems(t, {kKeyOptionKeyLockManual, kKeyOptionKeyLockAutomatic}), o.keyLock, kChosen);
    f.list(rows, "Combo14", OtherKey(kKeyOptionKeyBeepLabel),
           KeyItems(t, {kKeyOptionKeyBeepOff, kKeyOptionKeyBeepOn}), o.keyBeep, kChosen);
    f.list(rows, "Combo16", OtherKey(kKeyOptionTailPhaseLabel), TailPhaseItems(t), o.tailPhase,
           kChosen);
    f.list(rows, "Combo17", OtherKey(kKeyOptionSideKeyLabel),
           KeyItems(t, {kKeyOptionSideKeyMonitor, kKeyOptionSideKeyScan}), o.sideKey, kChosen);

    auto* switchFrame = new QGroupBox(this);
    auto* switches = new QVBoxLayout(switchFrame);
    f.check(switches, "Check1", OtherKey(kKeyOptionInternalFunctionSwitch, "内部功能操作"),
            o.internalFunctionOperation, kSwitch);
    f.check(switches, "Check2", OtherKey(kKeyOptionInitKeySwitch, "初始化按键"), o.initKey,
            kSwitch);
    f.check(switches, "Check3", OtherKey(kKeyOptionTailEliminationSwitch, "尾音消除"),
            o.tailElimination, kSwitch);
    // The squelch-off inhibit is kept beside the option record, not in it.
    f.check(switches, "Check4", OtherKey(kKeyOptionSquelchOffInhibitSwitch, "禁止取消静噪"),
            state_.record.squelchOffInhibit, kSwitchReadOnOk);

    right->addWidget(switchFrame);
    right->addSpacing(fontMetrics().height());
    passwordSwitch_ =
        f.check(right, "CheckPassword", OtherKey(kKeyOptionPasswordSwitch, "启用开机密码"),
                o.powerOnPasswordEnabled, kSwitchReadOnOk);
    auto* passwordLine = new QHBoxLayout;
    right->addLayout(passwordLine);
    password_ =
        f.text(passwordLine, "TextPassword", OtherKey(kKeyOptionPasswordLabel, "开机密码"),
               {int(kPasswordDigits), kPasswordBoxChars, TextRule::Digits}, o.powerOnPassword);
    passwordLine->addStretch(1);
    right->addSpacing(fontMetrics().height());
    declareWelcomeMessage(right);
    right->addStretch(1);

    buttons_ = MakeOkCancelButtons(this);
    layout->addStretch(1);
    layout->addWidget(buttons_);
}

void OptionsDialog::declareWelcomeMessage(QBoxLayout* column) {
    auto* line = new QHBoxLayout;
    line->setSpacing(2);
    for (std::size_t i = 0; i < welcome_.size(); ++i) {
        QLineEdit* box = MakeText(this, QStringLiteral("TextWelcome%1").arg(i + 1), 1, 1);
        box->setAlignment(Qt::AlignCenter);
        keys_->watchText(box, TextRule::MessageBox);
        line->addWidget(box);
        welcome_[i] = box;
    }
    line->addStretch(1);
    column->addWidget(MakeLabel(this, kKeyOptionWelcomeLabel, "开机画面", welcome_[0]));
    column->addLayout(line);
    // A blank is an empty box.
    fields_->custom(
        welcome_[0],
        [this] {
            const std::string boxes = WelcomeMessageBoxes(options_);
            for (std::size_t i = 0; i < welcome_.size(); ++i) {
                const char c = i < boxes.size() ? boxes[i] : ' ';
                welcome_[i]->setText(c == ' ' ? QString() : QString(QLatin1Char(c)));
            }
        },
        [this] {
            std::string boxes;
            for (const QLineEdit* box : welcome_) {
                boxes +=
                    box->text().isEmpty() ? ' ' : static_cast<char>(box->text().front().unicode());
            }
            options_.welcomeMessage = WelcomeMessageFromBoxes(boxes);
        });
}

void OptionsDialog::relabel() {
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    // Controls that share a label get names of their own.
    channelDisplayExtra_->setAccessibleName(displayMode_->accessibleName() + " 2");
    for (std::size_t i = 0; i < welcome_.size(); ++i) {
        welcome_[i]->setAccessibleName(QStringLiteral("%1 %2/%3")
                                           .arg(PlainText(LangQ(texts_, kKeyOptionWelcomeLabel)))
                                           .arg(i + 1)
                                           .arg(welcome_.size()));
    }
}

void OptionsDialog::showCoupledRows() {
    workMode_->setEnabled(WorkModeEnabled(options_));
    channelDisplayExtra_->setVisible(ChannelDisplayExtraShown(options_));
}

void OptionsDialog::connectControls() {
    connect(displayMode_, &QComboBox::activated, this, &OptionsDialog::displayModeChosen);
    connect(passwordSwitch_, &QCheckBox::toggled, this,
            [this](bool on) { enablePassword(on ? 1 : 0); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &OptionsDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void OptionsDialog::displayModeChosen(int position) {
    ApplyDisplayMode(options_, position);
    SelectOrFirst(workMode_, options_.workMode);
    SelectOrFirst(channelDisplayExtra_, options_.channelDisplayExtra);
    showCoupledRows();
}

void OptionsDialog::enablePassword(int state) {
    password_->setVisible(state == 1);
    fields_->labelOf(password_)->setVisible(state == 1);
}

void OptionsDialog::commitOk() {
    fields_->storeAll();
    document_.commit(PlainText(windowTitle()), state_);
    accept();
}

}  // namespace torvik
