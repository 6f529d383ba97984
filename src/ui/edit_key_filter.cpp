#include "ui/edit_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QVariant>
#include <cctype>

#include "calling/commbook/comm_book.h"
#include "calling/dtmf/dtmf_text.h"
#include "calling/fivetone/special_call.h"
#include "channel_edit/channel_edit_rules.h"
#include "functions/options/option_rules.h"

namespace torvik {
namespace {

constexpr const char* kTextRuleProperty = "textRule";

bool IsEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & Qt::ControlModifier);
}

bool IsClipboardKey(const QKeyEvent* key) {
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
        key->matches(QKeySequence::Cut)) {
        return true;
    }
    const bool control = key->modifiers() & Qt::ControlModifier;
    return control &&
           (key->key() == Qt::Key_C || key->key() == Qt::Key_V || key->key() == Qt::Key_X);
}

// A key that types something (not backspace, delete, arrows, Ctrl+A and the like).
bool TypesText(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString text = key->text();
    return !text.isEmpty() && text.front().isPrint();
}

std::optional<char> AcceptDigit(char c) {
    if (c >= '0' && c <= '9') return c;
    return std::nullopt;
}

// Hexadecimal digits, small letters raised to capitals.
std::optional<char> AcceptHexDigit(char c) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Types what the rule makes of the character: true when the key is handled here (refused, or
// typed as another character), false when the box may take it as it is.
bool TypeAccepted(QLineEdit* edit, char c, std::optional<char> (*accept)(char)) {
    const std::optional<char> typed = accept(c);
    if (!typed) return true;
    if (*typed == c) return false;
    edit->insert(QString(QLatin1Char(*typed)));
    return true;
}

}  // namespace

EditKeyFilter::EditKeyFilter(std::function<void()> moveOn, QObject* parent)
    : QObject(parent), moveOn_(std::move(moveOn)) {}

void EditKeyFilter::watchField(QWidget* field) {
    field->installEventFilter(this);
}

void EditKeyFilter::watchText(QLineEdit* edit, TextRule rule) {
    edit->setProperty(kTextRuleProperty, static_cast<int>(rule));
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->installEventFilter(this);
}

bool EditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusIn) {
        // After the click that focused it has placed the cursor.
        QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsEnter(key)) {
        moveOn_();
        return true;
    }
    if (!edit) return false;
    if (IsClipboardKey(key)) return true;
    if (!TypesText(key)) return false;

    const QString text = key->text();
    for (QChar c : text) {
        if (c.unicode() > 127) return true;
    }
    const char c = static_cast<char>(text.front().unicode());
    const auto rule = static_cast<TextRule>(edit->property(kTextRuleProperty).toInt());
    switch (rule) {
        case TextRule::Any:
            return false;
        case TextRule::RxFrequency:
            return !AcceptRxFrequencyChar(c);
        case TextRule::NameBox:
        case TextRule::MessageBox: {
            const bool accepted =
                rule == TextRule::NameBox ? AcceptNameChar(c) : IsWelcomeMessageChar(c);
            if (accepted) {
                edit->setText(QString(QLatin1Char(c)));
                moveOn_();
            }
            return true;
        }
        case TextRule::Digits:
            return TypeAccepted(edit, c, AcceptDigit);
        case TextRule::DtmfCode:
            return TypeAccepted(edit, c, AcceptDtmfCodeChar);
        case TextRule::BookCallId:
            return TypeAccepted(edit, c, AcceptBookCallIdChar);
        case TextRule::BookName:
            return TypeAccepted(edit, c, AcceptBookNameChar);
        case TextRule::HexDigits:
            return TypeAccepted(edit, c, AcceptHexDigit);
        case TextRule::CalledCode:
            return TypeAccepted(edit, c, AcceptCalledCodeChar);
        case TextRule::DataText:
            return TypeAccepted(edit, c, AcceptDataTextChar);
    }
    return false;
}

}  // namespace torvik
