#include "ui/sort_rows_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "channel_edit/channel_cells.h"
#include "ui/channel_list_model.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kSortableColumns[] = {kColumnRxFreq, kColumnTxFreq,    kColumnName,
                                    kColumnStep,   kColumnBandwidth, kColumnTxPower,
                                    kColumnRxTone, kColumnTxTone,    kColumnSignaling};

}  // namespace

SortRowsDialog::SortRowsDialog(const ChannelListModel& list, int currentColumn,
                               const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent), column_(new QComboBox(this)), descending_(new QCheckBox(this)) {
    const Language language = texts.language();
    setObjectName("SortRows");
    setWindowTitle(BuiltInQ(TextId::SortTitle, language));
    column_->setObjectName("SortColumn");
    for (const int column : kSortableColumns) {
        column_->addItem(list.header(column).simplified(), column);
        if (column == currentColumn) column_->setCurrentIndex(column_->count() - 1);
    }
    descending_->setObjectName("SortDescending");
    descending_->setText(BuiltInQ(TextId::SortDescending, language));

    auto* label = new QLabel(BuiltInQ(TextId::SortColumn, language), this);
    label->setBuddy(column_);
    auto* form = new QFormLayout;
    form->addRow(label, column_);
    form->addRow(descending_);
    auto* buttons = MakeOkCancelButtons(this, this);
    LabelOkCancel(buttons, texts);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    NameByLabels(this);
    descending_->setAccessibleName(PlainText(descending_->text()));
}

int SortRowsDialog::column() const {
    return column_->currentData().toInt();
}

bool SortRowsDialog::descending() const {
    return descending_->isChecked();
}

}  // namespace torvik
