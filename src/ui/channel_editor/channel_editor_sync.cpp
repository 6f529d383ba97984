// ChannelEditorDialog: the traffic between the controls and the model. Every user action goes to
// the model, then the whole model state is shown again, so the rules live in one place.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>

#include "channel_edit/channel_rows.h"
#include "ui/channel_editor/channel_editor_dialog.h"
#include "ui/channel_editor/channel_editor_keys.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

void ShowText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

void Select(QComboBox* combo, int index) {
    if (combo->currentIndex() == index) return;
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}

void Check(QCheckBox* check, bool on) {
    const QSignalBlocker quiet(check);
    check->setChecked(on);
}

// Name bytes are single-byte characters; a byte above 127 from the radio shows as its
// Latin-1 character and is kept unless the user types over it.
QString BoxText(const std::string& box) {
    return QString::fromLatin1(box.data(), static_cast<qsizetype>(box.size()));
}

}  // namespace

void ChannelEditorDialog::connectControls() {
    auto after = [this](auto action) {
        return [this, action](auto... args) {
            action(args...);
            refresh();
        };
    };
    connect(rxFreq_, &QLineEdit::textEdited, this,
            after([this](const QString& text) { model_.setRxText(U(text)); }));
    connect(txFreq_, &QLineEdit::textEdited, this,
            after([this](const QString& text) { model_.setTxText(U(text)); }));
    for (int i = 0; i < kNameBoxes; ++i) {
        // textChanged, not textEdited: the key filter sets the typed character itself.
        connect(name_[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
                after([this, i](const QString& text) {
                    model_.setNameBox(i, text.toLatin1().toStdString());
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
                after([this, choice](int index) { model_.setChoice(choice, index); }));
    }
    connect(signaling_, &QComboBox::activated, this,
            after([this](int index) { model_.setSignaling(index); }));
    connect(dtmfPttId_, &QComboBox::activated, this,
            after([this](int index) { model_.setPttId(PttIdSystem::Dtmf, index); }));
    connect(fiveTonePttId_, &QComboBox::activated, this,
            after([this](int index) { model_.setPttId(PttIdSystem::FiveTone, index); }));
    connectTone(ToneSide::Receive, rxTone_);
    connectTone(ToneSide::Transmit, txTone_);

    const std::pair<QCheckBox*, ChannelCheck> checks[] = {{txInhibit_, ChannelCheck::TxInhibit},
                                                          {reverse_, ChannelCheck::Reverse},
                                                          {talkaround_, ChannelCheck::Talkaround},
                                                          {compander_, ChannelCheck::Compander},
                                                          {scanSkip_, ChannelCheck::ScanSkip}};
    for (const auto& [check, which] : checks) {
        connect(check, &QCheckBox::clicked, this,
                after([this, which](bool on) { model_.setCheck(which, on); }));
    }

    connect(buttons_, &QDialogButtonBox::accepted, this, &ChannelEditorDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ChannelEditorDialog::connectTone(ToneSide side, const ToneControls& controls) {
    connect(controls.type, &QComboBox::activated, this, [this, side](int index) {
        model_.setToneType(side, index);
        refresh();
    });
    connect(controls.ctcss, &QComboBox::activated, this, [this, side](int index) {
        model_.setCtcss(side, index);
        refresh();
    });
    connect(controls.dcs, &QComboBox::activated, this, [this, side](int index) {
        model_.setDcs(side, index);
        refresh();
    });
    connect(controls.inverted, &QCheckBox::clicked, this, [this, side](bool on) {
        model_.setDcsInverted(side, on);
        refresh();
    });
}

void ChannelEditorDialog::commitOk() {
    if (model_.commitOk() == OkOutcome::StayOpen) {
        refresh();
        rxFreq_->setFocus();
        rxFreq_->selectAll();
        return;
    }
    const QString step =
        BuiltInQ(TextId::EditChannelStep, texts_.language()).arg(Q(ChannelLabel(model_.row())));
    document_.commit(step, EditableStateOf(working_));
    accept();
}

QString ChannelEditorDialog::shiftText() const {
    const ShiftPreview preview = model_.shiftPreview();
    if (!preview.valid) return {};
    const QString sign = preview.shiftDir == 1   ? QStringLiteral("\u2212")
                         : preview.shiftDir == 2 ? QStringLiteral("+")
                                                 : QString();
    return LangQ(texts_, kKeyChannelOffset) + ": " + sign + Q(preview.offsetText);
}

void ChannelEditorDialog::refreshSquelchList() {
    if (model_.squelchChoices() == shownSquelch_) return;
    shownSquelch_ = model_.squelchChoices();
    QStringList items;
    for (int mode : shownSquelch_) items << LangQ(texts_, kKeyChannelFirstSquelchMode + mode);
    const QSignalBlocker quiet(squelch_);
    squelch_->clear();
    squelch_->addItems(items);
}

void ChannelEditorDialog::refresh() {
    const ChannelEditFields& f = model_.fields();
    ShowText(rxFreq_, Q(f.rxText));
    ShowText(txFreq_, Q(f.txText));
    shift_->setText(shiftText());
    for (std::size_t i = 0; i < name_.size(); ++i) ShowText(name_[i], BoxText(f.nameBoxes[i]));

    Select(step_, f.step);
    Select(bandwidth_, f.bandwidth);
    Select(power_, f.txPower);
    Select(signaling_, f.signaling);
    const NumberList numbers = model_.visibleNumberList();
    dtmfMemory_->setVisible(numbers == NumberList::DtmfMemory);
    twoTone_->setVisible(numbers == NumberList::TwoTone);
    fiveTone_->setVisible(numbers == NumberList::FiveTone);
    Select(dtmfMemory_, f.dtmfMemory);
    Select(twoTone_, f.twoTone);
    Select(fiveTone_, f.fiveTone);

    for (ToneSide side : {ToneSide::Receive, ToneSide::Transmit}) {
        const ToneControls& c = side == ToneSide::Receive ? rxTone_ : txTone_;
        const ToneFields& t = side == ToneSide::Receive ? f.rxTone : f.txTone;
        Select(c.type, t.type);
        c.ctcss->setVisible(model_.showsCtcss(side));
        c.dcs->setVisible(model_.showsDcs(side));
        c.inverted->setVisible(model_.showsDcs(side));
        Select(c.ctcss, t.ctcss);
        Select(c.dcs, t.dcs);
        Check(c.inverted, t.dcsInverted);
    }

    refreshSquelchList();
    Select(squelch_, f.squelch);
    Select(scrambler_, f.scrambler);
    Select(dtmfPttId_, f.dtmfPttId);
    Select(fiveTonePttId_, f.fiveTonePttId);
    Select(busyLock_, f.busyLock);
    Check(txInhibit_, f.txInhibit);
    Check(reverse_, f.reverse);
    Check(talkaround_, f.talkaround);
    Check(compander_, f.compander);
    Check(scanSkip_, f.scanSkip);

    for (QWidget* w : dependents_) w->setEnabled(model_.enabled());
}

}  // namespace torvik
