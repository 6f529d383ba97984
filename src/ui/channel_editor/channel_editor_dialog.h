// ChannelEditorDialog, the modal dialog that edits one channel slot of the channel list. It shows
// the state of a ChannelEditModel on a working copy of the codeplug, forwards every user action to
// it and shows the result again; OK stores (or deletes) through the model, which also repairs
// the channel references, and commits the result to the document as one undoable step.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "app/language_texts.h"
#include "app/settings.h"
#include "channel_edit/channel_edit_model.h"
#include "document/codeplug_document.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace torvik {

class EditKeyFilter;

class ChannelEditorDialog : public QDialog {
    Q_OBJECT

  public:
    // Edits the slot `row` (1..203) of the document's channel table. Nothing changes until OK.
    ChannelEditorDialog(CodeplugDocument& document, const FeatureFlags& features, int row,
                        const LanguageTexts& texts, Reporter& reporter, QWidget* parent = nullptr);

    const ChannelEditModel& model() const { return model_; }

    // OK: store, delete or refuse. Accepted when the dialog closed and the change went to the
    // document.
    void commitOk();

  private:
    struct ToneControls {
        QComboBox* type = nullptr;
        QComboBox* ctcss = nullptr;
        QComboBox* dcs = nullptr;
        QCheckBox* inverted = nullptr;
    };

    void buildControls();
    void buildLayout();
    void setTabOrder();
    void relabel();
    void nameControls();
    void fillLists();
    void connectControls();
    void connectTone(ToneSide side, const ToneControls& controls);
    // Shows the model's state in every control.
    void refresh();
    void refreshSquelchList();
    QString shiftText() const;

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    Codeplug working_;
    ChannelEditModel model_;
    EditKeyFilter* keys_ = nullptr;

    QLineEdit* rxFreq_ = nullptr;
    QLineEdit* txFreq_ = nullptr;
    QLabel* shift_ = nullptr;
    std::array<QLineEdit*, kNameBoxes> name_{};
    QComboBox* step_ = nullptr;
    QComboBox* bandwidth_ = nullptr;
    QComboBox* power_ = nullptr;
    QComboBox* signaling_ = nullptr;
    QComboBox* dtmfMemory_ = nullptr;
    QComboBox* twoTone_ = nullptr;
    QComboBox* fiveTone_ = nullptr;
    ToneControls rxTone_;
    ToneControls txTone_;
    QLabel* rxToneLabel_ = nullptr;
    QLabel* txToneLabel_ = nullptr;
    QComboBox* squelch_ = nullptr;
    QComboBox* scrambler_ = nullptr;
    QComboBox* dtmfPttId_ = nullptr;
    QComboBox* fiveTonePttId_ = nullptr;
    QComboBox* busyLock_ = nullptr;
    QCheckBox* txInhibit_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QCheckBox* talkaround_ = nullptr;
    QCheckBox* compander_ = nullptr;
    QCheckBox* scanSkip_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QFormLayout* settingsForm_ = nullptr;
    std::vector<int> shownSquelch_;
    // Everything the enabling rule switches: all controls but the receive frequency.
    std::vector<QWidget*> dependents_;
};

}  // namespace torvik
