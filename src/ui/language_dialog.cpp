#include "ui/language_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyPrompt = 1503;
constexpr int kKeyEnglish = 1501;
constexpr int kKeyChinese = 1502;

}  // namespace

LanguageDialog::LanguageDialog(const LanguageTexts& texts, Language current, QWidget* parent)
    : QDialog(parent), language_(new QComboBox(this)) {
    setObjectName("FrmLanguage");
    SetLangKey(this, kKeyPrompt);
    auto* label = new QLabel(this);
    label->setObjectName("Label1");
    SetLangKey(label, kKeyPrompt);
    label->setBuddy(language_);
    language_->setObjectName("Combo1");
    language_->addItem(LangQ(texts, kKeyEnglish));
    language_->addItem(LangQ(texts, kKeyChinese));
    language_->setCurrentIndex(static_cast<int>(current) - 1);

    auto* buttons = MakeOkCancelButtons(this, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(language_);
    layout->addWidget(buttons);
    RelabelForm(this, texts);
    LabelOkCancel(buttons, texts);
}

Language LanguageDialog::chosen() const {
    return language_->currentIndex() == 1 ? Language::Chinese : Language::English;
}

}  // namespace torvik
