#include "ui/main_commands.h"

#include <array>

#include "aggregate/area_keys.h"
#include "ui/interchange_commands.h"
#include "ui/list_tools/list_tools.h"
#include "ui/main_command_keys.h"
#include "ui/main_window.h"
#include "ui/print/print_commands.h"
#include "ui/safety/radio_safety.h"

namespace torvik {
namespace {

using K = QKeySequence;
using C = CommandId;
using M = MenuId;

constexpr std::array kMenus{
    MenuEntry{M::File, "mnuFile", kKeyMenuFile},
    MenuEntry{M::Model, "MnuModel", kKeyMenuModel},
    MenuEntry{M::Channels, "MnuCHEdit", kKeyMenuChannels},
    MenuEntry{M::Edit, "mnuEdit", kKeyMenuEdit},
    MenuEntry{M::Set, "MnuSet", kKeyMenuSettings},
    MenuEntry{M::Radio, "mnuPro", kKeyMenuProgram},
    MenuEntry{M::View, "MnuView", kKeyMenuView},
    MenuEntry{M::Help, "MnuHelp", kKeyMenuHelp},
};

// Shorthands for the table's columns.
CommandEntry Base(C id, M menu, const char* name, int key) {
    CommandEntry entry;
    entry.id = id;
    entry.menu = menu;
    entry.objectName = name;
    entry.textKey = key;
    return entry;
}
CommandEntry Entry(C id, M menu, const char* name, int key, void (*run)(MainWindow&),
                   K::StandardKey shortcut = K::UnknownKey) {
    CommandEntry entry = Base(id, menu, name, key);
    entry.run = run;
    entry.shortcut = shortcut;
    return entry;
}
CommandEntry Editor(C id, M menu, const char* name, int key, EditorId editor,
                    TreeNodeEntry node = {}, ShownWhen shown = ShownWhen::Always) {
    CommandEntry entry = Base(id, menu, name, key);
    entry.editor = editor;
    entry.node = node;
    entry.shown = shown;
    return entry;
}
CommandEntry Tool(CommandEntry entry, ToolIcon icon, ToolButtonEntry button) {
    entry.icon = icon;
    entry.button = button;
    return entry;
}
CommandEntry SeparatorBefore(CommandEntry entry) {
    entry.separatorBefore = true;
    return entry;
}
CommandEntry Checkable(CommandEntry entry) {
    entry.checkable = true;
    return entry;
}

// A command whose caption is one of the built-in texts.
CommandEntry Captioned(CommandEntry entry, TextId text) {
    entry.builtInText = text;
    return entry;
}

CommandEntry Keys(CommandEntry entry, QKeySequence keys) {
    entry.keys = std::move(keys);
    return entry;
}

// A ticked entry of the Program menu that makes radio sessions safer.
CommandEntry SafetySetting(C id, const char* name, TextId text) {
    return Captioned(Checkable(Entry(id, M::Radio, name, 0,
                                     [](MainWindow& w) { w.safety().takeSettingsFromMenu(); })),
                     text);
}

const std::vector<CommandEntry>& Table() {
    static const std::vector<CommandEntry> table{
        Tool(Entry(
                 C::FileNew, M::File, "mnuFileNew", kKeyCommandFileNew,
                 [](MainWindow& w) { w.fileNew(); }, K::New),
             ToolIcon::New, {1, "TNewFile", kKeyCommandFileNew}),
        Tool(Entry(
                 C::FileOpen, M::File, "mnuFileOpen", kKeyCommandFileOpen,
                 [](MainWindow& w) { w.fileOpen(); }, K::Open),
             ToolIcon::Open, {2, "TOpenFile", kKeyCommandFileOpen}),
        Captioned(Keys(Entry(C::FileNewWindow, M::File, "mnuFileNewWindow", 0,
                             [](MainWindow& w) { w.openNewWindow(); }),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
                  TextId::MenuNewWindow),
        Tool(Entry(
                 C::FileSave, M::File, "mnuFileSave", kKeyCommandFileSave,
                 [](MainWindow& w) { w.fileSave(); }, K::Save),
             ToolIcon::Save, {3, "TSaveFile", kKeyCommandFileSave}),
        Entry(
            C::FileSaveAs, M::File, "mnuFileSaveAs", kKeyCommandFileSaveAs,
            [](MainWindow& w) { w.fileSaveAs(); }, K::SaveAs),
        SeparatorBefore(Entry(C::FileImportChannels, M::File, "mnuFileImportChannels",
                              kKeyCommandFileImportChannels, ImportChannels)),
        Entry(C::FileExportChannels, M::File, "mnuFileExportChannels",
              kKeyCommandFileExportChannels, ExportChannels),
        Entry(C::FileImportCodeplug, M::File, "mnuFileImportCodeplug",
              kKeyCommandFileImportCodeplug, ImportCodeplug),
        Entry(C::FileExportCodeplug, M::File, "mnuFileExportCodeplug",
              kKeyCommandFileExportCodeplug, ExportCodeplug),
        Captioned(Entry(C::FileCompare, M::File, "mnuFileCompare", 0,
                        [](MainWindow& w) { w.safety().compareWithFile(); }),
                  TextId::MenuCompareFile),
        [] {
            CommandEntry print = SeparatorBefore(Editor(C::FilePrint, M::File, "mnuFilePrint",
                                                        kKeyCommandFilePrint, EditorId::Print));
            print.shortcut = K::Print;
            return print;
        }(),
        Captioned(
            Entry(C::FilePrintPreview, M::File, "mnuFilePrintPreview", 0, PrintPreviewFromWindow),
            TextId::MenuPrintPreview),
        Captioned(Entry(C::FileExportPdf, M::File, "mnuFileExportPdf", 0, ExportPdfFromWindow),
                  TextId::MenuExportPdf),
        SeparatorBefore(Entry(
            C::FileExit, M::File, "mnuFileExit", kKeyCommandFileExit,
            [](MainWindow& w) { w.close(); }, K::Quit)),

        Entry(C::ModelInfo, M::Model, "MnuModelInfo", kKeyCommandModelInfo,
              [](MainWindow& w) { w.modelDialog(); }),

        Tool(Entry(
                 C::ChannelCut, M::Channels, "MnuCHCut", kKeyCommandChannelCut,
                 [](MainWindow& w) { w.runClipboardCommand(ClipboardCommand::Cut); }, K::Cut),
             ToolIcon::Cut, {7, "CHCut", kKeyCommandChannelCut}),
        Tool(Entry(
                 C::ChannelCopy, M::Channels, "MnuCHCopy", kKeyCommandChannelCopy,
                 [](MainWindow& w) { w.runClipboardCommand(ClipboardCommand::Copy); }, K::Copy),
             ToolIcon::Copy, {8, "CHCopy", kKeyCommandChannelCopy}),
        Tool(Entry(
                 C::ChannelPaste, M::Channels, "MnuCHPaste", kKeyCommandChannelPaste,
                 [](MainWindow& w) { w.runClipboardCommand(ClipboardCommand::Paste); }, K::Paste),
             ToolIcon::Paste, {9, "CHPaste", kKeyCommandChannelPaste}),
        Tool(Entry(
                 C::ChannelDelete, M::Channels, "MnuCHDelete", kKeyCommandChannelDelete,
                 [](MainWindow& w) { w.runClipboardCommand(ClipboardCommand::Delete); }, K::Delete),
             ToolIcon::Delete, {10, "CHDelete", kKeyCommandChannelDelete}),
        SeparatorBefore(Captioned(Keys(Entry(C::ChannelInsert, M::Channels, "mnuCHInsert", 0,
                                             [](MainWindow& w) { w.insertChannel(); }),
                                       QKeySequence(Qt::Key_Insert)),
                                  TextId::MenuInsertChannel)),
        Captioned(Keys(Entry(C::ChannelDeleteRows, M::Channels, "mnuCHDeleteRows", 0,
                             [](MainWindow& w) { w.deleteRowsClosingGap(); }),
                       QKeySequence(Qt::CTRL | Qt::Key_Delete)),
                  TextId::MenuDeleteRows),
        Captioned(Keys(Entry(C::ChannelMoveUp, M::Channels, "mnuCHMoveUp", 0,
                             [](MainWindow& w) { w.moveRows(true); }),
                       QKeySequence(Qt::ALT | Qt::Key_Up)),
                  TextId::MenuMoveUp),
        Captioned(Keys(Entry(C::ChannelMoveDown, M::Channels, "mnuCHMoveDown", 0,
                             [](MainWindow& w) { w.moveRows(false); }),
                       QKeySequence(Qt::ALT | Qt::Key_Down)),
                  TextId::MenuMoveDown),
        Captioned(
            Entry(C::ChannelSort, M::Channels, "mnuCHSort", 0, [](MainWindow& w) { w.sortRows(); }),
            TextId::MenuSort),

        Entry(
            C::Undo, M::Edit, "mnuEditUndo", 0, [](MainWindow& w) { w.undo(); }, K::Undo),
        Entry(
            C::Redo, M::Edit, "mnuEditRedo", 0, [](MainWindow& w) { w.redo(); }, K::Redo),
        [] {
            CommandEntry edit = SeparatorBefore(Editor(C::EditChannel, M::Edit, "mnuEditCH",
                                                       kKeyCommandEditChannel, EditorId::Channel));
            edit.run = [](MainWindow& w) { w.editChannel(); };
            return edit;
        }(),
        Keys(Captioned(Entry(C::EditFill, M::Edit, "mnuEditFill", 0, FillSelectedChannels),
                       TextId::MenuFill),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)),
        Captioned(Entry(
                      C::EditFind, M::Edit, "mnuEditFind", 0,
                      [](MainWindow& w) { ShowFindDialog(w, false); }, K::Find),
                  TextId::MenuFind),
        // Ctrl+H as most desktops have it; the standard Replace key differs on some.
        Keys(Captioned(Entry(C::EditReplace, M::Edit, "mnuEditReplace", 0,
                             [](MainWindow& w) { ShowFindDialog(w, true); }),
                       TextId::MenuReplace),
             QKeySequence(Qt::CTRL | Qt::Key_H)),
        [] {
            CommandEntry list = Base(C::ShowChannelList, M::None, "ShowChannelList", 0);
            list.run = [](MainWindow& w) { w.focusChannelList(); };
            list.node = {"N1", 0, "CH"};
            return list;
        }(),
        Editor(C::EditOptions, M::Edit, "MnuViewSetMode", kKeyCommandEditOptions, EditorId::Options,
               {"N4", kKeyAreaOptions}),
        Editor(C::EditDtmf, M::Edit, "MnuViewDTMF", kKeyCommandEditDtmf, EditorId::Dtmf,
               {"N5", kKeyAreaDtmf}, ShownWhen::Dtmf),
        Editor(C::EditTwoTone, M::Edit, "MnuView2Tone", kKeyCommandEditTwoTone, EditorId::TwoTone,
               {"N6", kKeyAreaTwoTone}, ShownWhen::TwoTone),
        Editor(C::EditFiveTone, M::Edit, "MnuView5Tone", kKeyCommandEditFiveTone,
               EditorId::FiveTone, {"N7", kKeyAreaFiveTone}, ShownWhen::FiveTone),
        Editor(C::EditScan, M::Edit, "MnuViewScan", kKeyCommandEditScan, EditorId::Scan,
               {"N10", kKeyAreaScan}),
        Editor(C::EditEmergency, M::Edit, "MnuViewAlert", kKeyCommandEditEmergency,
               EditorId::Emergency, {"N11", kKeyAreaEmergency}),
        Editor(C::EditCommBook, M::Edit, "MnuCommBook", kKeyCommandEditCommBook, EditorId::CommBook,
               {"N8", kKeyAreaCommBook}),
        Editor(C::ShowRadioInfo, M::None, "ShowRadioInfo", 0, EditorId::RadioInfo,
               {"N9", kKeyNodeRadioInfo}),
        Entry(C::ReadRadioInfo, M::Edit, "MnuEMg", kKeyCommandReadRadioInfo,
              [](MainWindow& w) { w.readRadioInfo(); }),
        Editor(C::EditTestData, M::Edit, "mnuTestData", kKeyCommandEditTestData, EditorId::TestData,
               {"N14", kKeyNodeTestData}, ShownWhen::FactoryMode),

        Tool(Entry(C::SetPort, M::Set, "MnuSetCom", kKeyCommandSetPort,
                   [](MainWindow& w) { w.comSetDialog(); }),
             ToolIcon::SerialPort, {5, "TCommPort", 0, true}),
        Entry(C::SetLanguage, M::Set, "MnuSetLanguage", kKeyCommandSetLanguage,
              [](MainWindow& w) { w.languageDialog(); }),
        Entry(C::SetInitialise, M::Set, "MnuSetInit", kKeyCommandSetInitialise,
              [](MainWindow& w) { w.initialise(); }),

        Tool(Entry(C::RadioRead, M::Radio, "mnuProRead", kKeyCommandRadioRead,
                   [](MainWindow& w) { w.readFromRadio(); }),
             ToolIcon::ReadRadio, {4, "TCommRead", kKeyCommandRadioRead}),
        Tool(Entry(C::RadioWrite, M::Radio, "MnuProWrite", kKeyCommandRadioWrite,
                   [](MainWindow& w) { w.writeToRadio(); }),
             ToolIcon::WriteRadio, {6, "TCommWrite", kKeyCommandRadioWrite, true}),
        Entry(C::RadioPassword, M::Radio, "MnuProPassWord", kKeyCommandRadioPassword,
              [](MainWindow& w) { w.passwordDialog(); }),
        SeparatorBefore(Captioned(Entry(C::RadioCompare, M::Radio, "mnuProCompare", 0,
                                        [](MainWindow& w) { w.safety().compareWithRadio(); }),
                                  TextId::MenuCompareRadio)),
        Captioned(Entry(C::RadioFleet, M::Radio, "mnuProFleet", 0,
                        [](MainWindow& w) { w.safety().fleetProgramming(); }),
                  TextId::MenuFleet),
        SeparatorBefore(SafetySetting(C::RadioVerify, "mnuProVerify", TextId::MenuVerify)),
        SafetySetting(C::RadioBackupFirst, "mnuProBackupFirst", TextId::MenuBackupFirst),
        SafetySetting(C::RadioCompareFirst, "mnuProCompareFirst", TextId::MenuCompareFirst),
        SafetySetting(C::RadioBackupReads, "mnuProBackupReads", TextId::MenuBackupReads),
        SafetySetting(C::RadioTrace, "mnuProTrace", TextId::MenuTrace),

        Checkable(Entry(C::ViewToolBar, M::View, "MnuViewToolBar", kKeyCommandViewToolBar,
                        [](MainWindow& w) { w.applyViewToggles(); })),
        Checkable(Entry(C::ViewStatusBar, M::View, "MnuViewStatusBar", kKeyCommandViewStatusBar,
                        [](MainWindow& w) { w.applyViewToggles(); })),

        Captioned(Entry(C::HelpBackups, M::Help, "MnuHelpBackups", 0,
                        [](MainWindow& w) { w.safety().openBackupFolder(); }),
                  TextId::MenuOpenBackups),
        Captioned(Entry(C::HelpTraces, M::Help, "MnuHelpTraces", 0,
                        [](MainWindow& w) { w.safety().openTraceFolder(); }),
                  TextId::MenuOpenTraces),
        Tool(Entry(C::HelpAbout, M::Help, "MnuHelpAbout", kKeyCommandHelpAbout,
                   [](MainWindow& w) { w.aboutBox(); }),
             ToolIcon::About, {11, "TAbout", kKeyCommandHelpAbout}),
    };
    return table;
}

}  // namespace

bool IsShown(ShownWhen rule, const FeatureFlags& flags, bool factoryMode) {
    switch (rule) {
        case ShownWhen::Always:
            return true;
        case ShownWhen::Dtmf:
            return flags.HasDTMF != 0;
        case ShownWhen::TwoTone:
            return flags.Has2Tone != 0;
        case ShownWhen::FiveTone:
            return flags.Has5Tone != 0;
        case ShownWhen::FactoryMode:
            return factoryMode;
    }
    return true;
}

std::span<const MenuEntry> MainMenus() {
    return kMenus;
}

std::span<const CommandEntry> MainCommands() {
    return Table();
}

const CommandEntry& CommandEntryOf(CommandId id) {
    static const std::array<const CommandEntry*, kCommandCount> byId = [] {
        std::array<const CommandEntry*, kCommandCount> index{};
        for (const CommandEntry& entry : Table())
            index[static_cast<std::size_t>(entry.id)] = &entry;
        return index;
    }();
    return *byId[static_cast<std::size_t>(id)];
}

}  // namespace torvik
