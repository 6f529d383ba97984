// The editors' keyboard rules for their fields: Enter moves on to the next field instead of
// closing the dialog; text fields swallow copy, paste and cut, refuse characters above 127
// and keep to their own character set, and select their whole text when they get the focus.
// A name box takes one character and moves on at once; a box that turns lower-case letters
// into capitals types the capital.
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;

namespace torvik {

enum class TextRule {
    Any,          // any character up to 127
    RxFrequency,  // digits and "." only
    NameBox,      // one printable character up to "}" except the backslash; then move on
    MessageBox,   // one printable character except the backslash and "~"; then move on
    Digits,       // "0"-"9"
    DtmfCode,     // DTMF symbols: digits, "*", "#", "A"-"D" ("a"-"d" typed as capitals)
    BookCallId,   // a communication-book call ID: digits
    BookName,     // a communication-book name: capitals, digits, blank (small letters raised)
    HexDigits,    // "0"-"9", "A"-"F" ("a"-"f" typed as capitals)
    CalledCode,   // a 5-Tone called code: digits and "A" ("a" typed as a capital)
    DataText,     // a 5-Tone data message: digits and capitals (small letters raised)
};

class EditKeyFilter : public QObject {
  public:
    // `moveOn` gives the focus to the next field in the window's tab order.
    EditKeyFilter(std::function<void()> moveOn, QObject* parent);

    // A list or check box: Enter moves on.
    void watchField(QWidget* field);
    // A text field with its character rule. Its edit menu, drops and input methods are off,
    // so nothing reaches it around the rules.
    void watchText(QLineEdit* edit, TextRule rule);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> moveOn_;
};

}  // namespace torvik
