// The differences between the window's codeplug and another one (a file, or the radio) in a
// table: where, which field, the other's value, this codeplug's value. Before a write it asks
// whether to go on: Write or Cancel; otherwise it only shows (Close).
#pragma once

#include <QDialog>
#include <vector>

#include "app/language_texts.h"
#include "compare/codeplug_diff.h"

class QLabel;
class QTableWidget;

namespace torvik {

class CompareDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Purpose { Show, BeforeWrite };

    // `differences` run from the other codeplug (before) to this one (after); `otherTitle`
    // heads the other's column.
    CompareDialog(const std::vector<Difference>& differences, const QString& otherTitle,
                  Purpose purpose, const LanguageTexts& texts, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QLabel* heading() const { return heading_; }

  private:
    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace torvik
