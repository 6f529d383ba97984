#include "ui/model_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codeplug/band.h"
#include "codeplug/identity.h"
#include "platform/built_in_texts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyCaption = 2300;
constexpr int kKeyModelLabel = 2301;
constexpr int kKeyBandLabel = 2302;

}  // namespace

ModelDialog::ModelDialog(const LanguageTexts& texts, int bandCode, Reporter& reporter,
                         QWidget* parent)
    : QDialog(parent),
      reporter_(reporter),
      bandCode_(bandCode),
      model_(new QComboBox(this)),
      band_(new QComboBox(this)) {
    setObjectName("FrmModel");
    SetLangKey(this, kKeyCaption);
    auto* modelLabel = new QLabel(this);
    modelLabel->setObjectName("Label1");
    SetLangKey(modelLabel, kKeyModelLabel);
    modelLabel->setBuddy(model_);
    auto* bandLabel = new QLabel(this);
    bandLabel->setObjectName("Label2");
    SetLangKey(bandLabel, kKeyBandLabel);
    bandLabel->setBuddy(band_);

    model_->setObjectName("Combo1");
    model_->addItem(Q(ProductName(RadioIdentity{})));
    band_->setObjectName("Combo2");
    for (int index = 0; index < kBandListSize; ++index) {
        band_->addItem(Q(BandTextFromCode(BandCodeFromListIndex(index))));
    }
    band_->setCurrentIndex(std::clamp(ListIndexFromBandCode(bandCode), 0, kBandListSize - 1));

    auto* buttons = MakeOkCancelButtons(this, this);

    auto* form = new QFormLayout;
    form->addRow(modelLabel, model_);
    form->addRow(bandLabel, band_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    RelabelForm(this, texts);
    LabelOkCancel(buttons, texts);
}

void ModelDialog::accept() {
    const int code = BandCodeFromListIndex(band_->currentIndex());
    if (code != bandCode_) {
        const Language language = reporter_.language();
        const Answer answer =
            reporter_.ask(Severity::Warning, BuiltInText(TextId::FreqCleared, language),
                          Buttons::OkCancel, BuiltInText(TextId::Warning, language));
        if (answer == Answer::Ok) newBand_ = code;
    }
    QDialog::accept();
}

}  // namespace torvik
