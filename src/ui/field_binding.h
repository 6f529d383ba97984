// Editor fields declared once. An editor names each of its fields in one line: the control's
// object name, its label, the items it offers, the value in the working copy it edits and how
// that value maps to the control. FormFields then builds the control and its label, adds the
// row to the form, gives the control the editors' keyboard rules, shows every value when the
// editor opens and stores every value back on OK. Controls that need rules of their own
// (enabling, lists that follow another list) keep the pointer the declaration returns.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

#include "app/language_texts.h"

class QFormLayout;
class QLabel;
class QWidget;

namespace torvik {

class EditKeyFilter;

// A field's label: a key of the language file's section "OTHER" (with the text shown until
// the window is relabelled), or a key of its section "OPTION".
struct FieldLabel {
    int key = 0;
    const char* designText = "";
    int optionKey = 0;
};
inline FieldLabel OtherKey(int key, const char* designText = "") {
    return {key, designText, 0};
}
inline FieldLabel OptionKey(int key) {
    return {0, "", key};
}

// How a list position stands for the value it edits: position p is the value p + offset.
struct PositionRule {
    int offset = 0;
};

class FormFields {
  public:
    FormFields(QWidget* dialog, EditKeyFilter* keys);

    // A pick list of `items` editing `value` by position. A value no item stands for shows
    // the first item.
    template <class T>
    QComboBox* list(QFormLayout* form, const char* name, const FieldLabel& label,
                    const QStringList& items, T& value, PositionRule rule = {}) {
        QComboBox* combo = addList(form, name, label, items);
        add(
            combo, [combo, &value, rule] { selectPosition(combo, int(value) - rule.offset); },
            [combo, &value, rule] { value = Fit<T>(position(combo) + rule.offset); });
        return combo;
    }

    // A pick list of numbers that shows the item reading as `value`. OK keeps the value when
    // the list shows none.
    template <class T>
    QComboBox* numberList(QFormLayout* form, const char* name, const FieldLabel& label,
                          const QStringList& items, T& value) {
        QComboBox* combo = addList(form, name, label, items);
        add(
            combo, [combo, &value] { selectText(combo, int(value)); },
            [combo, &value] { value = Fit<T>(shownNumber(combo, int(value))); });
        return combo;
    }

    // A list of memory channels 1..200, each shown as its number - 1; 0 stands for none.
    template <class T>
    QComboBox* memoryChannel(QFormLayout* form, const char* name, const FieldLabel& label,
                             const std::vector<int>& channels, T& value) {
        QComboBox* combo = addList(form, name, label, {});
        fillMemoryChannels(combo, channels);
        add(
            combo, [combo, &value] { showMemoryChannel(combo, int(value)); },
            [combo, &value] { value = Fit<T>(shownMemoryChannel(combo)); });
        return combo;
    }

    // A check box for a 0/1 value; a stored value above 1 shows unticked and stores 0.
    template <class T>
    QCheckBox* check(QFormLayout* form, const char* name, const FieldLabel& label, T& value) {
        QCheckBox* box = addCheck(form, name, label);
        add(
            box, [box, &value] { setTicked(box, value == 1); },
            [box, &value] { value = T(ticked(box) ? 1 : 0); });
        return box;
    }
    QCheckBox* check(QFormLayout* form, const char* name, const FieldLabel& label, bool& value) {
        QCheckBox* box = addCheck(form, name, label);
        add(
            box, [box, &value] { setTicked(box, value); }, [box, &value] { value = ticked(box); });
        return box;
    }

    // Every declared field from its value, in declaration order.
    void showAll() const;
    // Every declared value from its field.
    void storeAll() const;
    // The declared controls in declaration order.
    std::vector<QWidget*> controls() const;

    // Gives the labels made from "OPTION" keys their texts (labels of "OTHER" keys are
    // relabelled with the window).
    static void RelabelOptionKeys(QWidget* window, const LanguageTexts& texts);

  private:
    struct Bound {
        QWidget* control;
        std::function<void()> show;
        std::function<void()> store;
    };

    template <class T>
    static T Fit(int value) {
        return static_cast<T>(
            std::clamp<int>(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    }

    QComboBox* addList(QFormLayout* form, const char* name, const FieldLabel& label,
                       const QStringList& items);
    QCheckBox* addCheck(QFormLayout* form, const char* name, const FieldLabel& label);
    QLabel* makeLabel(const FieldLabel& label, QWidget* buddy);
    void add(QWidget* control, std::function<void()> show, std::function<void()> store);

    static void selectPosition(QComboBox* combo, int position);
    static int position(const QComboBox* combo);
    static void selectText(QComboBox* combo, int number);
    static int shownNumber(const QComboBox* combo, int fallback);
    static void fillMemoryChannels(QComboBox* combo, const std::vector<int>& channels);
    static void showMemoryChannel(QComboBox* combo, int channel);
    static int shownMemoryChannel(const QComboBox* combo);
    static void setTicked(QCheckBox* box, bool ticked);
    static bool ticked(const QCheckBox* box);

    QWidget* dialog_;
    EditKeyFilter* keys_;
    std::vector<Bound> fields_;
};

}  // namespace torvik
