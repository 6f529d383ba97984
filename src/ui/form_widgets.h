// The small pieces the editor dialogs are built from: lists, labels with their language key
// and buddy, check boxes, fixed-width text boxes, list contents, the tab order, and Ctrl+Enter
// as OK.
#pragma once

#include <QStringList>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/language_texts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace torvik {

// A drop-down list that shows sixteen entries at a time and is as wide as its longest one.
QComboBox* MakeCombo(QWidget* parent, const char* name);
// A check box captioned by language key `key`; `designText` shows until the window is
// re-labelled.
QCheckBox* MakeCheck(QWidget* parent, const char* name, int key, const char* designText);
// A label captioned by `key` (none when 0) that names `buddy`.
QLabel* MakeLabel(QWidget* parent, int key, const char* designText, QWidget* buddy);
// A text box of at most `maxLength` characters, wide enough for `widthChars` of them.
QLineEdit* MakeText(QWidget* parent, const QString& name, int maxLength, int widthChars);

// Replaces a list's entries without announcing a change of choice.
void SetItems(QComboBox* combo, const QStringList& items);
// The texts of language keys, and plain texts, as list entries.
QStringList KeyItems(const LanguageTexts& texts, std::initializer_list<int> keys);
QStringList TextItems(const std::vector<std::string>& texts);

// Tab visits the controls in this order.
void ChainTabOrder(const std::vector<QWidget*>& order);

// Ctrl+Enter (either Enter key) runs `confirm` from anywhere in the dialog, while a plain
// Enter moves on to the next field.
void AddConfirmShortcuts(QWidget* dialog, const std::function<void()>& confirm);

}  // namespace torvik
