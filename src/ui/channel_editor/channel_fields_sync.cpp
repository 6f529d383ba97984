// ChannelFieldsDialog: the traffic between the controls and a model, the editor of one channel's
// or the editor of several channels'. Every user action goes to the model, then the whole model
// state is shown again, so the rules live in one place.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "channel_edit/channel_bulk_edit.h"
#include "ui/channel_editor/channel_editor_keys.h"
#include "ui/channel_editor/channel_fields_dialog.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// The editor of one channel has nothing mixed.
bool IsMixed(const ChannelEditModel&, ChannelField) {
    return false;
}
bool IsMixed(const ChannelBulkEditModel& model, ChannelField field) {
    return model.mixed(field);
}

// The value a field's control shows: a list position, 0 or 1, a name box's character.
int ShownValue(const ChannelEditModel& model, ChannelField field) {
    // The editor of one channel lists only the squelch modes the channel offers.
    return field == ChannelField::Squelch ? model.fields().squelch
                                          : ChannelFieldValue(model, field);
}
int ShownValue(const ChannelBulkEditModel& model, ChannelField field) {
    return model.value(field);
}

// A screen reader says that the channels differ, as the control shows it.
void DescribeMixed(QWidget* control, bool mixed, const QString& mixedText) {
    const QString description = mixed ? mixedText : QString();
    if (control->accessibleDescription() != description) {
        control->setAccessibleDescription(description);
    }
}

// A list sized to its entries is made wide enough for its placeholder as well.
void FitPlaceholder(QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const QFontMetrics& metrics = combo->fontMetrics();
    const QSize text(metrics.horizontalAdvance(combo->placeholderText()), metrics.height());
    const int width =
        combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width();
    if (combo->minimumWidth() < width) combo->setMinimumWidth(width);
}

void Select(QComboBox* combo, int index, bool mixed, const QString& mixedText) {
    DescribeMixed(combo, mixed, mixedText);
    // The placeholder shows while nothing is selected.
    const QString placeholder = mixed ? mixedText : QString();
    if (combo->placeholderText() != placeholder) {
        combo->setPlaceholderText(placeholder);
        if (mixed) FitPlaceholder(combo);
    }
    if (mixed) index = -1;
    if (combo->currentIndex() == index) return;
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}

// A mixed switch is partly checked until the user sets it; then it has two states again.
void Check(QCheckBox* check, bool on, bool mixed, const QString& mixedText) {
    DescribeMixed(check, mixed, mixedText);
    const QSignalBlocker quiet(check);
    check->setTristate(mixed);
    check->setCheckState(mixed ? Qt::PartiallyChecked : on ? Qt::Checked : Qt::Unchecked);
}

// A name box shows its character, nothing for a blank. Name bytes are single-byte
// characters; a byte above 127 from the radio shows as its Latin-1 character and is kept
// unless the user types over it. The box is one character wide: a mixed one shows an
// ellipsis as its placeholder and says the whole word in its tooltip.
void ShowNameBox(QLineEdit* box, int character, bool mixed, const QString& mixedText) {
    DescribeMixed(box, mixed, mixedText);
    const QString placeholder = mixed ? QStringLiteral("\u2026") : QString();
    if (box->placeholderText() != placeholder) {
        box->setPlaceholderText(placeholder);
        box->setToolTip(mixed ? mixedText : QString());
    }
    const bool blank = mixed || character == ' ';
    ShowChannelText(box, blank ? QString() : QString(QChar(static_cast<char16_t>(character))));
}

}  // namespace

void ShowChannelText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

template <class Model>
void ChannelFieldsDialog::connectFields(Model& model) {
    auto after = [this](auto action) {
        return [this, action](auto... args) {
            action(args...);
            refresh();
        };
    };
    for (int i = 0; i < kNameBoxes; ++i) {
        // textChanged, not textEdited: the key filter sets the typed character itself.
        connect(name_[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
                after([&model, i](const QString& text) {
                    model.setNameBox(i, text.toLatin1().toStdString());
                }));
    }

    const std::pair<QComboBox*, ChannelChoice> choices[] = {
        {step_, ChannelChoice::Step},         {bandwidth_, ChannelChoice::Bandwidth},
        {power_, ChannelChoice::TxPower},     {scrambler_, ChannelChoice::Scrambler},
        {busyLock_, ChannelChoice::BusyLock}, {dtmfMemory_, ChannelChoice::DtmfMemory},
        {twoTone_, ChannelChoice::TwoTone},   {fiveTone_, ChannelChoice::FiveTone},
        {squelch_, ChannelChoice::Squelch}};
    for (const auto& [combo, choice] : choices) {
        connect(combo, &QComboBox::activated, this,
                after([&model, choice](int index) { model.setChoice(choice, index); }));
    }
    connect(signaling_, &QComboBox::activated, this,
            after([&model](int index) { model.setSignaling(index); }));
    connect(dtmfPttId_, &QComboBox::activated, this,
            after([&model](int index) { model.setPttId(PttIdSystem::Dtmf, index); }));
    connect(fiveTonePttId_, &QComboBox::activated, this,
            after([&model](int index) { model.setPttId(PttIdSystem::FiveTone, index); }));
    connectTone(model, ToneSide::Receive, rxTone_);
    connectTone(model, ToneSide::Transmit, txTone_);

    const std::pair<QCheckBox*, ChannelCheck> checks[] = {{txInhibit_, ChannelCheck::TxInhibit},
                                                          {reverse_, ChannelCheck::Reverse},
                                                          {talkaround_, ChannelCheck::Talkaround},
                                                          {compander_, ChannelCheck::Compander},
                                                          {scanSkip_, ChannelCheck::ScanSkip}};
    for (const auto& [check, which] : checks) {
        connect(check, &QCheckBox::clicked, this,
                after([&model, which](bool on) { model.setCheck(which, on); }));
    }
}

template <class Model>
void ChannelFieldsDialog::connectTone(Model& model, ToneSide side, const ToneControls& controls) {
    connect(controls.type, &QComboBox::activated, this, [this, &model, side](int index) {
        model.setToneType(side, index);
        refresh();
    });
    connect(controls.ctcss, &QComboBox::activated, this, [this, &model, side](int index) {
        model.setCtcss(side, index);
        refresh();
    });
    connect(controls.dcs, &QComboBox::activated, this, [this, &model, side](int index) {
        model.setDcs(side, index);
        refresh();
    });
    connect(controls.inverted, &QCheckBox::clicked, this, [this, &model, side](bool on) {
        model.setDcsInverted(side, on);
        refresh();
    });
}

template <class Model>
void ChannelFieldsDialog::refreshSquelchList(const Model& model) {
    if (model.squelchChoices() == shownSquelch_) return;
    shownSquelch_ = model.squelchChoices();
    QStringList items;
    for (int mode : shownSquelch_) items << LangQ(texts_, kKeyChannelFirstSquelchMode + mode);
    const QSignalBlocker quiet(squelch_);
    squelch_->clear();
    squelch_->addItems(items);
}

template <class Model>
void ChannelFieldsDialog::showFields(const Model& model) {
    // The lists that depend on another field first, then every field's value.
    const NumberList numbers = model.visibleNumberList();
    dtmfMemory_->setVisible(numbers == NumberList::DtmfMemory);
    twoTone_->setVisible(numbers == NumberList::TwoTone);
    fiveTone_->setVisible(numbers == NumberList::FiveTone);
    for (ToneSide side : {ToneSide::Receive, ToneSide::Transmit}) {
        const ToneControls& c = side == ToneSide::Receive ? rxTone_ : txTone_;
        c.ctcss->setVisible(model.showsCtcss(side));
        c.dcs->setVisible(model.showsDcs(side));
        c.inverted->setVisible(model.showsDcs(side));
    }
    refreshSquelchList(model);

    const QString mixedText = BuiltInQ(TextId::MixedValues, texts_.language());
    for (std::size_t at = 0; at < kChannelFieldCount; ++at) {
        const auto field = static_cast<ChannelField>(at);
        QWidget* control = fieldControl(field);
        const int value = ShownValue(model, field);
        const bool mixed = IsMixed(model, field);
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            Select(combo, value, mixed, mixedText);
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            Check(check, value != 0, mixed, mixedText);
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            ShowNameBox(box, value, mixed, mixedText);
        }
    }

    for (QWidget* w : dependents_) w->setEnabled(model.enabled());
}

// The two editors' models.
template void ChannelFieldsDialog::connectFields(ChannelEditModel&);
template void ChannelFieldsDialog::connectFields(ChannelBulkEditModel&);
template void ChannelFieldsDialog::showFields(const ChannelEditModel&);
template void ChannelFieldsDialog::showFields(const ChannelBulkEditModel&);

}  // namespace torvik
