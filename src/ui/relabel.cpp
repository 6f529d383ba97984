#include "ui/relabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QWidget>

#include "platform/number_text.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr const char* kTabKeysProperty = "tabKeys";
constexpr const char* kTabTipKeysProperty = "tabTipKeys";

int KeyOf(const QObject* control, const char* property) {
    bool ok = false;
    const int key = control->property(property).toInt(&ok);
    return ok ? key : 0;
}

// A caption that is a plain decimal number is the key a menu entry was designed with.
int KeyInCaption(const QString& caption) {
    bool ok = false;
    const int key = caption.trimmed().toInt(&ok);
    return ok && key > 0 ? key : 0;
}

}  // namespace

QString PlainText(QString text) {
    static const QRegularExpression kAccessInBrackets(QStringLiteral("\\(&[^)]\\)"));
    text.remove(kAccessInBrackets);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.trimmed();
}

namespace {

void RelabelAction(QAction* action, const LanguageTexts& texts) {
    if (action->isSeparator()) return;
    int key = KeyOf(action, kLangKeyProperty);
    if (key <= 0) {
        key = KeyInCaption(action->text());
        if (key > 0) SetLangKey(action, key);
    }
    if (key > 0) action->setText(LangQ(texts, key));
    if (const int tip = KeyOf(action, kTipKeyProperty); tip > 0) {
        action->setToolTip(PlainText(LangQ(texts, tip)));
    }
}

void RelabelWidget(QWidget* widget, const LanguageTexts& texts) {
    if (const int key = KeyOf(widget, kLangKeyProperty); key > 0) {
        const QString text = LangQ(texts, key);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(text);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(text);
        } else if (widget->isWindow()) {
            widget->setWindowTitle(text);
        }
    }
    if (const int tip = KeyOf(widget, kTipKeyProperty); tip > 0) {
        widget->setToolTip(PlainText(LangQ(texts, tip)));
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        const QVariantList keys = tabs->property(kTabKeysProperty).toList();
        const QVariantList tips = tabs->property(kTabTipKeysProperty).toList();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i < keys.size() && keys[i].toInt() > 0) {
                tabs->setTabText(i, LangQ(texts, keys[i].toInt()));
            }
            if (i < tips.size() && tips[i].toInt() > 0) {
                tabs->setTabToolTip(i, LangQ(texts, tips[i].toInt()));
            }
        }
    }
}

// The language's font: its family when this system has it; its size only to enlarge, so a
// user who chose a bigger desktop font keeps it.
void ApplyLanguageFont(QWidget* window, const LanguageTexts& texts) {
    QFont font = window->font();
    bool changed = false;
    const QString family = LangQ(texts, kKeyFontName);
    if (!family.isEmpty() && QFontDatabase::hasFamily(family) && font.family() != family) {
        font.setFamily(family);
        changed = true;
    }
    const std::optional<double> size = ParseDecimal(texts.langText(kKeyFontSize));
    const double desktop = QApplication::font().pointSizeF();
    if (size && *size >= 1 && *size <= 72) {
        const double wanted = std::max(*size, desktop);
        if (wanted != font.pointSizeF()) {
            font.setPointSizeF(wanted);
            changed = true;
        }
    }
    if (changed) {
        window->setAttribute(Qt::WA_WindowPropagation);
        window->setFont(font);
    }
}

}  // namespace

void SetLangKey(QObject* control, int key) {
    control->setProperty(kLangKeyProperty, key);
}
void SetTipKey(QObject* control, int key) {
    control->setProperty(kTipKeyProperty, key);
}

void SetTabKeys(QTabWidget* tabs, const QList<int>& keys, const QList<int>& tipKeys) {
    QVariantList k;
    for (int key : keys) k.push_back(key);
    QVariantList t;
    for (int key : tipKeys) t.push_back(key);
    tabs->setProperty(kTabKeysProperty, k);
    tabs->setProperty(kTabTipKeysProperty, t);
}

void RelabelForm(QWidget* window, const LanguageTexts& texts) {
    if (!window) return;
    RelabelWidget(window, texts);
    ApplyLanguageFont(window, texts);
    for (QWidget* widget : window->findChildren<QWidget*>()) RelabelWidget(widget, texts);
    for (QAction* action : window->findChildren<QAction*>()) RelabelAction(action, texts);
    NameByLabels(window);
}

void NameByLabels(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (QWidget* buddy = label->buddy()) buddy->setAccessibleName(PlainText(label->text()));
    }
}

void LabelOkCancel(QAbstractButton* ok, QAbstractButton* cancel, const LanguageTexts& texts) {
    if (const QString text = LangQ(texts, kKeyOk); ok && !text.isEmpty()) ok->setText(text);
    if (const QString text = LangQ(texts, kKeyCancel); cancel && !text.isEmpty()) {
        cancel->setText(text);
    }
}

void LabelOkCancel(QDialogButtonBox* buttons, const LanguageTexts& texts) {
    if (!buttons) return;
    LabelOkCancel(buttons->button(QDialogButtonBox::Ok), buttons->button(QDialogButtonBox::Cancel),
                  texts);
}

void LabelCloseHelp(QAbstractButton* close, QAbstractButton* help, Language language) {
    if (close) close->setText(BuiltInQ(TextId::CloseButton, language));
    if (help) help->setText(BuiltInQ(TextId::HelpButton, language));
}

QDialogButtonBox* MakeOkCancelButtons(QWidget* parent, QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("CommandOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CommandCancel");
    if (dialog) {
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    }
    return buttons;
}

}  // namespace torvik
