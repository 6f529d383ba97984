// The language dialog: English or Chinese for the rest of this run (every start follows the
// system locale again).
#pragma once

#include <QDialog>

#include "app/language_texts.h"
#include "platform/language.h"

class QComboBox;

namespace torvik {

class LanguageDialog : public QDialog {
    Q_OBJECT

  public:
    LanguageDialog(const LanguageTexts& texts, Language current, QWidget* parent = nullptr);

    Language chosen() const;

  private:
    QComboBox* language_;
};

}  // namespace torvik
