#include "ui/twotone/two_tone_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calling/twotone/two_tone_tones.h"
#include "platform/number_text.h"
#include "ui/cell_grid.h"
#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/option_texts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

enum Column { kNumberColumn, kTone1Column, kTone2Column, kNameColumn };
constexpr int kToneCellChars = 6;
constexpr int kNameChars = 7;
constexpr int kToneBoxChars = 7;
constexpr int kVisibleRows = 10;
constexpr const char* kToneLetters[] = {"A", "B", "C", "D"};
// Labels of the time lists: firstToneTime..autoResetTime.
constexpr const char* kTimeKeys[] = {"60045", "60046", "60047", "60048", "60307"};

std::optional<double> BoxHz(const QLineEdit* box) {
    return ParseDecimal(U(box->text()));
}

}  // namespace

TwoToneDialog::TwoToneDialog(CodeplugDocument& document, const LanguageTexts& texts,
                             QWidget* parent)
    : QDialog(parent), document_(document), texts_(texts), state_(document.editableState()) {
    setObjectName("Frm2Tone");
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    FillUnsetTwoToneTones(state_.record.twoTone);
    buildControls();
    buildLayout();
    relabel();
    showValues();
    connect(callFormat_, &QComboBox::currentIndexChanged, this, &TwoToneDialog::formatChosen);
    connect(buttons_, &QDialogButtonBox::accepted, this, &TwoToneDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &TwoToneDialog::reject);
    AddConfirmShortcuts(this, [this] { commitOk(); });
}

void TwoToneDialog::buildControls() {
    callFormat_ = MakeCombo(this, "ComboCallFormat");
    SetItems(callFormat_, TextItems(CallFormatItems()));
    choice_ = MakeCombo(this, "ComboChoice");
    for (std::size_t i = 0; i < times_.size(); ++i) {
        times_[i] = MakeCombo(this, qPrintable(QStringLiteral("ComboTime%1").arg(i + 1)));
    }
    SetItems(times_[0], TextItems(TwoToneTimeItems()));
    SetItems(times_[1], TextItems(TwoToneTimeItems()));
    SetItems(times_[2], TextItems(TwoToneTimeItems()));
    SetItems(times_[3], TextItems(TwoToneIntervalItems()));
    SetItems(times_[4], TextItems(TwoToneResetTimeItems()));
    sideTone_ = MakeCheck(this, "CheckSideTone", 0, "");
    for (std::size_t i = 0; i < tones_.size(); ++i) {
        tones_[i] = MakeText(this, QStringLiteral("TextTone") + kToneLetters[i], kToneBoxChars,
                             kToneBoxChars);
        keys_->watchText(tones_[i], TextRule::RxFrequency);
        tones_[i]->installEventFilter(this);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{callFormat_, choice_, times_[0], times_[1],
                                                      times_[2], times_[3], times_[4], sideTone_}) {
        keys_->watchField(w);
    }

    CellGrid::Hooks hooks;
    hooks.editorFor = [this](QWidget* parent, int row, int column) {
        return cellEditor(parent, row, column);
    };
    hooks.store = [this](int row, int column, const QString& text) {
        return storeCell(row, column, text);
    };
    hooks.next = [](int row, int column, const QString&) {
        if (column < kNameColumn) return std::pair{row, column + 1};
        return std::pair{(row + 1) % kTwoToneCodes, int(kTone1Column)};
    };
    const QStringList headers{OptionQ(texts_, "60053"), OptionQ(texts_, "60054"),
                              OptionQ(texts_, "60055"), OptionQ(texts_, "60304")};
    grid_ = new CellGrid(kTwoToneCodes, headers, hooks, this);
    grid_->setObjectName("MSFlexGrid1");
    buttons_ = MakeOkCancelButtons(this);
    for (QAbstractButton* button : buttons_->buttons()) {
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    }
}

void TwoToneDialog::buildLayout() {
    auto* timing = new QWidget;
    auto* timingForm = new QFormLayout(timing);
    for (std::size_t i = 0; i < times_.size(); ++i) {
        timingForm->addRow(MakeLabel(this, 0, kTimeKeys[i], times_[i]), times_[i]);
    }
    timingForm->addRow(MakeLabel(this, 0, "60050", choice_), choice_);
    timingForm->addRow(sideTone_);

    auto* call = new QWidget;
    auto* callLayout = new QVBoxLayout(call);
    auto* toneForm = new QFormLayout;
    toneForm->addRow(MakeLabel(this, 0, "60049", callFormat_), callFormat_);
    for (QLineEdit* tone : tones_) toneForm->addRow(MakeLabel(this, 0, "60056", tone), tone);
    callLayout->addLayout(toneForm);
    callLayout->addWidget(grid_, 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    tabs_->addTab(timing, QStringLiteral("60043"));
    tabs_->addTab(call, QStringLiteral("60044"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons_);
}

void TwoToneDialog::relabel() {
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    setWindowTitle(OptionQ(texts_, "60051"));
    tabs_->setTabText(0, OptionQ(texts_, "60043"));
    tabs_->setTabText(1, OptionQ(texts_, "60044"));
    SetItems(choice_, OptionItems(texts_, {"60057", "60058", "60059"}));
    sideTone_->setText(OptionQ(texts_, "60312"));
    // The labels were made with their keys as text; the tone labels add their letter.
    int tone = 0;
    for (QLabel* label : findChildren<QLabel*>()) {
        const QString key = label->text();
        label->setText(OptionQ(texts_, U(key)));
        if (key == "60056") label->setText(label->text() + kToneLetters[tone++]);
    }
    NameByLabels(this);
    grid_->setAccessibleName(tabs_->tabText(1));
}

void TwoToneDialog::showValues() {
    const TwoToneSettings& s = state_.record.twoTone;
    const TwoToneListForm f = TwoToneListsOf(s);
    SelectOrFirst(callFormat_, f.callFormat);
    SelectOrFirst(choice_, f.decodeResponse);
    const std::array<int, 5> times{f.firstToneTime, f.secondToneTime, f.longToneTime,
                                   f.toneInterval, f.autoResetTime};
    for (std::size_t i = 0; i < times_.size(); ++i) SelectOrFirst(times_[i], times[i]);
    sideTone_->setChecked(f.sideTone);
    const std::array<std::uint16_t, 4> table{s.toneA.value, s.toneB.value, s.toneC.value,
                                             s.toneD.value};
    for (std::size_t i = 0; i < tones_.size(); ++i) tones_[i]->setText(Q(ToneText(table[i])));
    for (int k = 0; k < kTwoToneCodes; ++k) {
        grid_->setCellText(k, kNumberColumn, QString::number(k));
        const auto cells = TwoToneCodeCells(s.codes[static_cast<std::size_t>(k)]);
        for (int c = 0; c < 3; ++c) grid_->setCellText(k, c + 1, Q(cells[std::size_t(c)]));
    }
    formatChosen(f.callFormat);
    grid_->fitColumns(kVisibleRows);
}

void TwoToneDialog::formatChosen(int format) {
    const CallFormatTones used = TonesOfCallFormat(format);
    for (int i = 0; i < static_cast<int>(tones_.size()); ++i) {
        tones_[std::size_t(i)]->setEnabled(i == used.first || used.second == i);
    }
}

bool TwoToneDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (QLineEdit* box : tones_) {
            if (watched == box) box->setText(QString::number(ClampToneBoxHz(BoxHz(box))));
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* TwoToneDialog::cellEditor(QWidget* parent, int, int column) {
    if (column == kNumberColumn) return nullptr;
    const bool name = column == kNameColumn;
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name ? "TextCodeName" : "TextCodeTone");
    edit->setMaxLength(name ? kNameChars : kToneCellChars);
    keys_->watchText(edit, name ? TextRule::Any : TextRule::RxFrequency);
    return edit;
}

QString TwoToneDialog::storeCell(int row, int column, const QString& text) {
    TwoToneCode& code = state_.record.twoTone.codes[static_cast<std::size_t>(row)];
    const std::optional<double> hz = ParseDecimal(U(text));
    switch (column) {
        case kTone1Column:
            if (const auto stored = StoreCodeTone1(code, hz)) return Q(FormatFixed(*stored, 1, 1));
            grid_->setCellText(row, kTone2Column, {});
            grid_->setCellText(row, kNameColumn, {});
            return {};
        case kTone2Column:
            if (const auto stored = StoreCodeTone2(code, hz)) return Q(FormatFixed(*stored, 1, 1));
            return {};
        default:
            StoreCodeName(code, U(text));
            return Q(code.name.text());
    }
}

void TwoToneDialog::commitOk() {
    grid_->commitOpenEditor();
    TwoToneSettings& s = state_.record.twoTone;
    TwoToneListForm f;
    f.callFormat = callFormat_->currentIndex();
    f.decodeResponse = choice_->currentIndex();
    f.firstToneTime = times_[0]->currentIndex();
    f.secondToneTime = times_[1]->currentIndex();
    f.longToneTime = times_[2]->currentIndex();
    f.toneInterval = times_[3]->currentIndex();
    f.autoResetTime = times_[4]->currentIndex();
    f.sideTone = sideTone_->isChecked();
    CommitTwoToneLists(f, s);
    CommitTwoToneTones(s, {BoxHz(tones_[0]), BoxHz(tones_[1]), BoxHz(tones_[2]), BoxHz(tones_[3])});
    document_.commit(windowTitle(), state_);
    accept();
}

TwoToneDialog::~TwoToneDialog() {
    // An open cell editor commits as the window closes; by then this object is half gone.
    if (grid_) grid_->releaseOwner();
}

}  // namespace torvik
