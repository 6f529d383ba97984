// Editor fields declared once. An editor names each of its fields in one line: where it
// stands, the control's object name, its label, the items it offers (or the text it takes),
// the value in the working copy it edits and how that value maps to the control. FormFields
// then builds the control and its label, puts both in place, gives the control the editors'
// keyboard rules, shows every value when the editor opens and stores every value back on OK
// (or at once, for fields that store when the user chooses). Controls that need rules of their
// own (enabling, lists that follow another list) keep the pointer the declaration returns.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "app/language_texts.h"
#include "codeplug/fixed_text.h"
#include "ui/edit_key_filter.h"

class QBoxLayout;
class QFormLayout;
class QGridLayout;
class QLabel;
class QWidget;

namespace torvik {

// A field's label: a key of the language file's section "OTHER" (with the text shown until
// the window is relabelled), a key of its section "OPTION", or a fixed caption. A label of
// none of these is no label: the field stands on its own.
struct FieldLabel {
    int key = 0;
    QString designText;
    int optionKey = 0;

    bool empty() const { return key == 0 && optionKey == 0 && designText.isEmpty(); }
};
inline FieldLabel OtherKey(int key, const char* designText = "") {
    return {key, QString::fromUtf8(designText), 0};
}
inline FieldLabel OptionKey(int key) {
    return {0, {}, key};
}
// A caption no language file has ("M1"): it keeps its text in every language.
inline FieldLabel Caption(const QString& text) {
    return {0, text, 0};
}

// Where a declared field stands. A check box is its own label.
class FieldPlace {
  public:
    // A row of a form: the label, then the control.
    FieldPlace(QFormLayout* form) : form_(form) {}
    // A row of a form whose field is a line: the label names the row and the control goes
    // into the line, where later fields declared on the line stand beside it.
    FieldPlace(QFormLayout* form, QBoxLayout* line) : form_(form), line_(line) {}
    // A line: the label, then the control.
    FieldPlace(QBoxLayout* line) : line_(line) {}
    // Two cells of a grid row: the label at `column`, the control in the next one.
    FieldPlace(QGridLayout* grid, int row, int column) : grid_(grid), row_(row), column_(column) {}
    // Nowhere: the editor places the control, which has no label.
    FieldPlace(std::nullptr_t) {}

    bool somewhere() const { return form_ || line_ || grid_; }
    void put(QLabel* label, QWidget* control) const;

  private:
    QFormLayout* form_ = nullptr;
    QBoxLayout* line_ = nullptr;
    QGridLayout* grid_ = nullptr;
    int row_ = 0;
    int column_ = 0;
};

// When a field's value goes back into the working copy.
enum class StoreWhen {
    Ok,      // on OK, from what the control shows
    Chosen,  // at once, when the user chooses or ticks; until then the value stays as held,
             // also one the control cannot show
};

// How a list position stands for the value it edits: position p is the value p + offset. A
// value no item stands for shows the first item, or no item with `blankWhenUnlisted`.
struct PositionRule {
    int offset = 0;
    bool blankWhenUnlisted = false;
    StoreWhen store = StoreWhen::Ok;
};

// Which values tick a check box: 1 only (any other shows unticked and stores as 0), or every
// value but 0 with `anyNonZero`. A ticked box stores 1, an unticked one 0.
struct TickRule {
    bool anyNonZero = false;
    StoreWhen store = StoreWhen::Ok;
};

// A list entry that stands for a value of its own (a channel shown as "PA", say).
struct ListChoice {
    QString text;
    int value = 0;
};

// A text box: at most `maxLength` characters of `rule`, `widthChars` wide.
struct TextBox {
    int maxLength = 0;
    int widthChars = 0;
    TextRule rule = TextRule::Any;
};

class FormFields {
  public:
    FormFields(QWidget* dialog, EditKeyFilter* keys);

    // A pick list of `items` editing `value` by position.
    template <class T>
    QComboBox* list(FieldPlace place, const char* name, const FieldLabel& label,
                    const QStringList& items, T& value, PositionRule rule = {}) {
        QComboBox* combo = addList(place, name, label, items);
        add(
            combo,
            [combo, &value, rule] {
                selectPosition(combo, int(value) - rule.offset, rule.blankWhenUnlisted);
            },
            [combo, &value, rule] { value = Fit<T>(position(combo) + rule.offset); }, rule.store);
        return combo;
    }

    // A pick list whose entries stand for values of their own; a value no entry stands for
    // shows the first entry.
    template <class T>
    QComboBox* choiceList(FieldPlace place, const char* name, const FieldLabel& label,
                          const std::vector<ListChoice>& choices, T& value,
                          StoreWhen store = StoreWhen::Ok) {
        QStringList items;
        std::vector<int> values;
        for (const ListChoice& choice : choices) {
            items << choice.text;
            values.push_back(choice.value);
        }
        QComboBox* combo = addList(place, name, label, items);
        add(
            combo,
            [combo, &value, values] { selectPosition(combo, positionOf(values, int(value))); },
            [combo, &value, values] {
                const int p = combo->currentIndex();
                if (p >= 0 && p < int(values.size())) value = Fit<T>(values[std::size_t(p)]);
            },
            store);
        return combo;
    }

    // A pick list of numbers that shows the item reading as `value`. OK keeps the value when
    // the list shows none.
    template <class T>
    QComboBox* numberList(FieldPlace place, const char* name, const FieldLabel& label,
                          const QStringList& items, T& value) {
        QComboBox* combo = addList(place, name, label, items);
        add(
            combo, [combo, &value] { selectText(combo, int(value)); },
            [combo, &value] { value = Fit<T>(shownNumber(combo, int(value))); });
        return combo;
    }

    // A list of memory channels 1..200, each shown as its number - 1; 0 stands for none.
    template <class T>
    QComboBox* memoryChannel(FieldPlace place, const char* name, const FieldLabel& label,
                             const std::vector<int>& channels, T& value) {
        QComboBox* combo = addList(place, name, label, {});
        fillMemoryChannels(combo, channels);
        add(
            combo, [combo, &value] { showMemoryChannel(combo, int(value)); },
            [combo, &value] { value = Fit<T>(shownMemoryChannel(combo)); });
        return combo;
    }

    // A check box for a 0/1 value.
    template <class T>
    QCheckBox* check(FieldPlace place, const char* name, const FieldLabel& label, T& value,
                     TickRule rule = {}) {
        QCheckBox* box = addCheck(place, name, label);
        add(
            box, [box, &value, rule] { setTicked(box, rule.anyNonZero ? value != 0 : value == 1); },
            [box, &value] { value = T(ticked(box) ? 1 : 0); }, rule.store);
        return box;
    }
    QCheckBox* check(FieldPlace place, const char* name, const FieldLabel& label, bool& value) {
        QCheckBox* box = addCheck(place, name, label);
        add(
            box, [box, &value] { setTicked(box, value); }, [box, &value] { value = ticked(box); });
        return box;
    }

    // A text box for a text value. Showing leaves a box that already reads as the value
    // alone, so its cursor and selection stay.
    QLineEdit* text(FieldPlace place, const QString& name, const FieldLabel& label,
                    const TextBox& box, std::string& value) {
        QLineEdit* edit = addText(place, name, label, box);
        add(
            edit, [edit, &value] { showText(edit, value); },
            [edit, &value] { value = shownText(edit); });
        return edit;
    }
    template <std::size_t N>
    QLineEdit* text(FieldPlace place, const QString& name, const FieldLabel& label,
                    const TextBox& box, FixedText<N>& value) {
        QLineEdit* edit = addText(place, name, label, box);
        add(
            edit, [edit, &value] { showText(edit, value.text()); },
            [edit, &value] { value = FixedText<N>::Value(shownText(edit)); });
        return edit;
    }

    // A field the editor builds itself (several boxes for one value, say): `control` is the
    // one its label names, `show` and `store` move the value between its controls and the
    // working copy.
    void custom(QWidget* control, std::function<void()> show, std::function<void()> store);

    // Every declared field from its value, in declaration order.
    void showAll() const;
    // Every value that OK stores from its field.
    void storeAll() const;
    // The declared controls in declaration order.
    std::vector<QWidget*> controls() const;
    // The label made for a declared control, if it has one.
    QLabel* labelOf(const QWidget* control) const;

    // Gives the labels made from "OPTION" keys their texts (labels of "OTHER" keys are
    // relabelled with the window).
    static void RelabelOptionKeys(QWidget* window, const LanguageTexts& texts);

  private:
    struct Bound {
        QWidget* control;
        std::function<void()> show;
        std::function<void()> store;  // empty for a field that stores when chosen
    };

    template <class T>
    static T Fit(int value) {
        return static_cast<T>(
            std::clamp<int>(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    }

    QComboBox* addList(const FieldPlace& place, const char* name, const FieldLabel& label,
                       const QStringList& items);
    QCheckBox* addCheck(const FieldPlace& place, const char* name, const FieldLabel& label);
    QLineEdit* addText(const FieldPlace& place, const QString& name, const FieldLabel& label,
                       const TextBox& box);
    QLabel* makeLabel(const FieldLabel& label, QWidget* buddy);
    // Binds a declared control; a field that stores when chosen stores on the user's choice
    // (a list) or tick (a check box) instead of on OK.
    void add(QWidget* control, std::function<void()> show, std::function<void()> store,
             StoreWhen when = StoreWhen::Ok);

    static void selectPosition(QComboBox* combo, int position, bool blankWhenUnlisted = false);
    static int position(const QComboBox* combo);
    static int positionOf(const std::vector<int>& values, int value);
    static void selectText(QComboBox* combo, int number);
    static int shownNumber(const QComboBox* combo, int fallback);
    static void fillMemoryChannels(QComboBox* combo, const std::vector<int>& channels);
    static void showMemoryChannel(QComboBox* combo, int channel);
    static int shownMemoryChannel(const QComboBox* combo);
    static void setTicked(QCheckBox* box, bool ticked);
    static bool ticked(const QCheckBox* box);
    static void showText(QLineEdit* edit, const std::string& value);
    static std::string shownText(const QLineEdit* edit);

    QWidget* dialog_;
    EditKeyFilter* keys_;
    std::vector<Bound> fields_;
    std::vector<std::pair<const QWidget*, QLabel*>> labels_;
};

}  // namespace torvik
