#include "ui/form_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kVisibleListItems = 16;

}  // namespace

QComboBox* MakeCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setMaxVisibleItems(kVisibleListItems);
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

}  // namespace torvik
