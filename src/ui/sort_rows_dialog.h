// The Sort dialog of the channel list: which column orders the selected rows, and whether
// the order runs downwards.
#pragma once

#include <QDialog>

#include "app/language_texts.h"

class QCheckBox;
class QComboBox;

namespace torvik {

class ChannelListModel;

class SortRowsDialog : public QDialog {
    Q_OBJECT

  public:
    // Offers the list's shown columns by their titles; the current column comes first chosen.
    SortRowsDialog(const ChannelListModel& list, int currentColumn, const LanguageTexts& texts,
                   QWidget* parent = nullptr);

    // The list's column (channel_cells.h numbers them) chosen.
    int column() const;
    bool descending() const;

  private:
    QComboBox* column_ = nullptr;
    QCheckBox* descending_ = nullptr;
};

}  // namespace torvik
