#include "ui/safety/compare_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "channel_edit/channel_keys.h"
#include "codeplug/channel_record.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kMinimumWidth = 640;
constexpr int kMinimumHeight = 360;

QString PlaceText(const Difference& difference, const LanguageTexts& texts) {
    if (difference.channelNumber == 0) return Q(difference.place);
    QString word = LangQ(texts, kKeyChannelWord);
    if (word.isEmpty()) word = QStringLiteral("Channel");
    return word + ' ' + Q(ChannelLabel(difference.channelNumber));
}

}  // namespace

CompareDialog::CompareDialog(const std::vector<Difference>& differences, const QString& otherTitle,
                             Purpose purpose, const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent) {
    const Language language = texts.language();
    setObjectName("FrmCompare");
    setWindowTitle(BuiltInQ(TextId::CompareTitle, language));
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    heading_ = new QLabel(differences.empty()
                              ? BuiltInQ(TextId::NoDifferences, language)
                              : BuiltInQ(TextId::Differences, language).arg(differences.size()),
                          this);
    heading_->setObjectName("LabelDifferences");

    table_ = new QTableWidget(static_cast<int>(differences.size()), 4, this);
    table_->setObjectName("TableDifferences");
    table_->setAccessibleName(heading_->text());
    table_->setHorizontalHeaderLabels({BuiltInQ(TextId::ColumnWhere, language),
                                       BuiltInQ(TextId::ColumnField, language), otherTitle,
                                       BuiltInQ(TextId::ColumnThis, language)});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (const Difference& difference : differences) {
        const QString cells[] = {PlaceText(difference, texts), Q(difference.field),
                                 Q(difference.before), Q(difference.after)};
        for (int column = 0; column < 4; ++column) {
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        ++row;
    }
    table_->resizeColumnsToContents();
    heading_->setBuddy(table_);

    auto* buttons = new QDialogButtonBox(this);
    if (purpose == Purpose::BeforeWrite) {
        QPushButton* write = buttons->addButton(BuiltInQ(TextId::WriteButton, language),
                                                QDialogButtonBox::AcceptRole);
        write->setObjectName("CmdWrite");
        QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
        cancel->setObjectName("CmdCancel");
        cancel->setDefault(true);
    } else {
        QPushButton* close = buttons->addButton(BuiltInQ(TextId::CloseButton, language),
                                                QDialogButtonBox::RejectRole);
        close->setObjectName("CmdClose");
    }
    for (QAbstractButton* button : buttons->buttons()) {
        button->setAccessibleName(button->text().remove('&'));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(table_);
    layout->addWidget(buttons);
}

}  // namespace torvik
