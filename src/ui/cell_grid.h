// A grid of text cells edited in place, for the code tables of the tone editors: the owner
// says which editor a cell opens (none, a text box or a list), stores what was edited and
// says where Enter goes next. A cell's editor opens as soon as the cell becomes current, by
// click or by keyboard; moving to another cell, Enter or an explicit commit stores it. Tab
// stores it and leaves the grid for the dialog's next control.
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>
#include <utility>

namespace torvik {

class CellGrid : public QTableWidget {
    Q_OBJECT

  public:
    struct Hooks {
        // The editor of a cell, parented to `parent`; nullptr when the cell opens none.
        std::function<QWidget*(QWidget* parent, int row, int column)> editorFor;
        // Stores the edited text; returns what the cell shows then.
        std::function<QString(int row, int column, const QString& text)> store;
        // The cell Enter moves to from an editor holding `text`.
        std::function<std::pair<int, int>(int row, int column, const QString& text)> next;
    };

    // `headers` name the columns; column 0 is a fixed label column the keyboard passes by.
    CellGrid(int rows, const QStringList& headers, Hooks hooks, QWidget* parent = nullptr);

    const Hooks& hooks() const { return hooks_; }
    // Stops calling the owner: an editor still open while the owner's window is destroyed
    // commits as it closes, and must not reach an owner that is already half gone.
    void releaseOwner() { hooks_ = {}; }
    // Sets a cell's text without storing anything.
    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;
    // Stores and closes the open editor, if there is one.
    void commitOpenEditor();
    // Moves to a cell, opening its editor when it has one.
    void enterCell(int row, int column);
    void leave(bool forward);
    // Makes a column wide enough for `chars` characters.
    void setColumnChars(int column, int chars);
    // Asks for room to show every column and `rows` rows without scrolling sideways.
    void fitColumns(int rows);

  private:
    Hooks hooks_;
};

class CellGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit CellGridDelegate(CellGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

  private:
    CellGrid* grid_;
};

// What a key pressed in an open cell editor means to its grid: Enter stores and moves on, Tab
// and Backtab store and leave the grid; Ctrl with any of them is left to the dialog.
enum class CellEditorKey { Other, Enter, Forward, Backward };
CellEditorKey CellEditorKeyOf(const QEvent* event);

// The text an editor of a cell holds: a text box's text or a list's current entry.
QString EditorText(const QWidget* editor);

}  // namespace torvik
