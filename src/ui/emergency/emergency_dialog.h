// EmergencyDialog, the modal editor of the emergency alarm: alarm mode, identification code (a DTMF
// code memory or a 5-Tone code), the alarm, transmit and receive times, the emergency channel
// and the cycles; and the lone-worker settings, which the radio family does not offer in the
// window but keeps. It works on a working copy; OK commits it as one undoable step.
#pragma once

#include <QDialog>
#include <memory>

#include "app/language_texts.h"
#include "document/codeplug_document.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;

namespace torvik {

class EditKeyFilter;
class FormFields;

class EmergencyDialog : public QDialog {
    Q_OBJECT

  public:
    EmergencyDialog(CodeplugDocument& document, const LanguageTexts& texts,
                    QWidget* parent = nullptr);
    ~EmergencyDialog() override;

    void commitOk();

  private:
    // Every field of the window, one line each, in tab order.
    void declareFields();
    void connectControls();
    // The ID-code list for the type row 1 shows, with the stored code selected.
    void fillIdCodes();
    void applyAlarmModeRule();
    void applyChannelRule();
    void applyLoneWorkerRule();

    CodeplugDocument& document_;
    const LanguageTexts& texts_;
    EditableState state_;
    EmergencySettings& alarm_;
    EditKeyFilter* keys_ = nullptr;
    std::unique_ptr<FormFields> fields_;

    QComboBox* alarmMode_ = nullptr;
    QComboBox* idCodeType_ = nullptr;
    QComboBox* idCode_ = nullptr;
    QComboBox* alarmTime_ = nullptr;
    QComboBox* txTime_ = nullptr;
    QComboBox* rxTime_ = nullptr;
    QComboBox* channelSelect_ = nullptr;
    QComboBox* channel_ = nullptr;
    QComboBox* cycles_ = nullptr;
    QGroupBox* loneWorker_ = nullptr;
    QCheckBox* autoCheck_ = nullptr;
    QComboBox* preAlert_ = nullptr;
    QComboBox* loneWorkerTime_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
