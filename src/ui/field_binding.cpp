#include "ui/field_binding.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/option_texts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr const char* kOptionKeyProperty = "optionKey";

}  // namespace

FormFields::FormFields(QWidget* dialog, EditKeyFilter* keys) : dialog_(dialog), keys_(keys) {}

QLabel* FormFields::makeLabel(const FieldLabel& label, QWidget* buddy) {
    QLabel* made = MakeLabel(dialog_, label.key, label.designText, buddy);
    if (label.optionKey) made->setProperty(kOptionKeyProperty, label.optionKey);
    return made;
}

QComboBox* FormFields::addList(QFormLayout* form, const char* name, const FieldLabel& label,
                               const QStringList& items) {
    QComboBox* combo = MakeCombo(dialog_, name);
    SetItems(combo, items);
    if (keys_) keys_->watchField(combo);
    if (form) form->addRow(makeLabel(label, combo), combo);
    return combo;
}

QCheckBox* FormFields::addCheck(QFormLayout* form, const char* name, const FieldLabel& label) {
    QCheckBox* box = MakeCheck(dialog_, name, label.key, label.designText);
    if (label.optionKey) box->setProperty(kOptionKeyProperty, label.optionKey);
    if (keys_) keys_->watchField(box);
    if (form) form->addRow(box);
    return box;
}

void FormFields::add(QWidget* control, std::function<void()> show, std::function<void()> store) {
    fields_.push_back({control, std::move(show), std::move(store)});
}

void FormFields::showAll() const {
    for (const Bound& field : fields_) field.show();
}

void FormFields::storeAll() const {
    for (const Bound& field : fields_) field.store();
}

std::vector<QWidget*> FormFields::controls() const {
    std::vector<QWidget*> controls;
    for (const Bound& field : fields_) controls.push_back(field.control);
    return controls;
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

void FormFields::selectPosition(QComboBox* combo, int position) {
    SelectOrFirst(combo, position);
}

int FormFields::position(const QComboBox* combo) {
    return std::max(combo->currentIndex(), 0);
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

}  // namespace torvik
