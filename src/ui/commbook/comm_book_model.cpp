#include "ui/commbook/comm_book_model.h"

#include <QApplication>
#include <QPalette>

#include "ui/ui_text.h"

namespace torvik {

CommBookModel::CommBookModel(CommBook& book, QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), book_(book), headers_(std::move(headers)) {}

int CommBookModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kCommBookEntries;
}

int CommBookModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CommBookModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const CommBookEntry& entry = book_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (index.column()) {
                case NumberColumn:
                    return QString::number(entry.number);
                case CallIdColumn:
                    return Q(entry.callId.text());
                case NameColumn:
                    return Q(entry.name.text());
            }
            break;
        case Qt::TextAlignmentRole:
            if (index.column() == NumberColumn) return int(Qt::AlignCenter);
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        // The number column is fixed: it looks like the header beside it.
        case Qt::BackgroundRole:
            if (index.column() == NumberColumn) return QApplication::palette().button();
            break;
        case Qt::ForegroundRole:
            if (index.column() == NumberColumn) return QApplication::palette().buttonText();
            break;
    }
    return {};
}

QVariant CommBookModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section >= 0 && section < headers_.size() ? headers_[section] : QVariant();
}

Qt::ItemFlags CommBookModel::flags(const QModelIndex& index) const {
    // Not enabled: the keyboard passes the number column by.
    if (!index.isValid() || index.column() == NumberColumn) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool CommBookModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == NumberColumn) return false;
    const QString text = value.toString();
    if (text == data(index, Qt::DisplayRole).toString()) return true;
    CommBookEntry& entry = book_[static_cast<std::size_t>(index.row())];
    if (index.column() == CallIdColumn) {
        StoreBookCallId(entry, U(text));
    } else {
        StoreBookName(entry, U(text));
    }
    emit dataChanged(index, index);
    return true;
}

void CommBookModel::bookReplaced() {
    beginResetModel();
    endResetModel();
}

}  // namespace torvik
