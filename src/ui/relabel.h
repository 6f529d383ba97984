// Re-labelling windows from the language-file keys their controls carry. Every window, label,
// button, menu entry and tab keeps its key in a property ("langKey"; "tipKey" for a tooltip),
// so a language switch only has to walk the controls and look the texts up again.
#pragma once

#include <QList>
#include <QString>

#include "app/language_texts.h"
#include "platform/language.h"

class QAbstractButton;
class QDialog;
class QDialogButtonBox;
class QObject;
class QTabWidget;
class QWidget;

namespace torvik {

inline constexpr const char* kLangKeyProperty = "langKey";
inline constexpr const char* kTipKeyProperty = "tipKey";
inline constexpr int kKeyFontName = 20;
inline constexpr int kKeyFontSize = 21;
inline constexpr int kKeyOk = 101;
inline constexpr int kKeyCancel = 102;

// The key of a control's caption (a window's title, a label's or button's text, a menu
// entry's caption) and of its tooltip.
void SetLangKey(QObject* control, int key);
void SetTipKey(QObject* control, int key);
// The keys of a tab strip's tabs and of their tooltips, in tab order.
void SetTabKeys(QTabWidget* tabs, const QList<int>& keys, const QList<int>& tipKeys = {});

// Looks every caption and tooltip of the window up again, and gives the window the font of
// keys 20 and 21. Menu entries made with their key as caption ("1001") take the key over on
// the first call. Controls without a key are left as they are.
void RelabelForm(QWidget* window, const LanguageTexts& texts);

// The OK and Cancel buttons every dialog has, named "CommandOK" and "CommandCancel". With
// `dialog` given, they accept and reject it.
QDialogButtonBox* MakeOkCancelButtons(QWidget* parent, QDialog* dialog = nullptr);

// The control a label names takes the label's text (without its access key) as accessible
// name, for screen readers and GUI tests. RelabelForm does this for every labelled control.
void NameByLabels(QWidget* window);

// A caption without its access key: "&New" and "新建(&N)" both become plain.
QString PlainText(QString text);

// OK and Cancel captions from keys 101 and 102; a key the language file lacks keeps the
// button's standard caption, so a dialog never ends up with blank buttons.
void LabelOkCancel(QDialogButtonBox* buttons, const LanguageTexts& texts);
void LabelOkCancel(QAbstractButton* ok, QAbstractButton* cancel, const LanguageTexts& texts);

// Close and Help captions from the fixed bilingual pair.
void LabelCloseHelp(QAbstractButton* close, QAbstractButton* help, Language language);

}  // namespace torvik
