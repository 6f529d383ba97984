// The channel list shown in the main window: 203 rows (one per channel number) of 11 columns,
// over the codeplug document. Column 0 holds the row label; the view shows it as its fixed
// vertical header, so labels and column headers stay in place while the list scrolls. The
// model keeps the text of every row and recomputes only the rows a change touched; what the
// text is comes from the row rule of channel_rows.h.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <array>

#include "channel_edit/channel_rows.h"

class QMimeData;
class QTableView;

namespace torvik {

class CodeplugDocument;

// The property of dragged rows' data that names the list they came from.
inline constexpr const char* kDragSourceProperty = "channelListSource";

// Colours of the list: header text, label text, and the background of every even row.
inline const QColor kHeaderTextColour(0, 0, 155);
inline const QColor kLabelTextColour(0, 0, 255);
inline const QColor kEvenRowColour(250, 250, 240);

class ChannelListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Messages of the frequency conversion of a damaged row go to `reporter`, which also
    // gives the header texts in the current language.
    ChannelListModel(const CodeplugDocument& document, Reporter& reporter,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The cells the channel editor's rules let the list edit in place are editable.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Dragged rows carry the clipboard's forms; a drop is handed to the window as rowsDropped.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // Every row and header again: a new codeplug, another language.
    void rebuild();

    QString cell(int row, int column) const;
    QString header(int column) const { return headers_[static_cast<std::size_t>(column)]; }

  signals:
    // A rebuild ended; column widths may change.
    void rebuilt();
    // Rows were dropped on the row `before` (a channel number; 0: below the last row);
    // `fromThisList` when they were dragged from this list.
    void rowsDropped(const QMimeData* data, int before, bool fromThisList);

  public:
    // The background of even rows; a dark desktop palette gets a shade of its own base colour
    // so the text stays readable.
    void setEvenRowColour(const QColor& colour) { evenRow_ = colour; }

  private:
    using Row = std::array<QString, kChannelListColumns>;
    // Recomputes the rows of these channel numbers after an edit.
    void refreshRows(const QList<int>& rows);
    void setHeaders(const ChannelCells& headers);
    void setRow(int row, const ChannelCells& cells);
    void clearRow(int row);

    const CodeplugDocument& document_;
    Reporter& reporter_;
    std::array<Row, kChannelListRows> rows_;
    std::array<QString, kChannelListColumns> headers_;
    QColor evenRow_ = kEvenRowColour;
};

// The list's view: labels as the fixed vertical header, the label column's header text in
// the corner, the hidden column, centred text, a selection of cells and rows around one current
// cell.
QTableView* MakeChannelListView(ChannelListModel* model, QWidget* parent);

// Column widths that fit the headers and the widest cell.
void FitChannelColumns(QTableView* view);

}  // namespace torvik
