// ChannelEditorDialog, the modal dialog that edits one channel slot of the channel list. It shows
// the state of a ChannelEditModel on a working copy of the codeplug, forwards every user action to
// it and shows the result again; OK stores (or deletes) through the model, which also repairs
// the channel references, and commits the result to the document as one undoable step.
#pragma once

#include "app/language_texts.h"
#include "channel_edit/channel_edit_model.h"
#include "document/codeplug_document.h"
#include "ui/channel_editor/channel_fields_dialog.h"

namespace torvik {

class ChannelEditorDialog : public ChannelFieldsDialog {
    Q_OBJECT

  public:
    // Edits the slot `row` (1..203) of the document's channel table. Nothing changes until OK.
    ChannelEditorDialog(CodeplugDocument& document, const FeatureFlags& features, int row,
                        const LanguageTexts& texts, Reporter& reporter, QWidget* parent = nullptr);

    const ChannelEditModel& model() const { return model_; }

    void commitOk() override;

  private:
    void refresh() override;
    QString shiftText() const;

    CodeplugDocument& document_;
    Codeplug working_;
    ChannelEditModel model_;
};

}  // namespace torvik
