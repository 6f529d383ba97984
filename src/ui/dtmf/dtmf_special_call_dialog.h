// DtmfSpecialCallDialog, the small dialog that composes a DTMF call code from the own ID and the
// separator: an ANI call (the other party's code, the separator, the own ID) or a PTT-ID
// (the separator and the own ID). The DTMF editor puts the code into the box being edited.
#pragma once

#include <QDialog>
#include <string>

#include "app/language_texts.h"

class QComboBox;
class QDialogButtonBox;
class QFrame;
class QLineEdit;

namespace torvik {

class DtmfSpecialCallDialog : public QDialog {
    Q_OBJECT

  public:
    DtmfSpecialCallDialog(const LanguageTexts& texts, char separator, std::string dtmfId,
                          QWidget* parent = nullptr);

    // The code composed by OK.
    const std::string& code() const { return code_; }
    void commitOk();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void callTypeChosen(int type);

    char separator_;
    std::string dtmfId_;
    std::string code_;
    QComboBox* callType_ = nullptr;
    QFrame* frame_ = nullptr;
    QLineEdit* otherCode_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
