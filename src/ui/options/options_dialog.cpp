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
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// The rows the window shows, top to bottom; rows 4, 6, 7, 13 and 15 and switch 0 are never
// shown and keep their values. Row 18 stands beside row 0.
constexpr int kShownRows[] = {0, 1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 16, 17};

// Switches 1..4 with their design captions.
constexpr const char* kSwitchDesignTexts[] = {"内部功能操作", "初始化按键", "尾音消除",
                                              "禁止取消静噪"};

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
    buildControls();
    buildLayout();
    relabel();
    fillLists();
    showValues();
    connectControls();
}

void OptionsDialog::buildControls() {
    using O = OptionSettings;
    rows_ = {{0, &O::displayMode},
             {1, &O::workMode},
             {3, &O::squelchLevel},
             {5, &O::voicePrompt},
             {8, &O::currentGroup},
             {9, &O::toneBurstFrequency},
             {10, &O::timeOutTimer},
             {11, &O::batterySave},
             {12, &O::keyLock},
             {14, &O::keyBeep},
             {16, &O::tailPhase},
             {17, &O::sideKey},
             {18, &O::channelDisplayExtra}};
    for (PositionRow& row : rows_) {
        row.combo = MakeCombo(this, QStringLiteral("Combo%1").arg(row.row).toLatin1().constData());
        keys_->watchField(row.combo);
    }
    displayMode_ = rowCombo(0);
    workMode_ = rowCombo(1);
    channelDisplayExtra_ = rowCombo(18);
    powerOnChannel_ = MakeCombo(this, "Combo2");
    keys_->watchField(powerOnChannel_);

    for (std::size_t j = 0; j < switches_.size(); ++j) {
        const int number = static_cast<int>(j) + 1;
        switches_[j] = MakeCheck(this, QStringLiteral("Check%1").arg(number).toLatin1().constData(),
                                 kKeyOptionFirstSwitch + number, kSwitchDesignTexts[j]);
        keys_->watchField(switches_[j]);
    }
    passwordSwitch_ = MakeCheck(this, "CheckPassword", kKeyOptionPasswordSwitch, "启用开机密码");
    keys_->watchField(passwordSwitch_);
    password_ = MakeText(this, "TextPassword", static_cast<int>(kPasswordDigits), 8);
    keys_->watchText(password_, TextRule::Digits);
    passwordLabel_ = MakeLabel(this, kKeyOptionPasswordLabel, "开机密码", password_);
    for (std::size_t i = 0; i < welcome_.size(); ++i) {
        QLineEdit* box = MakeText(this, QStringLiteral("TextWelcome%1").arg(i + 1), 1, 1);
        box->setAlignment(Qt::AlignCenter);
        keys_->watchText(box, TextRule::MessageBox);
        welcome_[i] = box;
    }
    buttons_ = MakeOkCancelButtons(this);
}

QComboBox* OptionsDialog::rowCombo(int row) const {
    if (row == 2) return powerOnChannel_;
    for (const PositionRow& r : rows_) {
        if (r.row == row) return r.combo;
    }
    return nullptr;
}

void OptionsDialog::buildLayout() {
    auto* rowsForm = new QFormLayout;
    for (const int row : kShownRows) {
        QLabel* label = MakeLabel(this, kKeyOptionFirstRowLabel + row, "", rowCombo(row));
        if (row == 0) {
            auto* pair = new QHBoxLayout;
            pair->addWidget(displayMode_);
            pair->addWidget(channelDisplayExtra_);
            pair->addStretch(1);
            KeepPlace(channelDisplayExtra_);
            rowsForm->addRow(label, pair);
        } else {
            rowsForm->addRow(label, rowCombo(row));
        }
    }

    auto* switchFrame = new QGroupBox(this);
    auto* switchColumn = new QVBoxLayout(switchFrame);
    for (QCheckBox* check : switches_) switchColumn->addWidget(check);

    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(passwordLabel_);
    passwordRow->addWidget(password_);
    passwordRow->addStretch(1);

    auto* welcomeRow = new QHBoxLayout;
    welcomeRow->setSpacing(2);
    for (QLineEdit* box : welcome_) welcomeRow->addWidget(box);
    welcomeRow->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(switchFrame);
    right->addSpacing(fontMetrics().height());
    right->addWidget(passwordSwitch_);
    right->addLayout(passwordRow);
    right->addSpacing(fontMetrics().height());
    right->addWidget(MakeLabel(this, kKeyOptionWelcomeLabel, "开机画面", welcome_[0]));
    right->addLayout(welcomeRow);
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(rowsForm);
    columns->addSpacing(2 * fontMetrics().height());
    columns->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addStretch(1);
    layout->addWidget(buttons_);
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

void OptionsDialog::fillLists() {
    auto combo = [this](int row) { return rowCombo(row); };
    const LanguageTexts& t = texts_;
    SetItems(combo(0), KeyItems(t, {kKeyOptionDisplayFrequency, kKeyOptionDisplayChannel,
                                    kKeyOptionDisplayName}));
    SetItems(combo(1), KeyItems(t, {kKeyOptionFrequencyMode, kKeyOptionChannelMode}));
    SetItems(combo(3), RangeItems(0, 20));
    SetItems(combo(5),
             KeyItems(t, {kKeyOptionVoiceOff, kKeyOptionVoiceChinese, kKeyOptionVoiceEnglish}));
    SetItems(combo(8), RangeItems(1, 32));
    SetItems(combo(9), {"1750Hz", "2100Hz", "1000Hz", "1450Hz"});
    QStringList times{LangQ(t, kKeyOptionOff)};
    for (int n = 1; n <= 30; ++n) times << QString::number(n) + LangQ(t, kKeyOptionSeconds);
    SetItems(combo(10), times);
    SetItems(combo(11),
             KeyItems(t, {kKeyOptionOff, kKeyOptionBatterySaveOneToOne,
                          kKeyOptionBatterySaveOneToTwo, kKeyOptionBatterySaveOneToFour}));
    SetItems(combo(12), KeyItems(t, {kKeyOptionKeyLockManual, kKeyOptionKeyLockAutomatic}));
    SetItems(combo(14), KeyItems(t, {kKeyOptionKeyBeepOff, kKeyOptionKeyBeepOn}));
    // The phase texts have built-in fallbacks, so the row never shows blank choices.
    QStringList phases =
        KeyItems(t, {kKeyOptionOff, kKeyOptionTailPhase120, kKeyOptionTailPhase180});
    const QStringList builtIn{QStringLiteral("off"), QStringLiteral("120°"),
                              QStringLiteral("180°")};
    for (int i = 0; i < phases.size(); ++i) {
        if (phases[i].isEmpty()) phases[i] = builtIn[i];
    }
    SetItems(combo(16), phases);
    SetItems(combo(17), KeyItems(t, {kKeyOptionSideKeyMonitor, kKeyOptionSideKeyScan}));
    SetItems(combo(18), KeyItems(t, {kKeyOptionExtraFrequency, kKeyOptionExtraName}));

    channelChoices_ = OptionChannelChoices(state_.channels);
    QStringList channels;
    for (const OptionChannelChoice& choice : channelChoices_) channels << Q(choice.text);
    SetItems(powerOnChannel_, channels);
}

void OptionsDialog::showValues() {
    for (const PositionRow& row : rows_) {
        const int value = options_.*row.field;
        if (row.row == 0 || row.row == 1 || row.row == 18) {
            // These three show their position as held; a position outside the list shows
            // nothing and is kept unless the user chooses.
            const QSignalBlocker quiet(row.combo);
            row.combo->setCurrentIndex(value >= 0 && value < row.combo->count() ? value : -1);
        } else {
            SelectOrFirst(row.combo, value);
        }
    }
    SelectOrFirst(powerOnChannel_, OptionChannelPosition(channelChoices_, options_.powerOnChannel));
    showCoupledRows();

    switches_[0]->setChecked(options_.internalFunctionOperation != 0);
    switches_[1]->setChecked(options_.initKey != 0);
    switches_[2]->setChecked(options_.tailElimination != 0);
    switches_[3]->setChecked(state_.record.squelchOffInhibit != 0);

    const std::string boxes = WelcomeMessageBoxes(options_);
    for (std::size_t i = 0; i < welcome_.size(); ++i) {
        const char c = i < boxes.size() ? boxes[i] : ' ';
        welcome_[i]->setText(c == ' ' ? QString() : QString(QLatin1Char(c)));
    }
    passwordSwitch_->setChecked(options_.powerOnPasswordEnabled != 0);
    password_->setText(Q(options_.powerOnPassword.text()));
    enablePassword(options_.powerOnPasswordEnabled);
}

void OptionsDialog::showCoupledRows() {
    workMode_->setEnabled(WorkModeEnabled(options_));
    channelDisplayExtra_->setVisible(ChannelDisplayExtraShown(options_));
}

void OptionsDialog::connectControls() {
    for (const PositionRow& row : rows_) {
        if (row.row == 0) continue;
        connect(row.combo, &QComboBox::activated, this, [this, field = row.field](int position) {
            options_.*field = static_cast<std::int16_t>(position);
        });
    }
    connect(displayMode_, &QComboBox::activated, this, &OptionsDialog::displayModeChosen);
    connect(powerOnChannel_, &QComboBox::activated, this, [this](int position) {
        if (position >= 0 && position < static_cast<int>(channelChoices_.size())) {
            options_.powerOnChannel = channelChoices_[static_cast<std::size_t>(position)].value;
        }
    });
    std::int16_t OptionSettings::*switchFields[] = {&OptionSettings::internalFunctionOperation,
                                                    &OptionSettings::initKey,
                                                    &OptionSettings::tailElimination};
    for (std::size_t j = 0; j < std::size(switchFields); ++j) {
        connect(switches_[j], &QCheckBox::toggled, this,
                [this, field = switchFields[j]](bool on) { options_.*field = on ? 1 : 0; });
    }
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
    passwordLabel_->setVisible(state == 1);
}

void OptionsDialog::commitOk() {
    options_.powerOnPasswordEnabled = passwordSwitch_->isChecked() ? 1 : 0;
    options_.powerOnPassword = PowerOnPasswordFromText(password_->text().toStdString());
    std::string boxes;
    for (QLineEdit* box : welcome_) {
        boxes += box->text().isEmpty() ? ' ' : static_cast<char>(box->text().front().unicode());
    }
    options_.welcomeMessage = WelcomeMessageFromBoxes(boxes);
    state_.record.squelchOffInhibit = switches_[3]->isChecked() ? 1 : 0;
    document_.commit(PlainText(windowTitle()), state_);
    accept();
}

}  // namespace torvik
