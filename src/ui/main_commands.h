// The main window's commands, declared once: each command's menu entry, toolbar button and
// tree node, its text key, shortcut, icon, when it is shown and what it runs. Menus, toolbar
// and tree are built from this table; the window finds a command's action by its id.
#pragma once

#include <QKeySequence>
#include <optional>
#include <span>

#include "codeplug/feature_flags.h"
#include "platform/built_in_texts.h"
#include "ui/editor_registry.h"
#include "ui/icons.h"

namespace torvik {

class MainWindow;

enum class CommandId {
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileImportChannels,
    FileExportChannels,
    FileImportCodeplug,
    FileExportCodeplug,
    FilePrint,
    FilePrintPreview,
    FileExportPdf,
    FileExit,
    ModelInfo,
    ChannelCut,
    ChannelCopy,
    ChannelPaste,
    ChannelDelete,
    Undo,
    Redo,
    EditChannel,
    EditOptions,
    EditDtmf,
    EditTwoTone,
    EditFiveTone,
    EditScan,
    EditEmergency,
    EditCommBook,
    ReadRadioInfo,
    EditTestData,
    ShowChannelList,
    ShowRadioInfo,
    SetPort,
    SetLanguage,
    SetInitialise,
    RadioRead,
    RadioWrite,
    RadioPassword,
    ViewToolBar,
    ViewStatusBar,
    HelpAbout,
    FileCompare,
    RadioCompare,
    RadioVerify,
    RadioBackupFirst,
    RadioCompareFirst,
    RadioBackupReads,
    RadioTrace,
    HelpBackups,
    HelpTraces,
    RadioFleet,
    FileNewWindow,
    ChannelInsert,
    ChannelDeleteRows,
    ChannelMoveUp,
    ChannelMoveDown,
    ChannelSort,
    EditFill,
    EditFind,
    EditReplace,
    Count  // not a command: the number of commands; keep it last
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(CommandId::Count);

enum class MenuId { None, File, Model, Channels, Edit, Set, Radio, View, Help };

// When a command is shown: always, or only while a feature is on or in factory mode.
enum class ShownWhen { Always, Dtmf, TwoTone, FiveTone, FactoryMode };

struct MenuEntry {
    MenuId id;
    const char* objectName;
    int textKey;
};

struct ToolButtonEntry {
    int position = 0;  // 1.. from the left; 0: not on the toolbar
    const char* objectName = nullptr;
    int tipKey = 0;  // 0: no tooltip
    bool separatorAfter = false;
};

struct TreeNodeEntry {
    const char* key = nullptr;  // "N4"; nullptr: not in the tree
    int textKey = 0;            // 0: `fixedText`
    const char* fixedText = nullptr;
};

struct CommandEntry {
    CommandId id = CommandId::FileNew;
    MenuId menu = MenuId::None;
    const char* objectName = nullptr;  // the action's name
    int textKey = 0;                   // 0: `builtInText`, or the window sets the text (Undo, Redo)
    // The caption of a command the language files have no key for, from the built-in texts.
    std::optional<TextId> builtInText;
    QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
    QKeySequence keys;  // a shortcut no desktop standard names (Alt+Up)
    bool separatorBefore = false;
    bool checkable = false;
    ShownWhen shown = ShownWhen::Always;
    // The editor it opens; enabled only while that editor is registered.
    std::optional<EditorId> editor;
    // What it runs when it opens no editor, or runs instead of opening it directly.
    void (*run)(MainWindow&) = nullptr;
    std::optional<ToolIcon> icon;
    ToolButtonEntry button;
    TreeNodeEntry node;
};

// The tree items carry their command's id in this role.
inline constexpr int kTreeCommandRole = Qt::UserRole + 1;

bool IsShown(ShownWhen rule, const FeatureFlags& flags, bool factoryMode);

std::span<const MenuEntry> MainMenus();
// In menu order; the tree and the toolbar take their own order from their entries.
std::span<const CommandEntry> MainCommands();
const CommandEntry& CommandEntryOf(CommandId id);

}  // namespace torvik
