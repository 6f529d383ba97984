// ChannelBulkEditDialog, the channel editor opened on several channels at once: the controls of
// the editor of one channel without the frequencies, over a ChannelBulkEditModel on a working
// copy of the codeplug. A field the channels do not share shows as mixed until the user sets
// it. OK stores the changes in every channel that takes them, asking first when some channel
// does not, and commits them to the document as one undoable step.
#pragma once

#include <vector>

#include "app/language_texts.h"
#include "channel_edit/channel_bulk_edit.h"
#include "document/codeplug_document.h"
#include "ui/channel_editor/channel_fields_dialog.h"

namespace torvik {

class ChannelBulkEditDialog : public ChannelFieldsDialog {
    Q_OBJECT

  public:
    // Edits the channels among `rows` (channel numbers); rows without a channel are left
    // alone. At least one of them holds a channel. Nothing changes until OK.
    ChannelBulkEditDialog(CodeplugDocument& document, const FeatureFlags& features,
                          const std::vector<int>& rows, const LanguageTexts& texts,
                          Reporter& reporter, QWidget* parent = nullptr);

    const ChannelBulkEditModel& model() const { return model_; }

    // Stores and closes; when some channels refuse a value, names them and asks whether the
    // others take the changes (Cancel keeps the editor open, nothing stored).
    void commitOk() override;

  private:
    void refresh() override;
    // The refused values, field by field, with the channels that refuse them.
    QString refusalText(const std::vector<ChannelFieldRefusal>& refusals) const;

    CodeplugDocument& document_;
    Reporter& reporter_;
    Codeplug working_;
    ChannelBulkEditModel model_;
};

}  // namespace torvik
