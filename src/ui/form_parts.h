// The small pieces every editor window is built from: named lists, check boxes, labels that
// carry their language key and name their control, fixed-width text boxes, list items from
// language keys or numbers.
#pragma once

#include <QString>
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

QComboBox* MakeCombo(QWidget* parent, const char* name);
// `designText` shows until the window is relabelled from `key`.
QCheckBox* MakeCheck(QWidget* parent, const char* name, int key, const char* designText);
// A label of `key` (0: no key) for `buddy`; relabelling names the buddy after it.
QLabel* MakeLabel(QWidget* parent, int key, const char* designText, QWidget* buddy);
// A text box `widthChars` wide that takes at most `maxLength` characters.
QLineEdit* MakeText(QWidget* parent, const QString& name, int maxLength, int widthChars);

// Replaces a list's items without telling its listeners.
void SetItems(QComboBox* combo, const QStringList& items);
QStringList KeyItems(const LanguageTexts& texts, std::initializer_list<int> keys);
QStringList TextItems(const std::vector<std::string>& texts);
QStringList NumberItems(const std::vector<int>& numbers);
// The decimal numbers first..last.
QStringList RangeItems(int first, int last);

// A memory-channel list: channel n (1..200) shows as the number n - 1. Shows `channel`, or
// the first entry when it is not offered; reading gives the channel shown, 0 for none.
void FillMemoryChannels(QComboBox* combo, const std::vector<int>& channels);
void ShowMemoryChannel(QComboBox* combo, int channel);
int ShownMemoryChannel(const QComboBox* combo);

// Tab visits the controls in this order.
void ChainTabOrder(const std::vector<QWidget*>& order);

// Ctrl+Enter (either Enter key) runs `confirm` from anywhere in the dialog, while a plain
// Enter moves on to the next field.
void AddConfirmShortcuts(QWidget* dialog, const std::function<void()>& confirm);

// Keeps a control's place in the layout while it is hidden, so that switching between
// controls that share a cell does not make the window jump.
void KeepPlace(QWidget* widget);

// Selects `position`, or the first entry when the position is outside the list.
void SelectOrFirst(QComboBox* combo, int position);
// Selects the entry with this text, or the first entry; nothing when the list is empty.
void SelectTextOrFirst(QComboBox* combo, const QString& text);

}  // namespace torvik
