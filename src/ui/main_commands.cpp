#include "ui/main_commands.h"

#include <array>

#include "ui/interchange_commands.h"
#include "ui/main_window.h"
#include "ui/print/print_commands.h"
#include "ui/safety/radio_safety.h"

namespace torvik {
namespace {

using K = QKeySequence;
using C = CommandId;
using M = MenuId;

constexpr std::array kMenus{
    MenuEntry{M::File, "mnuFile", 1000},       MenuEntry{M::Model, "MnuModel", 1060},
    MenuEntry{M::Channels, "MnuCHEdit", 1070}, MenuEntry{M::Edit, "mnuEdit", 1010},
    MenuEntry{M::Set, "MnuSet", 1030},         MenuEntry{M::Radio, "mnuPro", 1040},
    MenuEntry{M::View, "MnuView", 1020},       MenuEntry{M::Help, "MnuHelp", 1050},
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

// A ticked entry of the Program menu that makes radio sessions safer; its text comes from
// the safety texts.
CommandEntry SafetySetting(C id, const char* name) {
    return Checkable(
        Entry(id, M::Radio, name, 0, [](MainWindow& w) { w.safety().takeSettingsFromMenu(); }));
}

const std::vector<CommandEntry>& Table() {
    static const std::vector<CommandEntry> table{
        Tool(Entry(
                 C::FileNew, M::File, "mnuFileNew", 1001, [](MainWindow& w) { w.fileNew(); },
                 K::New),
             ToolIcon::New, {1, "TNewFile", 1001}),
        Tool(Entry(
                 C::FileOpen, M::File, "mnuFileOpen", 1002, [](MainWindow& w) { w.fileOpen(); },
                 K::Open),
             ToolIcon::Open, {2, "TOpenFile", 1002}),
        Tool(Entry(
                 C::FileSave, M::File, "mnuFileSave", 1003, [](MainWindow& w) { w.fileSave(); },
                 K::Save),
             ToolIcon::Save, {3, "TSaveFile", 1003}),
        Entry(
            C::FileSaveAs, M::File, "mnuFileSaveAs", 1004, [](MainWindow& w) { w.fileSaveAs(); },
            K::SaveAs),
        SeparatorBefore(
            Entry(C::FileImportChannels, M::File, "mnuFileImportChannels", 1007, ImportChannels)),
        Entry(C::FileExportChannels, M::File, "mnuFileExportChannels", 1008, ExportChannels),
        Entry(C::FileImportCodeplug, M::File, "mnuFileImportCodeplug", 1009, ImportCodeplug),
        Entry(C::FileExportCodeplug, M::File, "mnuFileExportCodeplug", 1012, ExportCodeplug),
        Entry(C::FileCompare, M::File, "mnuFileCompare", 0,
              [](MainWindow& w) { w.safety().compareWithFile(); }),
        [] {
            CommandEntry print = SeparatorBefore(
                Editor(C::FilePrint, M::File, "mnuFilePrint", 1005, EditorId::Print));
            print.shortcut = K::Print;
            return print;
        }(),
        Entry(C::FilePrintPreview, M::File, "mnuFilePrintPreview", 0, PrintPreviewFromWindow),
        Entry(C::FileExportPdf, M::File, "mnuFileExportPdf", 0, ExportPdfFromWindow),
        SeparatorBefore(Entry(
            C::FileExit, M::File, "mnuFileExit", 1006, [](MainWindow& w) { w.close(); }, K::Quit)),

        Entry(C::ModelInfo, M::Model, "MnuModelInfo", 1061, [](MainWindow& w) { w.modelDialog(); }),

        Tool(Entry(
                 C::ChannelCut, M::Channels, "MnuCHCut", 1071,
                 [](MainWindow& w) { w.runClipboardCommand(ClipboardCommand::Cut); }, K::Cut),
             ToolIcon::Cut, {7, "CHCut", 1071}),
        Tool(Entry(
                 C::ChannelCopy, M::Channels, "MnuCHCopy", 1072,
                 [](MainWindow& w) { w.runClipboardCommand(ClipboardCommand::Copy); }, K::Copy),
             ToolIcon::Copy, {8, "CHCopy", 1072}),
        Tool(Entry(
                 C::ChannelPaste, M::Channels, "MnuCHPaste", 1073,
                 [](MainWindow& w) { w.runClipboardCommand(ClipboardCommand::Paste); }, K::Paste),
             ToolIcon::Paste, {9, "CHPaste", 1073}),
        Tool(Entry(
                 C::ChannelDelete, M::Channels, "MnuCHDelete", 1074,
                 [](MainWindow& w) { w.runClipboardCommand(ClipboardCommand::Delete); }, K::Delete),
             ToolIcon::Delete, {10, "CHDelete", 1074}),

        Entry(
            C::Undo, M::Edit, "mnuEditUndo", 0, [](MainWindow& w) { w.undo(); }, K::Undo),
        Entry(
            C::Redo, M::Edit, "mnuEditRedo", 0, [](MainWindow& w) { w.redo(); }, K::Redo),
        [] {
            CommandEntry edit = SeparatorBefore(
                Editor(C::EditChannel, M::Edit, "mnuEditCH", 1011, EditorId::Channel));
            edit.run = [](MainWindow& w) { w.editChannel(); };
            return edit;
        }(),
        [] {
            CommandEntry list = Base(C::ShowChannelList, M::None, "ShowChannelList", 0);
            list.run = [](MainWindow& w) { w.focusChannelList(); };
            list.node = {"N1", 0, "CH"};
            return list;
        }(),
        Editor(C::EditOptions, M::Edit, "MnuViewSetMode", 1021, EditorId::Options, {"N4", 5021}),
        Editor(C::EditDtmf, M::Edit, "MnuViewDTMF", 1023, EditorId::Dtmf, {"N5", 5023},
               ShownWhen::Dtmf),
        Editor(C::EditTwoTone, M::Edit, "MnuView2Tone", 1024, EditorId::TwoTone, {"N6", 5024},
               ShownWhen::TwoTone),
        Editor(C::EditFiveTone, M::Edit, "MnuView5Tone", 1025, EditorId::FiveTone, {"N7", 5025},
               ShownWhen::FiveTone),
        Editor(C::EditScan, M::Edit, "MnuViewScan", 2401, EditorId::Scan, {"N10", 2400}),
        Editor(C::EditEmergency, M::Edit, "MnuViewAlert", 2601, EditorId::Emergency, {"N11", 2600}),
        Editor(C::EditCommBook, M::Edit, "MnuCommBook", 1804, EditorId::CommBook, {"N8", 5804}),
        Editor(C::ShowRadioInfo, M::None, "ShowRadioInfo", 0, EditorId::RadioInfo, {"N9", 5028}),
        Entry(C::ReadRadioInfo, M::Edit, "MnuEMg", 1028, [](MainWindow& w) { w.readRadioInfo(); }),
        Editor(C::EditTestData, M::Edit, "mnuTestData", 8001, EditorId::TestData, {"N14", 8000},
               ShownWhen::FactoryMode),

        Tool(Entry(C::SetPort, M::Set, "MnuSetCom", 1031, [](MainWindow& w) { w.comSetDialog(); }),
             ToolIcon::SerialPort, {5, "TCommPort", 0, true}),
        Entry(C::SetLanguage, M::Set, "MnuSetLanguage", 1032,
              [](MainWindow& w) { w.languageDialog(); }),
        Entry(C::SetInitialise, M::Set, "MnuSetInit", 1033, [](MainWindow& w) { w.initialise(); }),

        Tool(Entry(C::RadioRead, M::Radio, "mnuProRead", 1041,
                   [](MainWindow& w) { w.readFromRadio(); }),
             ToolIcon::ReadRadio, {4, "TCommRead", 1041}),
        Tool(Entry(C::RadioWrite, M::Radio, "MnuProWrite", 1042,
                   [](MainWindow& w) { w.writeToRadio(); }),
             ToolIcon::WriteRadio, {6, "TCommWrite", 1042, true}),
        Entry(C::RadioPassword, M::Radio, "MnuProPassWord", 1043,
              [](MainWindow& w) { w.passwordDialog(); }),
        SeparatorBefore(Entry(C::RadioCompare, M::Radio, "mnuProCompare", 0,
                              [](MainWindow& w) { w.safety().compareWithRadio(); })),
        SeparatorBefore(SafetySetting(C::RadioVerify, "mnuProVerify")),
        SafetySetting(C::RadioBackupFirst, "mnuProBackupFirst"),
        SafetySetting(C::RadioCompareFirst, "mnuProCompareFirst"),
        SafetySetting(C::RadioBackupReads, "mnuProBackupReads"),
        SafetySetting(C::RadioTrace, "mnuProTrace"),

        Checkable(Entry(C::ViewToolBar, M::View, "MnuViewToolBar", 1026,
                        [](MainWindow& w) { w.applyViewToggles(); })),
        Checkable(Entry(C::ViewStatusBar, M::View, "MnuViewStatusBar", 1027,
                        [](MainWindow& w) { w.applyViewToggles(); })),

        Entry(C::HelpBackups, M::Help, "MnuHelpBackups", 0,
              [](MainWindow& w) { w.safety().openBackupFolder(); }),
        Entry(C::HelpTraces, M::Help, "MnuHelpTraces", 0,
              [](MainWindow& w) { w.safety().openTraceFolder(); }),
        Tool(
            Entry(C::HelpAbout, M::Help, "MnuHelpAbout", 1052, [](MainWindow& w) { w.aboutBox(); }),
            ToolIcon::About, {11, "TAbout", 1052}),
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
