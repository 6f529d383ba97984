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
#include "ui/field_binding.h"
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

std::optional<double> BoxHz(const QLineEdit* box) {
    return ParseDecimal(U(box->text()));
}

}  // namespace

TwoToneDialog::TwoToneDialog(CodeplugDocument& document, const LanguageTexts& texts,
                             QWidget* parent)
    : QDialog(parent), document_(document), texts_(texts), state_(document.editableState()) {
    setObjectName("Frm2Tone");
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);
    fields_ = std::make_unique<FormFields>(this, keys_);
    FillUnsetTwoToneTones(state_.record.twoTone);
    declareFields();
    relabel();
    showValues();
    connect(callFormat_, &QComboBox::currentIndexChanged, this, &TwoToneDialog::formatChosen);
    connect(buttons_, &QDialogButtonBox::accepted, this, &TwoToneDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &TwoToneDialog::reject);
    AddConfirmShortcuts(this, [this] { commitOk(); });
}

void TwoToneDialog::declareFields() {
    FormFields& f = *fields_;
    TwoToneListForm& l = lists_;
    const QStringList times = TextItems(TwoToneTimeItems());

    auto* timing = new QWidget;
    auto* timingForm = new QFormLayout(timing);
    f.list(timingForm, "ComboTime1", OptionKey(kOptionFirstToneTime), times, l.firstToneTime);
    f.list(timingForm, "ComboTime2", OptionKey(kOptionSecondToneTime), times, l.secondToneTime);
    f.list(timingForm, "ComboTime3", OptionKey(kOptionLongToneTime), times, l.longToneTime);
    f.list(timingForm, "ComboTime4", OptionKey(kOptionToneInterval),
           TextItems(TwoToneIntervalItems()), l.toneInterval);
    f.list(timingForm, "ComboTime5", OptionKey(kOptionAutoResetTime),
           TextItems(TwoToneResetTimeItems()), l.autoResetTime);
    f.list(timingForm, "ComboChoice", OptionKey(kOptionTwoToneDecodeResponse),
           OptionItems(texts_,
                       {kOptionResponseNone, kOptionResponseAlertTone, kOptionResponseAutoReply}),
           l.decodeResponse);
    f.check(timingForm, "CheckSideTone", OptionKey(kOptionSideTone), l.sideTone);

    auto* call = new QWidget;
    auto* callLayout = new QVBoxLayout(call);
    auto* toneForm = new QFormLayout;
    callFormat_ = f.list(toneForm, "ComboCallFormat", OptionKey(kOptionCallFormat),
                         TextItems(CallFormatItems()), l.callFormat);
    for (std::size_t i = 0; i < tones_.size(); ++i) {
        tones_[i] = MakeText(this, QStringLiteral("TextTone") + kToneLetters[i], kToneBoxChars,
                             kToneBoxChars);
        keys_->watchText(tones_[i], TextRule::RxFrequency);
        tones_[i]->installEventFilter(this);
        toneLabels_[i] = MakeLabel(this, 0, "", tones_[i]);
        toneForm->addRow(toneLabels_[i], tones_[i]);
    }
    callLayout->addLayout(toneForm);

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
    const QStringList headers = OptionItems(texts_, {kOptionCodeNumberColumn, kOptionTone1Column,
                                                     kOptionTone2Column, kOptionTwoToneNameColumn});
    grid_ = new CellGrid(kTwoToneCodes, headers, hooks, this);
    grid_->setObjectName("MSFlexGrid1");
    callLayout->addWidget(grid_, 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    tabs_->addTab(timing, QString());
    tabs_->addTab(call, QString());
    buttons_ = MakeOkCancelButtons(this);
    for (QAbstractButton* button : buttons_->buttons()) {
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons_);
}

void TwoToneDialog::relabel() {
    RelabelForm(this, texts_);
    FormFields::RelabelOptionKeys(this, texts_);
    LabelOkCancel(buttons_, texts_);
    setWindowTitle(OptionQ(texts_, kOptionTwoToneCaption));
    tabs_->setTabText(0, OptionQ(texts_, kOptionTwoToneTimingTab));
    tabs_->setTabText(1, OptionQ(texts_, kOptionTwoToneCallTab));
    for (std::size_t i = 0; i < tones_.size(); ++i) {
        toneLabels_[i]->setText(OptionQ(texts_, kOptionToneLabel) + kToneLetters[i]);
    }
    NameByLabels(this);
    grid_->setAccessibleName(tabs_->tabText(1));
}

void TwoToneDialog::showValues() {
    const TwoToneSettings& s = state_.record.twoTone;
    lists_ = TwoToneListsOf(s);
    fields_->showAll();
    const std::array<std::uint16_t, 4> table{s.toneA.value, s.toneB.value, s.toneC.value,
                                             s.toneD.value};
    for (std::size_t i = 0; i < tones_.size(); ++i) tones_[i]->setText(Q(ToneText(table[i])));
    for (int k = 0; k < kTwoToneCodes; ++k) {
        grid_->setCellText(k, kNumberColumn, QString::number(k));
        const auto cells = TwoToneCodeCells(s.codes[static_cast<std::size_t>(k)]);
        for (int c = 0; c < 3; ++c) grid_->setCellText(k, c + 1, Q(cells[std::size_t(c)]));
    }
    formatChosen(lists_.callFormat);
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
    fields_->storeAll();
    CommitTwoToneLists(lists_, s);
    CommitTwoToneTones(s, {BoxHz(tones_[0]), BoxHz(tones_[1]), BoxHz(tones_[2]), BoxHz(tones_[3])});
    document_.commit(windowTitle(), state_);
    accept();
}

TwoToneDialog::~TwoToneDialog() {
    // An open cell editor commits as the window closes; by then this object is half gone.
    if (grid_) grid_->releaseOwner();
}

}  // namespace torvik
