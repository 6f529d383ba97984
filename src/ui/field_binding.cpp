#include "ui/field_binding.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/option_texts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr const char* kOptionKeyProperty = "optionKey";

}  // namespace

void FieldPlace::put(QLabel* label, QWidget* control) const {
    if (grid_) {
        if (label) grid_->addWidget(label, row_, column_);
        grid_->addWidget(control, row_, column_ + 1);
    } else if (form_ && line_) {
        if (label) {
            form_->addRow(label, line_);
        } else {
            form_->addRow(line_);
        }
        line_->addWidget(control);
    } else if (form_) {
        if (label) {
            form_->addRow(label, control);
        } else {
            form_->addRow(control);
        }
    } else if (line_) {
        if (label) line_->addWidget(label);
        line_->addWidget(control);
    }
}

FormFields::FormFields(QWidget* dialog, EditKeyFilter* keys) : dialog_(dialog), keys_(keys) {}

QLabel* FormFields::makeLabel(const FieldLabel& label, QWidget* buddy) {
    QLabel* made = MakeLabel(dialog_, label.key, "", buddy);
    made->setText(label.designText);
    if (label.optionKey) made->setProperty(kOptionKeyProperty, label.optionKey);
    labels_.emplace_back(buddy, made);
    return made;
}

QComboBox* FormFields::addList(const FieldPlace& place, const char* name, const FieldLabel& label,
                               const QStringList& items) {
    QComboBox* combo = MakeCombo(dialog_, name);
    SetItems(combo, items);
    if (keys_) keys_->watchField(combo);
    if (place.somewhere()) place.put(label.empty() ? nullptr : makeLabel(label, combo), combo);
    return combo;
}

QCheckBox* FormFields::addCheck(const FieldPlace& place, const char* name,
                                const FieldLabel& label) {
    QCheckBox* box = MakeCheck(dialog_, name, label.key, "");
    box->setText(label.designText);
    if (label.optionKey) box->setProperty(kOptionKeyProperty, label.optionKey);
    if (keys_) keys_->watchField(box);
    if (place.somewhere()) place.put(nullptr, box);
    return box;
}

QLineEdit* FormFields::addText(const FieldPlace& place, const QString& name,
                               const FieldLabel& label, const TextBox& box) {
    QLineEdit* edit = MakeText(dialog_, name, box.maxLength, box.widthChars);
    if (keys_) keys_->watchText(edit, box.rule);
    if (place.somewhere()) place.put(label.empty() ? nullptr : makeLabel(label, edit), edit);
    return edit;
}

void FormFields::add(QWidget* control, std::function<void()> show, std::function<void()> store,
                     StoreWhen when) {
    if (when == StoreWhen::Chosen) {
        // The user's choices and ticks (mouse, keyboard, access key), not the editor's showing.
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QObject::connect(combo, &QComboBox::activated, dialog_, [store] { store(); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QObject::connect(button, &QAbstractButton::clicked, dialog_, [store] { store(); });
        }
        store = nullptr;
    }
    fields_.push_back({control, std::move(show), std::move(store)});
}

void FormFields::custom(QWidget* control, std::function<void()> show, std::function<void()> store) {
    add(control, std::move(show), std::move(store));
}

void FormFields::showAll() const {
    for (const Bound& field : fields_) field.show();
}

void FormFields::storeAll() const {
    for (const Bound& field : fields_) {
        if (field.store) field.store();
    }
}

std::vector<QWidget*> FormFields::controls() const {
    std::vector<QWidget*> controls;
    for (const Bound& field : fields_) controls.push_back(field.control);
    return controls;
}

QLabel* FormFields::labelOf(const QWidget* control) const {
    for (const auto& [labelled, label] : labels_) {
        if (labelled == control) return label;
    }
    return nullptr;
}

void FormFields::RelabelOptionKeys(QWidget* window, const LanguageTexts& texts) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QVariant key = label->property(kOptionKeyProperty);
        if (key.isValid()) label->setText(OptionQ(texts, key.toInt()));
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QVariant key = button->property(kOptionKeyProperty);
        if (key.isValid()) button->setText(OptionQ(texts, key.toInt()));
    }
}

void FormFields::selectPosition(QComboBox* combo, int position, bool blankWhenUnlisted) {
    if (blankWhenUnlisted && (position < 0 || position >= combo->count())) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(-1);
        return;
    }
    SelectOrFirst(combo, position);
}

int FormFields::position(const QComboBox* combo) {
    return std::max(combo->currentIndex(), 0);
}

int FormFields::positionOf(const std::vector<int>& values, int value) {
    const auto it = std::find(values.begin(), values.end(), value);
    return it == values.end() ? 0 : int(it - values.begin());
}

void FormFields::selectText(QComboBox* combo, int number) {
    SelectTextOrFirst(combo, QString::number(number));
}

int FormFields::shownNumber(const QComboBox* combo, int fallback) {
    bool ok = false;
    const int value = combo->currentText().toInt(&ok);
    return ok ? value : fallback;
}

void FormFields::fillMemoryChannels(QComboBox* combo, const std::vector<int>& channels) {
    FillMemoryChannels(combo, channels);
}

void FormFields::showMemoryChannel(QComboBox* combo, int channel) {
    ShowMemoryChannel(combo, channel);
}

int FormFields::shownMemoryChannel(const QComboBox* combo) {
    return ShownMemoryChannel(combo);
}

void FormFields::setTicked(QCheckBox* box, bool ticked) {
    box->setChecked(ticked);
}

bool FormFields::ticked(const QCheckBox* box) {
    return box->isChecked();
}

void FormFields::showText(QLineEdit* edit, const std::string& value) {
    if (U(edit->text()) != value) edit->setText(Q(value));
}

std::string FormFields::shownText(const QLineEdit* edit) {
    return U(edit->text());
}

}  // namespace torvik
