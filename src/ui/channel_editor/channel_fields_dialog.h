// ChannelFieldsDialog, the channel editor's window without its model: a control for every field
// of a channel, their layout, labels, lists, accessible names and tab order, and the traffic
// between the controls and a model. The editor of one channel (ChannelEditorDialog) and the
// editor of several at once (ChannelBulkEditDialog) are built on it, each over its own model;
// the two models take the same actions, so the controls are declared and wired once.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "app/language_texts.h"
#include "channel_edit/channel_bulk_edit.h"
#include "channel_edit/channel_edit_model.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace torvik {

class EditKeyFilter;

// Shows `text` in `edit` without telling its listeners.
void ShowChannelText(QLineEdit* edit, const QString& text);

class ChannelFieldsDialog : public QDialog {
    Q_OBJECT

  public:
    // OK: store or refuse. Accepted when the dialog closed and the change went to the
    // document.
    virtual void commitOk() = 0;

  protected:
    ChannelFieldsDialog(const LanguageTexts& texts, QWidget* parent);

    // Builds the controls, their layout, labels and tab order, and fills the lists from
    // `lists` (a model of an edited channel: the lists are the same for every channel).
    // `subject` follows the caption in the title: which channels are edited.
    void buildForm(const ChannelEditModel& lists, const QString& subject);

    // The frequency rows go: the editor of several channels does not edit them.
    void hideFrequencies();

    // Every field but the frequencies gives its user's actions to `model`, then refresh() runs.
    template <class Model>
    void connectFields(Model& model);
    // Shows every field of `model` but the frequencies; a field the model has mixed shows
    // as mixed.
    template <class Model>
    void showFields(const Model& model);
    // Shows the model's whole state in every control.
    virtual void refresh() = 0;
    // The control of a field, and what a screen reader calls it.
    QWidget* fieldControl(ChannelField field) const;
    QString fieldName(ChannelField field) const;

    struct ToneControls {
        QComboBox* type = nullptr;
        QComboBox* ctcss = nullptr;
        QComboBox* dcs = nullptr;
        QCheckBox* inverted = nullptr;
    };

    const LanguageTexts& texts_;
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
    // Everything the enabling rule switches: all controls but the receive frequency.
    std::vector<QWidget*> dependents_;

  private:
    void buildControls();
    void buildLayout();
    void setTabOrder();
    void relabel(const QString& subject);
    void nameControls();
    void fillLists(const ChannelEditModel& lists);
    template <class Model>
    void connectTone(Model& model, ToneSide side, const ToneControls& controls);
    template <class Model>
    void refreshSquelchList(const Model& model);

    QFormLayout* frequencyForm_ = nullptr;  // the frequencies and the name
    std::array<QLabel*, 2> frequencyLabels_{};
    std::vector<int> shownSquelch_;
};

}  // namespace torvik
