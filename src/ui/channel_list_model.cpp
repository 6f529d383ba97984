#include "ui/channel_list_model.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableView>
#include <set>

#include "channel_edit/channel_cells.h"
#include "document/codeplug_document.h"
#include "ui/channel_clipboard.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// A stored frequency that is not a number is reported while its row is drawn; a damaged file
// can hold hundreds of them, so one redraw reports each message once.
class OncePerRedraw : public Reporter {
  public:
    explicit OncePerRedraw(Reporter& inner) : inner_(inner) {}
    Language language() const override { return inner_.language(); }
    std::string langText(int key) const override { return inner_.langText(key); }
    void show(Severity severity, std::string_view text, std::string_view title) override {
        if (shown_.insert(std::string(text)).second) inner_.show(severity, text, title);
    }
    Answer ask(Severity severity, std::string_view text, Buttons buttons,
               std::string_view title) override {
        return inner_.ask(severity, text, buttons, title);
    }

  private:
    Reporter& inner_;
    std::set<std::string> shown_;
};

QString HeaderText(const std::string& text) {
    QString q = Q(text);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

// The corner above the row labels carries the label column's header text.
class CornerHeaderPainter : public QObject {
  public:
    CornerHeaderPainter(QTableView* view, QAbstractButton* corner)
        : QObject(corner), view_(view), corner_(corner) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != corner_ || event->type() != QEvent::Paint) return false;
        QPainter painter(corner_);
        QStyleOptionHeader option;
        option.initFrom(corner_);
        option.rect = corner_->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.textAlignment = Qt::AlignCenter;
        option.text = view_->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
        option.palette.setColor(QPalette::ButtonText, kHeaderTextColour);
        corner_->style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
        return true;
    }

  private:
    QTableView* view_;
    QAbstractButton* corner_;
};

}  // namespace

ChannelListModel::ChannelListModel(const CodeplugDocument& document, Reporter& reporter,
                                   QObject* parent)
    : QAbstractTableModel(parent), document_(document), reporter_(reporter) {
    for (int row = 1; row <= kChannelListRows; ++row) {
        rows_[static_cast<std::size_t>(row - 1)][0] = Q(ChannelLabel(row));
    }
    connect(&document, &CodeplugDocument::channelsChanged, this, &ChannelListModel::refreshRows);
    connect(&document, &CodeplugDocument::codeplugReplaced, this, &ChannelListModel::rebuild);
    rebuild();
}

void ChannelListModel::rebuild() {
    setHeaders(ChannelListHeaders(reporter_));
    {
        const QSignalBlocker quiet(this);
        for (int row = 1; row <= kChannelListRows; ++row) clearRow(row);
        OncePerRedraw reporter(reporter_);
        const Codeplug& c = document_.codeplug();
        for (const ChannelRecord& channel : c.channels.used()) {
            if (channel.Number < 1 || channel.Number > kChannelListRows) continue;
            setRow(channel.Number, ChannelRowCells(channel, c.band, reporter, GridRefresh::Full));
        }
    }
    emit dataChanged(index(0, 0), index(kChannelListRows - 1, kChannelListColumns - 1));
    emit rebuilt();
}

void ChannelListModel::refreshRows(const QList<int>& rows) {
    OncePerRedraw reporter(reporter_);
    const Codeplug& c = document_.codeplug();
    for (const int row : rows) {
        if (const ChannelRecord* channel = c.channels.find(row)) {
            setRow(row, ChannelRowCells(*channel, c.band, reporter, GridRefresh::OneRow));
        } else {
            clearRow(row);
        }
    }
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelListRows;
}

int ChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelListColumns;
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return cell(index.row() + 1, index.column());
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::ForegroundRole:
            return index.column() == 0 ? QVariant(kLabelTextColour) : QVariant();
        case Qt::BackgroundRole:
            // Grid rows count from 1: model row 1 is grid row 2, the first even row.
            if (index.column() >= 1 && (index.row() + 1) % 2 == 0) return evenRow_;
            return {};
        default:
            return {};
    }
}

Qt::ItemFlags ChannelListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid()) return flags;
    const bool exists = document_.codeplug().channels.find(index.row() + 1) != nullptr;
    if (ChannelCellEditor(index.column(), exists) != CellEditor::None) flags |= Qt::ItemIsEditable;
    return flags | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList ChannelListModel::mimeTypes() const {
    return {kChannelSlotsMimeType, QStringLiteral("text/plain")};
}

QMimeData* ChannelListModel::mimeData(const QModelIndexList& indexes) const {
    std::set<int> rows;
    for (const QModelIndex& index : indexes) rows.insert(index.row() + 1);
    QMimeData* data =
        ChannelRowsMimeData(document_.codeplug(), {rows.begin(), rows.end()}, reporter_);
    data->setProperty(kDragSourceProperty, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
    return data;
}

Qt::DropActions ChannelListModel::supportedDropActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

bool ChannelListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                       const QModelIndex&) const {
    // Dropped files are the window's to open or import, not text to paste.
    if (!data || data->hasUrls()) return false;
    return data->hasFormat(kChannelSlotsMimeType) || data->hasText();
}

bool ChannelListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                    int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    // On a row: before it. Between rows: before the next. Below the last: at the end.
    const int before = parent.isValid() ? parent.row() + 1 : (row >= 0 ? row + 1 : 0);
    const bool fromHere =
        data->property(kDragSourceProperty).value<quintptr>() == reinterpret_cast<quintptr>(this);
    emit rowsDropped(data, before, fromHere);
    // The drop made its own change; the view must not remove the dragged rows as well.
    return false;
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= kChannelListColumns) return {};
        if (role == Qt::DisplayRole) return headers_[static_cast<std::size_t>(section)];
        if (role == Qt::ForegroundRole) return kHeaderTextColour;
    } else {
        if (section < 0 || section >= kChannelListRows) return {};
        if (role == Qt::DisplayRole) return rows_[static_cast<std::size_t>(section)][0];
        if (role == Qt::ForegroundRole) return kLabelTextColour;
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

void ChannelListModel::setHeaders(const ChannelCells& headers) {
    for (int column = 0; column < kChannelListColumns; ++column) {
        headers_[static_cast<std::size_t>(column)] =
            HeaderText(headers[static_cast<std::size_t>(column)]);
    }
    emit headerDataChanged(Qt::Horizontal, 0, kChannelListColumns - 1);
}

void ChannelListModel::setRow(int row, const ChannelCells& cells) {
    if (row < 1 || row > kChannelListRows) return;
    Row& target = rows_[static_cast<std::size_t>(row - 1)];
    for (int column = 1; column < kChannelListColumns; ++column) {
        target[static_cast<std::size_t>(column)] = Q(cells[static_cast<std::size_t>(column)]);
    }
    emit dataChanged(index(row - 1, 1), index(row - 1, kChannelListColumns - 1));
}

void ChannelListModel::clearRow(int row) {
    if (row < 1 || row > kChannelListRows) return;
    Row& target = rows_[static_cast<std::size_t>(row - 1)];
    for (int column = 1; column < kChannelListColumns; ++column) {
        target[static_cast<std::size_t>(column)].clear();
    }
    emit dataChanged(index(row - 1, 1), index(row - 1, kChannelListColumns - 1));
}

QString ChannelListModel::cell(int row, int column) const {
    if (row < 1 || row > kChannelListRows || column < 0 || column >= kChannelListColumns) {
        return {};
    }
    return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

QTableView* MakeChannelListView(ChannelListModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName("MSFlexGrid1");
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Rows and ranges are selected as in every list: click, Shift+click, Ctrl+click,
    // Shift+arrows, Ctrl+A; the current cell stays the one that is edited in place.
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Selected rows drag to another place in the list, or to another window's list.
    view->setDragEnabled(true);
    view->setAcceptDrops(true);
    view->setDropIndicatorShown(true);
    view->setDragDropMode(QAbstractItemView::DragDrop);
    view->setDefaultDropAction(Qt::MoveAction);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->setColumnHidden(0, true);
    view->setColumnHidden(kHiddenChannelColumn, true);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    if (auto* corner = view->findChild<QAbstractButton*>()) {
        corner->installEventFilter(new CornerHeaderPainter(view, corner));
        corner->setEnabled(false);
    }
    return view;
}

void FitChannelColumns(QTableView* view) {
    const auto* model = static_cast<const ChannelListModel*>(view->model());
    const QFontMetrics cellMetrics(view->font());
    const QFontMetrics headerMetrics(view->horizontalHeader()->font());
    const int padding = cellMetrics.horizontalAdvance(QLatin1Char('M')) * 2;
    for (int column = 1; column < kChannelListColumns; ++column) {
        if (column == kHiddenChannelColumn) continue;
        int width = 0;
        for (const QString& line : model->header(column).split('\n')) {
            width = std::max(width, headerMetrics.horizontalAdvance(line));
        }
        for (int row = 1; row <= kChannelListRows; ++row) {
            const QString text = model->cell(row, column);
            if (!text.isEmpty()) width = std::max(width, cellMetrics.horizontalAdvance(text));
        }
        // An empty list still gets room for a frequency.
        width = std::max(width, cellMetrics.horizontalAdvance(QStringLiteral("000.00000")));
        view->setColumnWidth(column, width + padding);
    }
    int labelWidth = headerMetrics.horizontalAdvance(model->header(0));
    labelWidth = std::max(labelWidth, cellMetrics.horizontalAdvance(QStringLiteral("VFO")));
    view->verticalHeader()->setMinimumWidth(labelWidth + padding);
}

}  // namespace torvik
