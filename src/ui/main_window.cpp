// The main window's construction: menus, toolbar, tree, list, status bar, geometry and the
// close sequence.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

#include "link/link_state.h"
#include "qtlink/qt_link_session.h"
#include "storage/snapshot.h"
#include "ui/channel_list_model.h"
#include "ui/gui_link_host.h"
#include "ui/icons.h"
#include "ui/print/print_commands.h"
#include "ui/progress_dialog.h"
#include "ui/qt_translations.h"
#include "ui/recent_files.h"
#include "ui/relabel.h"
#include "ui/safety/radio_safety.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kTwipsPerInch = 1440;
// The window is never narrower than this.
constexpr int kMinimumWidthTwips = 3000;
// The splitter keeps at least this much of the tree.
constexpr int kMinimumTreeTwips = 30;
constexpr int kClockTickMs = 1000;
// File › Open Recent shows a long path shortened in the middle to about this many characters.
constexpr int kRecentEntryChars = 60;
// Settings-store names of the rest of the window's shape: maximised or not, and the width of
// the tree pane beside the channel list (in twips, as the window's own size).
constexpr const char* kMaximizedKey = "MainMaximized";
constexpr const char* kTreeWidthKey = "MainTreeWidth";

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return kTwipsPerInch / (dpi > 0 ? dpi : 96.0);
}

}  // namespace

MainWindow::MainWindow(AppSession& session, PortMap& ports, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      ports_(ports),
      reporter_(session.texts, this),
      document_(std::make_unique<CodeplugDocument>(session.codeplug)),
      portSettings_{PortId::Number(session.settings.PortNumber), session.settings.HandshakeMode,
                    session.settings.StopBits} {
    setObjectName("frmMain");
    if (session.settings.PortNumber <= 0) portSettings_.port = PortId();
    host_ = std::make_unique<GuiLinkHost>(*this);
    safety_ = new RadioSafety(*this);
    link_ = makeLink(nullptr);
    progress_ = new ProgressDialog(this);
    connect(progress_, &ProgressDialog::cancelRequested, this, [this] {
        if (!safety_->cancelSideRead()) link().cancel();
    });
    RegisterEditors(editors_);
    setAcceptDrops(true);
    UseQtTranslations(session_.language);

    buildActions();
    buildMenus();
    buildToolBar();
    buildCentre();
    buildStatusBar();
    connectDocument();

    // Start: entries by features and factory mode, labels, view toggles, geometry, lists.
    relabel();
    action(CommandId::ViewToolBar)->setChecked(true);
    action(CommandId::ViewStatusBar)->setChecked(true);
    safety_->showSettings();
    restoreWindowGeometry();
    applyFeatureFlags();
    showCaption();
    list_->setCurrentIndex(model_->index(0, 1));
    // The keyboard starts in the channel list, and comes back to it once a read brought new
    // channels.
    list_->setFocus();
    connect(this, &MainWindow::linkSessionFinished, this, [this](int mode) {
        if (mode == static_cast<int>(LinkMode::Read)) focusChannelList();
    });
}

MainWindow::MainWindow(std::unique_ptr<AppSession> session, PortMap& ports)
    : MainWindow(*session, ports) {
    ownedSession_ = std::move(session);
}

MainWindow::~MainWindow() {
    // The engine talks to the host and the port until it is gone.
    link_.reset();
}

std::unique_ptr<QtLinkSession> MainWindow::makeLink(std::ostream* trace) {
    return std::make_unique<QtLinkSession>(
        ports_,
        LinkSubject{document_->linkCodeplug(), session_.features, session_.factoryMode,
                    portSettings_, reporter_, *host_},
        trace);
}

void MainWindow::renewLink(std::string_view what) {
    if (!link().isIdle()) return;
    std::unique_ptr<std::ofstream> trace = safety_->openTrace(what);
    if (!trace && !linkTrace_) return;  // no trace before or now: the session stays
    const std::string password = link().sessionPassword();
    link_.reset();
    linkTrace_ = std::move(trace);
    link_ = makeLink(linkTrace_.get());
    if (!password.empty()) link().setSessionPassword(password);
}

void MainWindow::buildActions() {
    for (const CommandEntry& entry : MainCommands()) {
        // A menu entry made with its key as caption takes its text at the first relabel.
        auto* action =
            new QAction(entry.textKey > 0 ? QString::number(entry.textKey) : QString(), this);
        action->setObjectName(entry.objectName);
        action->setShortcut(entry.shortcut);
        if (!entry.keys.isEmpty()) action->setShortcut(entry.keys);
        action->setCheckable(entry.checkable);
        const CommandId id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        actions_[static_cast<std::size_t>(id)] = action;
    }
    // Redo answers both of the keys desktops use for it.
    action(CommandId::Redo)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

void MainWindow::runCommand(CommandId id) {
    const CommandEntry& entry = CommandEntryOf(id);
    if (entry.run) {
        entry.run(*this);
    } else if (entry.editor) {
        openEditor(*entry.editor);
    }
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    for (const MenuEntry& menuEntry : MainMenus()) {
        QMenu* menu = bar->addMenu(QString::number(menuEntry.textKey));
        menu->setObjectName(menuEntry.objectName);
        menu->menuAction()->setObjectName(menuEntry.objectName);
        for (const CommandEntry& entry : MainCommands()) {
            if (entry.menu != menuEntry.id) continue;
            if (entry.separatorBefore) menu->addSeparator();
            menu->addAction(action(entry.id));
        }
        if (menuEntry.id == MenuId::File) {
            recentMenu_ = new QMenu(menu);
            recentMenu_->setObjectName("mnuFileRecent");
            recentMenu_->menuAction()->setObjectName("mnuFileRecent");
            menu->insertMenu(action(CommandId::FileSave), recentMenu_);
            // Another window of the program may have opened files since.
            connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
        }
    }
    fillRecentMenu();
}

void MainWindow::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = RecentFiles();
    const QFontMetrics metrics(recentMenu_->font());
    const int width = metrics.averageCharWidth() * kRecentEntryChars;
    for (int i = 0; i < files.size(); ++i) {
        QString shown =
            metrics.elidedText(QDir::toNativeSeparators(files[i]), Qt::ElideMiddle, width);
        shown.replace('&', QStringLiteral("&&"));
        QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        entry->setStatusTip(files[i]);
        const std::filesystem::path path = files[i].toStdString();
        connect(entry, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    recentMenu_->menuAction()->setEnabled(!files.isEmpty());
}

void MainWindow::buildToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName("tbToolBar");
    toolBar_->setMovable(false);
    toolBar_->toggleViewAction()->setVisible(false);
    std::vector<const CommandEntry*> buttons;
    for (const CommandEntry& entry : MainCommands()) {
        if (entry.button.position > 0) buttons.push_back(&entry);
    }
    std::sort(buttons.begin(), buttons.end(), [](const CommandEntry* a, const CommandEntry* b) {
        return a->button.position < b->button.position;
    });
    // Toolbar buttons share the menus' actions; the tooltip keys are the menu keys.
    for (const CommandEntry* entry : buttons) {
        QAction* a = action(entry->id);
        if (entry->icon) a->setIcon(ToolbarIcon(*entry->icon));
        if (entry->button.tipKey > 0) SetTipKey(a, entry->button.tipKey);
        toolBar_->addAction(a);
        if (QWidget* widget = toolBar_->widgetForAction(a)) {
            widget->setObjectName(entry->button.objectName);
        }
        if (entry->button.separatorAfter) toolBar_->addSeparator();
    }
}

void MainWindow::connectDocument() {
    CodeplugDocument& doc = *document_;
    connect(&doc, &CodeplugDocument::codeplugReplaced, this, [this] {
        rebuildTree();
        showCaption();
    });
    connect(&doc, &CodeplugDocument::fileChanged, this, &MainWindow::showCaption);
    // The tree follows the optional functions.
    connect(&doc, &CodeplugDocument::settingsChanged, this, [this](SettingsArea area) {
        if (area == SettingsArea::Options) rebuildTree();
    });
    connect(&doc, &CodeplugDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&doc.undoStack(), &QUndoStack::indexChanged, this, &MainWindow::updateUndoEntries);
    connect(&doc.undoStack(), &QUndoStack::cleanChanged, this, &MainWindow::updateUndoEntries);
    setWindowModified(doc.isModified());
}

void MainWindow::updateUndoEntries() {
    const QUndoStack& stack = document_->undoStack();
    auto label = [&](CommandId id, TextId prefix, bool can, const QString& step) {
        QAction* a = action(id);
        a->setEnabled(can);
        const QString text = BuiltInQ(prefix, session_.language);
        a->setText(can && !step.isEmpty() ? text + " " + step : text);
    };
    label(CommandId::Undo, TextId::Undo, stack.canUndo(), stack.undoText());
    label(CommandId::Redo, TextId::Redo, stack.canRedo(), stack.redoText());
}

void MainWindow::undo() {
    document_->undoStack().undo();
}

void MainWindow::redo() {
    document_->undoStack().redo();
}

void MainWindow::applyViewToggles() {
    toolBar_->setVisible(action(CommandId::ViewToolBar)->isChecked());
    statusBar()->setVisible(action(CommandId::ViewStatusBar)->isChecked());
}

void MainWindow::buildCentre() {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("tvTreeView");
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    connect(tree_, &QTreeWidget::itemClicked, this, &MainWindow::treeItemClicked);
    connect(tree_, &QTreeWidget::itemActivated, this, &MainWindow::treeItemClicked);

    model_ = new ChannelListModel(*document_, reporter_, this);
    if (palette().color(QPalette::Base).lightness() < 128) {
        model_->setEvenRowColour(palette().color(QPalette::AlternateBase));
    }
    list_ = MakeChannelListView(model_, this);
    connect(model_, &ChannelListModel::rebuilt, this, [this] { FitChannelColumns(list_); });
    connect(model_, &ChannelListModel::rowsDropped, this,
            [this](const QMimeData* data, int before, bool fromThisList) {
                // After the drag's own event loop, so a question the drop asks is not
                // shown inside it.
                auto copy = std::make_shared<QMimeData>();
                for (const QString& format : data->formats())
                    copy->setData(format, data->data(format));
                QTimer::singleShot(0, this, [this, copy, before, fromThisList] {
                    dropRows(*copy, before, fromThisList);
                });
            });
    FitChannelColumns(list_);
    list_->installEventFilter(this);
    enableCellEditing();
    connect(list_, &QTableView::doubleClicked, this, [this] { editChannel(); });

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName("imgSplitter");
    splitter_->addWidget(tree_);
    splitter_->addWidget(list_);
    splitter_->setCollapsible(0, false);
    splitter_->setCollapsible(1, false);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    tree_->setMinimumWidth(static_cast<int>(kMinimumTreeTwips / TwipsPerPixel(this)) + 1);
    connect(splitter_, &QSplitter::splitterMoved, this, &MainWindow::clampSplitter);
    setCentralWidget(splitter_);
    setMinimumWidth(static_cast<int>(kMinimumWidthTwips / TwipsPerPixel(this)));
}

void MainWindow::clampSplitter() {
    const QList<int> sizes = splitter_->sizes();
    if (sizes.size() != 2) return;
    const int half = width() / 2;
    if (sizes[0] > half) splitter_->setSizes({half, sizes[0] + sizes[1] - half});
}

int MainWindow::treeLabelsWidth() const {
    // Column 0's size hint covers each label with its indentation and branch decoration.
    const QAbstractItemView* view = tree_;
    return view->sizeHintForColumn(0) + 2 * tree_->frameWidth() +
           tree_->fontMetrics().averageCharWidth();
}

void MainWindow::fitTreePane(bool exactly) {
    const QList<int> sizes = splitter_->sizes();
    if (sizes.size() != 2) return;
    const int total = sizes[0] + sizes[1];
    const int needed = std::min(treeLabelsWidth(), total / 2);
    if (total <= 0 || sizes[0] == needed || (!exactly && sizes[0] > needed)) return;
    splitter_->setSizes({needed, total - needed});
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The splitter's sizes are pixels only once it has its own size.
    const QList<int> sizes = splitter_->sizes();
    const int total = sizes.size() == 2 ? sizes[0] + sizes[1] : 0;
    if (storedTreeWidth_ && total > 0) {
        const int tree = std::clamp(*storedTreeWidth_, tree_->minimumWidth(), total / 2);
        splitter_->setSizes({tree, total - tree});
    } else {
        // The list gets the room the labels leave.
        fitTreePane(true);
    }
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("sbStatusBar");
    auto* status = new QLabel(QStringLiteral("Status"), bar);
    status->setObjectName("Panel1");
    dateLabel_ = new QLabel(bar);
    dateLabel_->setObjectName("Panel2");
    timeLabel_ = new QLabel(bar);
    timeLabel_->setObjectName("Panel3");
    bar->addWidget(status, 1);
    bar->addPermanentWidget(dateLabel_);
    bar->addPermanentWidget(timeLabel_);
    clock_ = new QTimer(this);
    auto tick = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        dateLabel_->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
        timeLabel_->setText(QLocale::system().toString(now.time(), QLocale::ShortFormat));
    };
    connect(clock_, &QTimer::timeout, this, tick);
    tick();
    clock_->start(kClockTickMs);
}

void MainWindow::registerEditor(EditorId editor, EditorRegistry::Factory factory) {
    editors_.add(editor, std::move(factory));
    updateEditorEntries();
    rebuildTree();
}

void MainWindow::openEditor(EditorId editor) {
    editors_.open(editor, {*document_, session_, reporter_, currentRow(), this, selectedRows()});
}

void MainWindow::updateEditorEntries() {
    for (const CommandEntry& entry : MainCommands()) {
        if (entry.editor) action(entry.id)->setEnabled(hasEditor(*entry.editor));
    }
}

void MainWindow::applyFeatureFlags() {
    for (const CommandEntry& entry : MainCommands()) {
        action(entry.id)->setVisible(IsShown(entry.shown, session_.features, session_.factoryMode));
    }
    updateEditorEntries();
    rebuildTree();
    // A radio that reports more features brings nodes the pane may be too narrow for.
    if (shownOnce_) fitTreePane();
}

void MainWindow::relabel() {
    ::torvik::RelabelForm(this, session_.texts);
    for (const CommandEntry& entry : MainCommands()) {
        if (entry.builtInText)
            action(entry.id)->setText(BuiltInQ(*entry.builtInText, session_.language));
    }
    updateUndoEntries();
    recentMenu_->setTitle(BuiltInQ(TextId::MenuOpenRecent, session_.language));
    tree_->setAccessibleName(BuiltInQ(TextId::SectionTree, session_.language));
    list_->setAccessibleName(BuiltInQ(TextId::ChannelList, session_.language));
}

void MainWindow::reloadAfterLanguageChange() {
    relabel();
    rebuildTree();
    fitTreePane();
    showCaption();
    model_->rebuild();
}

void MainWindow::setLanguage(Language language) {
    session_.language = language;
    session_.texts = LanguageTexts::Load(session_.home.languageFile(language), language);
    UseQtTranslations(language);
    reloadAfterLanguageChange();
}

void MainWindow::treeItemClicked(QTreeWidgetItem* item) {
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
    bool ok = false;
    const int command = item->data(0, kTreeCommandRole).toInt(&ok);
    if (ok && command >= 0) runCommand(static_cast<CommandId>(command));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            editChannel();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

int MainWindow::currentRow() const {
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

std::vector<int> MainWindow::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row() + 1);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty() && currentRow() > 0) rows.push_back(currentRow());
    return rows;
}

void MainWindow::editChannel() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid() || current.column() < 1) return;
    openEditor(EditorId::Channel);
}

void MainWindow::focusChannelList() {
    list_->setFocus();
}

// ---- geometry and close -----------------------------------------------------------------

void MainWindow::restoreWindowGeometry() {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kSettingsGroup);
    const double twips = TwipsPerPixel(this);
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    auto pixels = [&](const char* key, int fallback) {
        bool ok = false;
        const int value = settings.value(key).toInt(&ok);
        return ok ? static_cast<int>(std::lround(value / twips)) : fallback;
    };
    const int left = pixels("MainLeft", 0);
    const int top = pixels("MainTop", 0);
    const int w = pixels("MainWidth", available.width());
    const int h = pixels("MainHeight", available.height());
    move(left, top);
    resize(std::max(w, minimumWidth()), std::max(h, 200));
    if (settings.value(kMaximizedKey).toBool()) setWindowState(windowState() | Qt::WindowMaximized);
    bool ok = false;
    const int tree = settings.value(kTreeWidthKey).toInt(&ok);
    if (ok && tree > 0) storedTreeWidth_ = static_cast<int>(std::lround(tree / twips));
}

void MainWindow::storeWindowGeometry() {
    if (isMinimized()) return;
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kSettingsGroup);
    const double twips = TwipsPerPixel(this);
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    settings.setValue("MainLeft", static_cast<int>(std::lround(normal.x() * twips)));
    settings.setValue("MainTop", static_cast<int>(std::lround(normal.y() * twips)));
    settings.setValue("MainWidth", static_cast<int>(std::lround(normal.width() * twips)));
    settings.setValue("MainHeight", static_cast<int>(std::lround(normal.height() * twips)));
    settings.setValue(kMaximizedKey, isMaximized());
    const QList<int> sizes = splitter_->sizes();
    if (!sizes.isEmpty() && sizes[0] > 0) {
        settings.setValue(kTreeWidthKey, static_cast<int>(std::lround(sizes[0] * twips)));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A transfer in progress ends by itself; the window cannot go away under it.
    if (!link().isIdle()) {
        event->ignore();
        return;
    }
    if (!offerSave(BuiltInQ(TextId::SaveChanges, session_.language))) {
        event->ignore();
        return;
    }
    // The windows it opened close with it; other main windows keep their own codeplugs.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && !qobject_cast<MainWindow*>(window)) {
            window->close();
        }
    }
    storeWindowGeometry();
    // A feature once reported by a radio stays on in later runs; a failed write is silent.
    SaveFeatureFlags(session_);
    event->accept();
}

}  // namespace torvik
