// The communication book's working copy as a table: one row per entry, the entry's number in
// a fixed column, then its call ID and its name, both editable under the book's cell rules.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "calling/commbook/comm_book.h"

namespace torvik {

class CommBookModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { NumberColumn, CallIdColumn, NameColumn, ColumnCount };

    // Shows and edits `book`, which outlives the model. `headers` are the column captions.
    CommBookModel(CommBook& book, QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Stores an edited cell. A text equal to what the cell shows leaves the entry as it was, so
    // passing through a cell changes nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The whole book was replaced (an import).
    void bookReplaced();

  private:
    CommBook& book_;
    QStringList headers_;
};

}  // namespace torvik
