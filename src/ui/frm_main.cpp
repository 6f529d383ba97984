// The main window's construction: menus, toolbar, tree, list, status bar, geometry and the
// close sequence.
#include "ui/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "qtlink/qt_serial_port.h"
#include "qtlink/qt_wait_timer.h"
#include "storage/snapshot.h"
#include "ui/channel_list_model.h"
#include "ui/editors.h"
#include "ui/frm_progress.h"
#include "ui/gui_link_host.h"
#include "ui/icons.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kTwipsPerInch = 1440;
// The window is never narrower than this.
constexpr int kMinimumWidthTwips = 3000;
// The splitter keeps at least this much of the tree.
constexpr int kMinimumTreeTwips = 30;
constexpr int kClockTickMs = 1000;

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return kTwipsPerInch / (dpi > 0 ? dpi : 96.0);
}

}  // namespace

frmMain::frmMain(AppSession& session, PortMap& ports, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      ports_(ports),
      reporter_(session.texts, this),
      portSettings_{PortId::Number(session.settings.PortNumber), session.settings.HandshakeMode,
                    session.settings.StopBits} {
    setObjectName("frmMain");
    if (session.settings.PortNumber <= 0) portSettings_.port = PortId();
    serial_ =
        std::make_unique<QtSerialPort>([this](int number) { return ports_.devicePath(number); });
    timer_ = std::make_unique<QtWaitTimer>();
    host_ = std::make_unique<GuiLinkHost>(*this);
    engine_ = std::make_unique<LinkEngine>(
        LinkContext{session_.codeplug, session_.features, session_.codeplug.testData,
                    session_.factoryMode, portSettings_, *serial_, *timer_, reporter_, *host_});
    progress_ = new FrmProgress(this);

    buildMenus();
    buildToolBar();
    buildCentre();
    buildStatusBar();
    RegisterEditors(*this);

    // Start: entries by features and factory mode, labels, view toggles, geometry, lists.
    ::torvik::RelabelForm(this, session_.texts);
    actions_["MnuViewToolBar"]->setChecked(true);
    actions_["MnuViewStatusBar"]->setChecked(true);
    restoreWindowGeometry();
    applyFeatureFlags();
    ShowListByData();
    list_->setCurrentIndex(model_->index(0, 1));
}

frmMain::~frmMain() {
    // The engine talks to the host and the port until it is gone.
    engine_.reset();
}

QAction* frmMain::makeAction(const char* name, int key) {
    auto* action = new QAction(QString::number(key), this);
    action->setObjectName(name);
    actions_[name] = action;
    return action;
}

void frmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const char* name, int key) {
        QMenu* menu = bar->addMenu(QString::number(key));
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    auto add = [&](QMenu* menu, const char* name, int key, auto slot, QKeySequence shortcut = {}) {
        QAction* action = makeAction(name, key);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        menu->addAction(action);
        return action;
    };

    QMenu* file = addMenu("mnuFile", 1000);
    add(file, "mnuFileNew", 1001, &frmMain::fileNew, QKeySequence::New);
    add(file, "mnuFileOpen", 1002, &frmMain::fileOpen, QKeySequence::Open);
    add(file, "mnuFileSave", 1003, &frmMain::fileSave, QKeySequence::Save);
    add(file, "mnuFileSaveAs", 1004, &frmMain::fileSaveAs, QKeySequence::SaveAs);
    file->addSeparator();
    add(
        file, "mnuFilePrint", 1005, [this] { openEditor(EditorWindow::Print); },
        QKeySequence::Print);
    file->addSeparator();
    add(file, "mnuFileExit", 1006, &QWidget::close, QKeySequence::Quit);

    QMenu* model = addMenu("MnuModel", 1060);
    add(model, "MnuModelInfo", 1061, &frmMain::modelDialog);

    QMenu* channels = addMenu("MnuCHEdit", 1070);
    add(
        channels, "MnuCHCut", 1071, [this] { SetCHEdit("X", 0); }, QKeySequence::Cut);
    add(
        channels, "MnuCHCopy", 1072, [this] { SetCHEdit("C", 0); }, QKeySequence::Copy);
    add(
        channels, "MnuCHPaste", 1073, [this] { SetCHEdit("V", 0); }, QKeySequence::Paste);
    add(
        channels, "MnuCHDelete", 1074, [this] { SetCHEdit("D", 0); }, QKeySequence::Delete);

    QMenu* edit = addMenu("mnuEdit", 1010);
    add(edit, "mnuEditCH", 1011, &frmMain::editChannel);
    add(edit, "MnuViewSetMode", 1021, [this] { openEditor(EditorWindow::Options); });
    add(edit, "MnuViewDTMF", 1023, [this] { openEditor(EditorWindow::Dtmf); });
    add(edit, "MnuView2Tone", 1024, [this] { openEditor(EditorWindow::TwoTone); });
    add(edit, "MnuView5Tone", 1025, [this] { openEditor(EditorWindow::FiveTone); });
    add(edit, "MnuViewScan", 2401, [this] { openEditor(EditorWindow::Scan); });
    add(edit, "MnuViewAlert", 2601, [this] { openEditor(EditorWindow::Emergency); });
    add(edit, "MnuCommBook", 1804, [this] { openEditor(EditorWindow::CommBook); });
    add(edit, "MnuEMg", 1028, &frmMain::ReadRMGDataFromRadio);
    add(edit, "mnuTestData", 8001, [this] { openEditor(EditorWindow::TestData); });

    QMenu* set = addMenu("MnuSet", 1030);
    add(set, "MnuSetCom", 1031, &frmMain::comSetDialog);
    add(set, "MnuSetLanguage", 1032, &frmMain::languageDialog);
    add(set, "MnuSetInit", 1033, &frmMain::initialise);

    QMenu* radio = addMenu("mnuPro", 1040);
    add(radio, "mnuProRead", 1041, &frmMain::readFromRadio);
    add(radio, "MnuProWrite", 1042, &frmMain::writeToRadio);
    add(radio, "MnuProPassWord", 1043, &frmMain::passwordDialog);

    QMenu* view = addMenu("MnuView", 1020);
    QAction* toolBar =
        add(view, "MnuViewToolBar", 1026, [this](bool on) { toolBar_->setVisible(on); });
    toolBar->setCheckable(true);
    QAction* statusBarToggle =
        add(view, "MnuViewStatusBar", 1027, [this](bool on) { statusBar()->setVisible(on); });
    statusBarToggle->setCheckable(true);

    QMenu* help = addMenu("MnuHelp", 1050);
    add(help, "MnuHelpAbout", 1052, &frmMain::aboutBox);
}

void frmMain::buildToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName("tbToolBar");
    toolBar_->setMovable(false);
    toolBar_->toggleViewAction()->setVisible(false);
    // Toolbar buttons share the menus' actions; the button keys name them for the tests and
    // the tooltip keys are the menu keys.
    const struct {
        const char* button;
        const char* action;
        int tipKey;
        ToolIcon icon;
    } buttons[] = {
        {"TNewFile", "mnuFileNew", 1001, ToolIcon::New},
        {"TOpenFile", "mnuFileOpen", 1002, ToolIcon::Open},
        {"TSaveFile", "mnuFileSave", 1003, ToolIcon::Save},
        {"TCommRead", "mnuProRead", 1041, ToolIcon::ReadRadio},
        {"TCommPort", "MnuSetCom", 0, ToolIcon::SerialPort},
        {"TCommWrite", "MnuProWrite", 1042, ToolIcon::WriteRadio},
        {"CHCut", "MnuCHCut", 1071, ToolIcon::Cut},
        {"CHCopy", "MnuCHCopy", 1072, ToolIcon::Copy},
        {"CHPaste", "MnuCHPaste", 1073, ToolIcon::Paste},
        {"CHDelete", "MnuCHDelete", 1074, ToolIcon::Delete},
        {"TAbout", "MnuHelpAbout", 1052, ToolIcon::About},
    };
    for (const auto& b : buttons) {
        QAction* action = actions_.at(b.action);
        action->setIcon(ToolbarIcon(b.icon));
        action->setProperty("buttonKey", QString::fromLatin1(b.button));
        if (b.tipKey > 0) SetTipKey(action, b.tipKey);
        toolBar_->addAction(action);
        if (QWidget* widget = toolBar_->widgetForAction(action)) widget->setObjectName(b.button);
        if (b.icon == ToolIcon::SerialPort || b.icon == ToolIcon::WriteRadio) {
            toolBar_->addSeparator();
        }
    }
}

void frmMain::buildCentre() {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("tvTreeView");
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    connect(tree_, &QTreeWidget::itemClicked, this, &frmMain::treeItemClicked);
    connect(tree_, &QTreeWidget::itemActivated, this, &frmMain::treeItemClicked);

    model_ = new ChannelListModel(this);
    if (palette().color(QPalette::Base).lightness() < 128) {
        model_->setEvenRowColour(palette().color(QPalette::AlternateBase));
    }
    list_ = MakeChannelListView(model_, this);
    list_->installEventFilter(this);
    connect(list_, &QTableView::doubleClicked, this, [this] { editChannel(); });

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName("imgSplitter");
    splitter_->addWidget(tree_);
    splitter_->addWidget(list_);
    splitter_->setCollapsible(0, false);
    splitter_->setCollapsible(1, false);
    splitter_->setStretchFactor(1, 1);
    const int treeWidth = tree_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16;
    splitter_->setSizes({treeWidth, treeWidth * 4});
    tree_->setMinimumWidth(static_cast<int>(kMinimumTreeTwips / TwipsPerPixel(this)) + 1);
    connect(splitter_, &QSplitter::splitterMoved, this, &frmMain::clampSplitter);
    setCentralWidget(splitter_);
    setMinimumWidth(static_cast<int>(kMinimumWidthTwips / TwipsPerPixel(this)));
}

void frmMain::clampSplitter() {
    const QList<int> sizes = splitter_->sizes();
    if (sizes.size() != 2) return;
    const int half = width() / 2;
    if (sizes[0] > half) splitter_->setSizes({half, sizes[0] + sizes[1] - half});
}

void frmMain::buildStatusBar() {
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

void frmMain::setEditorOpener(EditorWindow editor, EditorOpener opener) {
    editors_[static_cast<std::size_t>(editor)] = std::move(opener);
    updateEditorEntries();
    LoadShowTree();
}

bool frmMain::hasEditor(EditorWindow editor) const {
    return static_cast<bool>(editors_[static_cast<std::size_t>(editor)]);
}

void frmMain::openEditor(EditorWindow editor) {
    if (const EditorOpener& open = editors_[static_cast<std::size_t>(editor)]) open(*this);
}

void frmMain::updateEditorEntries() {
    const std::pair<const char*, EditorWindow> entries[] = {
        {"mnuEditCH", EditorWindow::Channel},      {"MnuViewSetMode", EditorWindow::Options},
        {"MnuViewDTMF", EditorWindow::Dtmf},       {"MnuView2Tone", EditorWindow::TwoTone},
        {"MnuView5Tone", EditorWindow::FiveTone},  {"MnuViewScan", EditorWindow::Scan},
        {"MnuViewAlert", EditorWindow::Emergency}, {"MnuCommBook", EditorWindow::CommBook},
        {"mnuTestData", EditorWindow::TestData},   {"mnuFilePrint", EditorWindow::Print},
    };
    for (const auto& [name, editor] : entries) actions_.at(name)->setEnabled(hasEditor(editor));
}

void frmMain::applyFeatureFlags() {
    const FeatureFlags& flags = session_.features;
    actions_.at("MnuViewDTMF")->setVisible(flags.HasDTMF != 0);
    actions_.at("MnuView2Tone")->setVisible(flags.Has2Tone != 0);
    actions_.at("MnuView5Tone")->setVisible(flags.Has5Tone != 0);
    actions_.at("mnuTestData")->setVisible(session_.factoryMode);
    updateEditorEntries();
    LoadShowTree();
}

void frmMain::Form_ReLoad() {
    ::torvik::RelabelForm(this, session_.texts);
    LoadShowTree();
    ShowListByData();
}

void frmMain::setLanguage(Language language) {
    session_.language = language;
    session_.texts = LanguageTexts::Load(session_.home.languageFile(language), language);
    Form_ReLoad();
}

void frmMain::treeItemClicked(QTreeWidgetItem* item) {
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
    static const std::map<QString, EditorWindow> kNodes{
        {"N4", EditorWindow::Options},   {"N5", EditorWindow::Dtmf},
        {"N6", EditorWindow::TwoTone},   {"N7", EditorWindow::FiveTone},
        {"N10", EditorWindow::Scan},     {"N11", EditorWindow::Emergency},
        {"N8", EditorWindow::CommBook},  {"N9", EditorWindow::RadioInfo},
        {"N14", EditorWindow::TestData},
    };
    const QString key = item->data(0, Qt::UserRole).toString();
    if (key == "N1") {
        list_->setFocus();
        return;
    }
    if (const auto it = kNodes.find(key); it != kNodes.end()) openEditor(it->second);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            editChannel();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

int frmMain::currentRow() const {
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void frmMain::editChannel() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid() || current.column() < 1 || !hasEditor(EditorWindow::Channel)) return;
    EditRow = static_cast<std::int16_t>(current.row() + 1);
    openEditor(EditorWindow::Channel);
}

// ---- geometry and close -----------------------------------------------------------------

void frmMain::restoreWindowGeometry() {
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
}

void frmMain::storeWindowGeometry() {
    if (isMinimized()) return;
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kSettingsGroup);
    const double twips = TwipsPerPixel(this);
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    settings.setValue("MainLeft", static_cast<int>(std::lround(normal.x() * twips)));
    settings.setValue("MainTop", static_cast<int>(std::lround(normal.y() * twips)));
    settings.setValue("MainWidth", static_cast<int>(std::lround(normal.width() * twips)));
    settings.setValue("MainHeight", static_cast<int>(std::lround(normal.height() * twips)));
}

void frmMain::closeEvent(QCloseEvent* event) {
    // A transfer in progress ends by itself; the window cannot go away under it.
    if (!engine_->isIdle()) {
        event->ignore();
        return;
    }
    if (!offerSave(MessageQ(MessageId::SaveChanges, session_.language))) {
        event->ignore();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) window->close();
    }
    storeWindowGeometry();
    // A feature once reported by a radio stays on in later runs; a failed write is silent.
    SaveFeatureFlags(session_);
    event->accept();
}

}  // namespace torvik
