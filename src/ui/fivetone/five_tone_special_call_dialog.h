// FiveToneSpecialCallDialog, the 5-Tone special-call dialog: composes a data call, an ANI call or a
// PTT-ID call for the 5-Tone editor's code list (an entry chosen here) or for one of its PTT-ID
// boxes. Every OK sets the ANI separator of the editor's working copy, even one refused for a
// called code that is too short; what it composes the editor takes from it after OK.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "app/language_texts.h"
#include "calling/fivetone/special_call.h"
#include "platform/reporter.h"

class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace torvik {

class FiveToneSpecialCallDialog : public QDialog {
    Q_OBJECT

  public:
    // `entry` is the code list's current entry, the code number offered first; `separator`
    // is the working copy's ANI separator setting; `ownId` the editor's own-ID box.
    FiveToneSpecialCallDialog(const LanguageTexts& texts, Reporter& reporter,
                              SpecialCallTarget target, int entry, std::int16_t& separator,
                              std::string ownId, QWidget* parent = nullptr);

    // What OK composed.
    const SpecialCallInput& input() const { return input_; }
    int codeNumber() const;
    std::string boxText() const { return SpecialCallBoxText(input_); }

    void commitOk();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void callTypeChosen(int type);
    void refuseShortCode();

    const LanguageTexts& texts_;
    Reporter& reporter_;
    SpecialCallTarget target_;
    std::int16_t& separatorSetting_;
    SpecialCallInput input_;

    QLabel* codeNumberLabel_ = nullptr;
    QComboBox* codeNumber_ = nullptr;
    QComboBox* callType_ = nullptr;
    QGroupBox* dataFrame_ = nullptr;
    QLineEdit* dataCode_ = nullptr;
    QLineEdit* dataText_ = nullptr;
    QGroupBox* aniFrame_ = nullptr;
    QLineEdit* aniCode_ = nullptr;
    QComboBox* separator_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
