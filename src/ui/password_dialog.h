// The radio-password dialog: up to four characters, shown as "*". Opened from the menu at any
// time, or by the link when the radio's password differs from the one typed in this run.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <string_view>

#include "app/language_texts.h"

class QLineEdit;
class QPushButton;

namespace torvik {

inline constexpr int kPasswordLength = 4;

class PasswordDialog : public QDialog {
    Q_OBJECT

  public:
    PasswordDialog(const LanguageTexts& texts, std::string_view current, QWidget* parent = nullptr);

    // The box's text as typed.
    std::string typed() const;

    // Runs the dialog modally: the typed text on OK, nothing on Cancel.
    static std::optional<std::string> Ask(const LanguageTexts& texts, std::string_view current,
                                          QWidget* parent);

  private:
    QLineEdit* password_;
};

}  // namespace torvik
