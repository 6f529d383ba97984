#include "ui/form_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {

QComboBox* MakeCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setMaxVisibleItems(16);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, int key, const char* designText) {
    auto* check = new QCheckBox(QString::fromUtf8(designText), parent);
    check->setObjectName(name);
    SetLangKey(check, key);
    return check;
}

QLabel* MakeLabel(QWidget* parent, int key, const char* designText, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(designText), parent);
    if (key > 0) SetLangKey(label, key);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* MakeText(QWidget* parent, const QString& name, int maxLength, int widthChars) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    const QFontMetrics metrics = edit->fontMetrics();
    edit->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('W')) * widthChars +
                        metrics.height());
    return edit;
}

void SetItems(QComboBox* combo, const QStringList& items) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(items);
}

QStringList KeyItems(const LanguageTexts& texts, std::initializer_list<int> keys) {
    QStringList items;
    for (int key : keys) items << LangQ(texts, key);
    return items;
}

QStringList NumberItems(const std::vector<int>& numbers) {
    QStringList items;
    for (int n : numbers) items << QString::number(n);
    return items;
}

// Keeps a control's place in the layout while it is hidden, so that switching between
// controls that share a cell does not make the window jump.
void KeepPlace(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QStringList TextItems(const std::vector<std::string>& texts) {
    QStringList items;
    for (const std::string& text : texts) items << Q(text);
    return items;
}

void ChainTabOrder(const std::vector<QWidget*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void AddConfirmShortcuts(QWidget* dialog, const std::function<void()>& confirm) {
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | enter), dialog);
        QObject::connect(shortcut, &QShortcut::activated, dialog, confirm);
    }
}

QStringList RangeItems(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n) items << QString::number(n);
    return items;
}

void FillMemoryChannels(QComboBox* combo, const std::vector<int>& channels) {
    QStringList items;
    for (const int n : channels) items << QString::number(n - 1);
    SetItems(combo, items);
}

void ShowMemoryChannel(QComboBox* combo, int channel) {
    SelectTextOrFirst(combo, QString::number(channel - 1));
}

int ShownMemoryChannel(const QComboBox* combo) {
    bool ok = false;
    const int shown = combo->currentText().toInt(&ok);
    return ok ? shown + 1 : 0;
}

void SelectOrFirst(QComboBox* combo, int position) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(position >= 0 && position < combo->count() ? position
                                                                      : (combo->count() ? 0 : -1));
}

void SelectTextOrFirst(QComboBox* combo, const QString& text) {
    SelectOrFirst(combo, combo->findText(text, Qt::MatchExactly));
}

}  // namespace torvik
