// The model and band dialog: the product this program serves and the 32 bands. Choosing
// another band clears the frequencies, so it is confirmed first; the new codeplug itself is
// made by the main window.
#pragma once

#include <QDialog>
#include <optional>

#include "app/language_texts.h"
#include "platform/reporter.h"

class QComboBox;

namespace torvik {

class ModelDialog : public QDialog {
    Q_OBJECT

  public:
    ModelDialog(const LanguageTexts& texts, int bandCode, Reporter& reporter,
                QWidget* parent = nullptr);

    // The band confirmed on OK when it differs from the current one.
    std::optional<int> newBandCode() const { return newBand_; }

    void accept() override;

  private:
    Reporter& reporter_;
    int bandCode_;
    QComboBox* model_;
    QComboBox* band_;
    std::optional<int> newBand_;
};

}  // namespace torvik
