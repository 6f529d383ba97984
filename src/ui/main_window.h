// MainWindow, the application's main window: the tree of the codeplug's sections, the channel
// list, the menus and toolbar that start every command, the status bar, and the orderly end
// of the run. It works on the session the start-up prepared and drives the radio link.
#pragma once

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/startup.h"
#include "channel_edit/channel_reorder.h"
#include "document/codeplug_document.h"
#include "link/serial/port_map.h"
#include "qtlink/qt_link_session.h"
#include "ui/channel_clipboard.h"
#include "ui/editor_registry.h"
#include "ui/file_dialogs.h"
#include "ui/gui_reporter.h"
#include "ui/main_commands.h"

class QAction;
class QLabel;
class QMimeData;
class QMenu;
class QSplitter;
class QTableView;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace torvik {

class ChannelListModel;
class ProgressDialog;
class GuiLinkHost;
class RadioSafety;

// Settings-store names of the window geometry (values in twips).
inline constexpr const char* kSettingsOrganisation = "TORVIK";
inline constexpr const char* kSettingsApplication = "TORVIK";
inline constexpr const char* kSettingsGroup = "Settings";
// Set once the window has explained how to get access to serial devices.
inline constexpr const char* kSerialGroupAdvisedKey = "SerialGroupAdvised";

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Chooses a data file.
    using FileChooser = torvik::FileChooser;

    MainWindow(AppSession& session, PortMap& ports, QWidget* parent = nullptr);
    // A window that owns its session (File › New Window).
    MainWindow(std::unique_ptr<AppSession> session, PortMap& ports);
    ~MainWindow() override;

    // The tree (nodes by feature flags and factory mode) and the data-file filter.
    void rebuildTree();
    // Re-label, rebuild the tree, rebuild the list: after a language change.
    void reloadAfterLanguageChange();
    // A clipboard command on the selected rows of the channel list; Paste goes to the
    // current cell.
    void runClipboardCommand(ClipboardCommand command);
    // The list's row commands: an empty channel at the current row, the selected rows
    // deleted closing the gap, moved one place, or sorted by a column the user chooses.
    void insertChannel();
    void deleteRowsClosingGap();
    void moveRows(bool up);
    void sortRows();
    // Dragged rows dropped on the row `before` (a channel number; 0: after the last row):
    // rows of this list move there, rows from elsewhere are pasted there.
    void dropRows(const QMimeData& data, int before, bool fromThisList);
    // Reads the radio's information block and shows it.
    void readRadioInfo();

    // The commands of the menus, toolbar and tree.
    void fileNew();
    // Another main window with a new codeplug of its own, its own file and undo history.
    void openNewWindow();
    void fileOpen();
    // Opens a data file named outside the file dialog (File › Open Recent, a drop), after
    // the offer to save a modified codeplug.
    void openFile(const std::filesystem::path& path);
    // A file dropped on the window: a data file opens, a CSV or JSON file is offered for
    // import as File › Import does.
    void openDroppedFile(const QString& path);
    // True when the codeplug was written.
    bool fileSave();
    bool fileSaveAs();
    void initialise();
    void readFromRadio();
    void writeToRadio();
    void passwordDialog();
    void comSetDialog();
    void modelDialog();
    void languageDialog();
    void aboutBox();
    void undo();
    void redo();
    // Shows the toolbar and the status bar as their View entries are ticked.
    void applyViewToggles();
    // Opens the channel editor on the current cell (not on the header or label column).
    void editChannel();
    void focusChannelList();
    void openEditor(EditorId editor);

    // The language of the rest of the run; the window is re-labelled at once.
    void setLanguage(Language language);
    // Shows the 5-Tone, 2-Tone and DTMF entries exactly for the flags that are on, and the
    // test-data entry in factory mode; rebuilds the tree.
    void applyFeatureFlags();

    // Adds (or replaces) an editor; its menu entry and tree node follow at once.
    void registerEditor(EditorId editor, EditorRegistry::Factory factory);
    bool hasEditor(EditorId editor) const { return editors_.has(editor); }
    void setOpenFileChooser(FileChooser chooser) { chooseOpen_ = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { chooseSave_ = std::move(chooser); }
    // The desktop's file dialogs, or the choosers a test put in their place.
    std::optional<std::filesystem::path> chooseFileToOpen(const QString& filter,
                                                          const std::filesystem::path& current);
    std::optional<std::filesystem::path> chooseFileToSave(const QString& filter,
                                                          const std::filesystem::path& current,
                                                          const QString& suffix);

    AppSession& session() { return session_; }
    CodeplugDocument& document() { return *document_; }
    const Codeplug& codeplug() const { return document_->codeplug(); }
    Reporter& reporter() { return reporter_; }
    GuiReporter& guiReporter() { return reporter_; }
    LinkEngine& link() { return link_->engine(); }
    RadioSafety& safety() { return *safety_; }
    // Before a session of the window's own (`what`: "read", "write", "info"): a link with a
    // trace file of its own when traces are kept. A running session is never replaced.
    void renewLink(std::string_view what);
    PortSettings& portSettings() { return portSettings_; }
    PortMap& ports() { return ports_; }
    QAction* action(CommandId id) const { return actions_[static_cast<std::size_t>(id)]; }
    QTableView* channelList() const { return list_; }
    ChannelListModel* channelModel() const { return model_; }
    QTreeWidget* tree() const { return tree_; }
    ProgressDialog* progressWindow() const { return progress_; }
    QString dataFileFilter() const { return dataFileFilter_; }
    // The question asked before New and Read replace a modified codeplug.
    QString saveFirstQuestion() const;
    // The grid row of the current cell (a channel number), 0 when none.
    int currentRow() const;
    // The channel numbers of the rows that hold a selected cell, ascending; the current row
    // alone when nothing is selected.
    std::vector<int> selectedRows() const;

    // Changes the setup profile and writes it back together with the port map.
    void saveSetupProfile(const std::function<void(ProfileFile&)>& change);

    // After a radio command that did not start: when the port was `refused` for lack of
    // permission, explains how to join the serial group, once for this user (the settings
    // store remembers it). True when it showed the explanation.
    bool adviseSerialGroup(bool refused);
    // The window's own session could not open its port for lack of permission.
    bool linkPermissionRefused() const { return link_->portPermissionRefused(); }

  signals:
    // A radio connection started from this window is over.
    void linkSessionFinished(int mode, bool success);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Captions, tooltips and accessible names in the current language.
    void relabel();
    // The window's own session on its codeplug, writing its frames to `trace` when given.
    std::unique_ptr<QtLinkSession> makeLink(std::ostream* trace);
    void buildActions();
    void buildMenus();
    // File › Open Recent from the settings store's list.
    void fillRecentMenu();
    // Pastes the program's own copied slots, or tab-separated text through the cell rules.
    void pasteChannels(const QMimeData& data, int row);
    void pasteSheet(const std::string& text, int row, int column);
    // Commits a rearrangement of the rows, or says why it was refused.
    void commitReorder(ReorderRefusal refusal, TextId step, int rowCount,
                       const EditableState& state);
    // Selects the rows `rows` with the current cell in the first, in column `column`.
    void selectRows(const std::vector<int>& rows, int column);
    // Opens without asking first; a file that does not open leaves the recent list.
    bool openDataFile(const std::filesystem::path& path);
    void rememberFile(const std::filesystem::path& path);
    void buildToolBar();
    void buildStatusBar();
    void buildCentre();
    // The channel list's cells take F2 and typing, through the channel editor's rules.
    void enableCellEditing();
    void connectDocument();
    void updateEditorEntries();
    void updateUndoEntries();
    void treeItemClicked(QTreeWidgetItem* item);
    void runCommand(CommandId id);
    // How a new codeplug is made; `keepTemplateChannels` for Initialise.
    NewCodeplugOptions newCodeplugOptions(bool keepTemplateChannels) const;
    void confirmAndMakeNew(bool initialising);
    // Asks whether to save a modified codeplug before it is replaced. False: stop.
    bool offerSave(const QString& question);
    QString caption() const;
    void showCaption();
    void restoreWindowGeometry();
    void storeWindowGeometry();
    void clampSplitter();
    // The width the tree needs to show its longest label whole.
    int treeLabelsWidth() const;
    // Widens the tree pane to its labels when it is narrower; `exactly`: narrows it too.
    void fitTreePane(bool exactly = false);

    // Declared first so it outlives everything that refers to it.
    std::unique_ptr<AppSession> ownedSession_;
    AppSession& session_;
    PortMap& ports_;
    GuiReporter reporter_;
    std::unique_ptr<CodeplugDocument> document_;
    PortSettings portSettings_;
    std::unique_ptr<GuiLinkHost> host_;
    RadioSafety* safety_ = nullptr;
    std::unique_ptr<std::ofstream> linkTrace_;
    std::unique_ptr<QtLinkSession> link_;
    EditorRegistry editors_;

    ChannelListModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    ProgressDialog* progress_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* timeLabel_ = nullptr;
    QTimer* clock_ = nullptr;
    std::array<QAction*, kCommandCount> actions_{};
    // The tree pane's width (pixels) the settings store kept from the last run; the splitter
    // takes it once the window first shows and its size is known.
    std::optional<int> storedTreeWidth_;
    bool shownOnce_ = false;
    QString dataFileFilter_;
    FileChooser chooseOpen_;
    FileChooser chooseSave_;
};

}  // namespace torvik
