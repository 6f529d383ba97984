// ChannelEditorDialog: the frequencies, which only the editor of one channel offers, and OK.
#include "ui/channel_editor/channel_editor_dialog.h"

#include <QLabel>
#include <QLineEdit>

#include "channel_edit/channel_rows.h"
#include "ui/channel_editor/channel_editor_keys.h"
#include "ui/ui_text.h"

namespace torvik {

ChannelEditorDialog::ChannelEditorDialog(CodeplugDocument& document, const FeatureFlags& features,
                                         int row, const LanguageTexts& texts, Reporter& reporter,
                                         QWidget* parent)
    : ChannelFieldsDialog(texts, parent),
      document_(document),
      working_(document.codeplug()),
      model_(working_, features, row, reporter) {
    setObjectName("FrmCHEdit");
    buildForm(model_, Q(ChannelLabel(row)));
    connect(rxFreq_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setRxText(U(text));
        refresh();
    });
    connect(txFreq_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setTxText(U(text));
        refresh();
    });
    connectFields(model_);
    refresh();
    rxFreq_->setFocus();
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

void ChannelEditorDialog::refresh() {
    const ChannelEditFields& f = model_.fields();
    ShowChannelText(rxFreq_, Q(f.rxText));
    ShowChannelText(txFreq_, Q(f.txText));
    shift_->setText(shiftText());
    showFields(model_);
}

}  // namespace torvik
