#include "ui/password_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyCaption = 3100;
constexpr int kKeyLabel = 3101;

// The password box hides what is typed behind "*" whatever the desktop style would use.
class StarPasswordStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

PasswordDialog::PasswordDialog(const LanguageTexts& texts, std::string_view current,
                               QWidget* parent)
    : QDialog(parent), password_(new QLineEdit(this)) {
    setObjectName("FrmPassWord");
    SetLangKey(this, kKeyCaption);

    auto* label = new QLabel(this);
    label->setObjectName("Label1");
    SetLangKey(label, kKeyLabel);
    label->setBuddy(password_);

    password_->setObjectName("Text1");
    auto* style = new StarPasswordStyle;
    style->setParent(this);
    password_->setStyle(style);
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(kPasswordLength);
    // The radio stores single-byte characters; anything else could never match.
    password_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x20-\\x7E]{0,4}")), password_));
    password_->setText(Q(current).left(kPasswordLength));
    password_->selectAll();

    auto* buttons = MakeOkCancelButtons(this, this);

    auto* form = new QFormLayout;
    form->addRow(label, password_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    RelabelForm(this, texts);
    LabelOkCancel(buttons, texts);
}

std::string PasswordDialog::typed() const {
    return U(password_->text());
}

std::optional<std::string> PasswordDialog::Ask(const LanguageTexts& texts, std::string_view current,
                                               QWidget* parent) {
    PasswordDialog dialog(texts, current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.typed();
}

}  // namespace torvik
