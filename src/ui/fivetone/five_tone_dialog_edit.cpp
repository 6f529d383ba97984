// FiveToneDialog at work: showing the working copy, gathering the controls, the own ID and its
// re-targeting, the code list's cells, the information codes, the special calls and OK.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calling/fivetone/five_tone_text.h"
#include "calling/fivetone/info_codes.h"
#include "calling/twotone/two_tone_settings.h"
#include "ui/cell_grid.h"
#include "ui/edit_key_filter.h"
#include "ui/field_binding.h"
#include "ui/fivetone/five_tone_dialog.h"
#include "ui/fivetone/five_tone_special_call_dialog.h"
#include "ui/form_parts.h"
#include "ui/option_texts.h"

namespace torvik {
namespace {

constexpr int kKeyInfoCode = 3005;
constexpr const char* kShortCodeKey = "900C";
constexpr int kCodeChars = kFiveToneCodeSymbols;
constexpr int kNameChars = 7;

QString ResetQuestion(Language language) {
    return language == Language::Chinese
               ? QStringLiteral("清除此编码的特殊呼叫吗？")
               : QStringLiteral("Reset Special Call of this channel,OK or Not?");
}

}  // namespace

FiveToneWords FiveToneDialog::words() const {
    return {texts_.readMessageText(kOptionTextSection, OptionKeyText(kOptionDataCall)),
            texts_.readMessageText(kOptionTextSection, OptionKeyText(kOptionMessagePrefix))};
}

void FiveToneDialog::connectControls() {
    connect(infoSelector_, &QComboBox::currentIndexChanged, this, &FiveToneDialog::infoCodeChosen);
    connect(infoFunction_, &QComboBox::currentIndexChanged, this,
            &FiveToneDialog::infoFunctionChosen);
    connect(pauseCodeRange_, &QComboBox::currentIndexChanged, this,
            [this](int position) { pauseTime_->setEnabled(position != 0); });
    connect(standard_, &QComboBox::activated, this,
            [this](int standard) { standardChosen(duration_, standard); });
    for (PttControls& p : ptt_) {
        QComboBox* duration = p.duration;
        connect(p.standard, &QComboBox::activated, this,
                [this, duration](int standard) { standardChosen(duration, standard); });
    }
    connect(ptt_[0].special, &QPushButton::clicked, this,
            [this] { openSpecialCall(SpecialCallTarget::PttIdBegin); });
    connect(ptt_[1].special, &QPushButton::clicked, this,
            [this] { openSpecialCall(SpecialCallTarget::PttIdEnd); });
    connect(special_, &QPushButton::clicked, this,
            [this] { openSpecialCall(SpecialCallTarget::CodeTable); });
    connect(grid_, &CellGrid::cellDoubleClicked, this, &FiveToneDialog::codeDoubleClicked);
    connect(buttons_, &QDialogButtonBox::accepted, this, &FiveToneDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &FiveToneDialog::reject);
}

void FiveToneDialog::showAll() {
    FiveToneSettings& s = state_.record.fiveTone;
    form_ = FiveToneFormOf(s, state_.record.decodeTime);
    const FiveToneForm& f = form_;
    ownId_->setText(Q(f.ownId));
    fields_->showAll();
    pauseTime_->setEnabled(f.pauseCodeRange != 0);
    for (std::size_t i = 0; i < ptt_.size(); ++i) ptt_[i].code->setText(Q(f.ptt[i].code));

    rows_ = FiveToneRowsOf(s, f.ownId, words());
    for (int k = 0; k < kFiveToneEntryCount; ++k) {
        grid_->setCellText(k, kColEntry, QString::number(k));
        for (int c = kColType; c < kFiveToneColumns; ++c) {
            grid_->setCellText(k, c, Q(rows_[std::size_t(k)].cell(c)));
        }
    }
    standardChosen(nullptr, standard_->currentIndex());
}

FiveToneForm FiveToneDialog::form() {
    fields_->storeAll();
    FiveToneForm f = form_;
    f.ownId = U(ownId_->text());
    for (std::size_t i = 0; i < ptt_.size(); ++i) f.ptt[i].code = U(ptt_[i].code->text());
    return f;
}

void FiveToneDialog::gather() {
    GatherFiveTone(form(), rows_, state_.record.fiveTone, state_.record.decodeTime);
}

void FiveToneDialog::standardChosen(QComboBox* duration, int standard) {
    if (duration) {
        SelectTextOrFirst(duration, QString::number(DefaultToneLengthMs(standard)));
    }
    const std::array<std::string, 4> words{
        texts_.readMessageText(kOptionTextSection, OptionKeyText(kOptionTableFrequency)),
        texts_.readMessageText(kOptionTextSection, OptionKeyText(kOptionTableToneLength)),
        texts_.readMessageText(kOptionTextSection, OptionKeyText(kOptionTableGroupTone)),
        texts_.readMessageText(kOptionTextSection, OptionKeyText(kOptionTableRepeatTone))};
    standardTable_->setPlainText(Q(ToneStandardText(standard, words)).remove(QLatin1Char('\r')));
}

bool FiveToneDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Focus going to another window (a message box, the special-call dialog) is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == ownId_) {
                ownIdLeft();
            } else {
                for (PttControls& p : ptt_) {
                    if (watched != p.code) continue;
                    p.code->setText(Q(NormalizeFiveToneCode(U(p.code->text()), U(ownId_->text()))));
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FiveToneDialog::refuseShortId() {
    reporter_.show(Severity::Warning, texts_.readMessageText("MSG", kShortCodeKey));
    ownId_->setFocus();
}

void FiveToneDialog::ownIdLeft() {
    if (ownId_->text().size() < kOwnIdDigits) {
        refuseShortId();
        return;
    }
    FiveToneSettings& s = state_.record.fiveTone;
    const std::string previous = s.ownId.text();
    s.ownId = FixedText<6>::Value(U(ownId_->text()));
    grid_->commitOpenEditor();
    gather();
    RetargetFiveToneCodes(s, previous);
    showAll();
}

QWidget* FiveToneDialog::cellEditor(QWidget* parent, int row, int column) {
    if (!OpensFiveToneEditor(rows_[std::size_t(row)], column)) return nullptr;
    switch (column) {
        case kColStandard:
        case kColDuration: {
            auto* list = MakeCombo(
                parent, column == kColStandard ? "ComboCodeStandard" : "ComboCodeDuration");
            SetItems(list,
                     TextItems(column == kColStandard ? ToneStandardItems() : ToneDurationItems()));
            keys_->watchField(list);
            if (column == kColStandard) {
                connect(list, &QComboBox::activated, this,
                        [this](int standard) { standardChosen(nullptr, standard); });
            }
            return list;
        }
        default: {
            const bool code = column == kColCode;
            auto* edit =
                MakeText(parent, code ? "TextCode" : "TextCodeName", code ? kCodeChars : kNameChars,
                         code ? kCodeChars / 2 : kNameChars);
            edit->setMinimumWidth(0);
            edit->setMaximumWidth(QWIDGETSIZE_MAX);
            keys_->watchText(edit, code ? TextRule::HexDigits : TextRule::Any);
            return edit;
        }
    }
}

QString FiveToneDialog::storeCell(int row, int column, const QString& text) {
    FiveToneCodeRow& r = rows_[std::size_t(row)];
    const QString shown =
        Q(StoreFiveToneCell(state_.record.fiveTone, r, row, column, U(text), U(ownId_->text())));
    grid_->setCellText(row, kColDuration, Q(r.duration));
    return shown;
}

void FiveToneDialog::codeDoubleClicked(int row, int column) {
    if (column != kColCode || rows_[std::size_t(row)].type.empty()) return;
    if (reporter_.ask(Severity::Question, U(ResetQuestion(texts_.language())), Buttons::OkCancel) !=
        Answer::Ok) {
        return;
    }
    FiveToneCodeRow& r = rows_[std::size_t(row)];
    ResetFiveToneSpecialCall(state_.record.fiveTone.codeTable[std::size_t(row)], r);
    grid_->setCellText(row, kColType, {});
    grid_->setCellText(row, kColCode, {});
    grid_->enterCell(row, kColCode);
}

void FiveToneDialog::infoCodeChosen(int index) {
    if (curInfoCode_ > 0) saveInfoCode();
    curInfoCode_ = index + 1;
    infoFrame_->setTitle(LangQ(texts_, kKeyInfoCode) + QString::number(curInfoCode_));
    showInfoCode();
}

void FiveToneDialog::saveInfoCode() {
    if (curInfoCode_ <= 0) return;
    const InfoCodeForm f{infoFunction_->currentIndex(), infoResponse_->currentIndex(),
                         U(infoCode_->text()), U(infoName_->text())};
    SaveInfoCodeForm(f, state_.record.fiveTone.infoCodes[std::size_t(curInfoCode_ - 1)]);
}

void FiveToneDialog::showInfoCode() {
    const InfoCodeForm f =
        InfoCodeFormOf(state_.record.fiveTone.infoCodes[std::size_t(curInfoCode_ - 1)]);
    {
        const QSignalBlocker quiet(infoFunction_);
        infoFunction_->setCurrentIndex(f.function);
    }
    infoFunctionChosen(f.function);
    SelectOrFirst(infoResponse_, f.response);
    infoCode_->setText(Q(f.code));
    if (infoName_->isEnabled()) infoName_->setText(Q(f.name));
}

void FiveToneDialog::infoFunctionChosen(int function) {
    const InfoFunctionRule rule = InfoFunctionRuleOf(function);
    const int kept = infoResponse_->currentIndex();
    const QStringList responses = OptionItems(
        texts_, {kOptionResponseNone, kOptionResponseAlertTone, kOptionResponseAutoReply});
    SetItems(infoResponse_, responses.mid(0, rule.responseItems));
    SelectOrFirst(infoResponse_, rule.responsePosition.value_or(kept));
    infoResponse_->setEnabled(rule.responseEnabled);
    infoName_->setEnabled(rule.nameEnabled);
    if (!rule.nameEnabled) infoName_->clear();
}

bool FiveToneDialog::infoKillStunHasWaken() {
    const InfoCodeCheck check = CheckInfoCodes(state_.record.fiveTone.infoCodes);
    if (check.killWithoutWaken) {
        reporter_.show(
            Severity::Warning,
            texts_.readMessageText(kOptionTextSection, OptionKeyText(kOptionKillNeedsRevive)));
    }
    if (check.conflict) {
        reporter_.show(
            Severity::Warning,
            texts_.readMessageText(kOptionTextSection, OptionKeyText(kOptionSameCodeTwice)));
    }
    return check.ok();
}

void FiveToneDialog::openSpecialCall(SpecialCallTarget target) {
    if (target == SpecialCallTarget::CodeTable) grid_->commitOpenEditor();
    FiveToneSettings& s = state_.record.fiveTone;
    FiveToneSpecialCallDialog dialog(texts_, reporter_, target, std::max(grid_->currentRow(), 0),
                                     s.aniSeparator, U(ownId_->text()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (target == SpecialCallTarget::CodeTable) {
        const int k = dialog.codeNumber();
        FiveToneCodeRow& r = rows_[std::size_t(k)];
        WriteSpecialCallEntry(dialog.input(), s.codeTable[std::size_t(k)]);
        r = SpecialCallRowTexts(dialog.input(), words(), r);
        grid_->setCellText(k, kColType, Q(r.type));
        grid_->setCellText(k, kColCode, Q(r.code));
        return;
    }
    QLineEdit* box = ptt_[target == SpecialCallTarget::PttIdBegin ? 0 : 1].code;
    box->setText(Q(dialog.boxText()));
}

void FiveToneDialog::commitOk() {
    if (ownId_->text().size() != kOwnIdDigits) {
        refuseShortId();
        return;
    }
    // A shortcut does not take the focus from the own-ID box: it is left here then.
    if (ownId_->hasFocus()) ownIdLeft();
    grid_->commitOpenEditor();
    gather();
    saveInfoCode();
    if (!infoKillStunHasWaken()) return;
    document_.commit(windowTitle(), state_);
    accept();
}

}  // namespace torvik
