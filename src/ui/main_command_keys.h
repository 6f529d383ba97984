// The language-file keys (section "OTHER") of the main window's menus, of its commands'
// menu entries and toolbar tooltips, and of the tree nodes that name no codeplug area (those
// that do are in aggregate/area_keys.h).
#pragma once

namespace torvik {

// Menus.
inline constexpr int kKeyMenuFile = 1000;
inline constexpr int kKeyMenuEdit = 1010;
inline constexpr int kKeyMenuView = 1020;
inline constexpr int kKeyMenuSettings = 1030;
inline constexpr int kKeyMenuProgram = 1040;
inline constexpr int kKeyMenuHelp = 1050;
inline constexpr int kKeyMenuModel = 1060;
inline constexpr int kKeyMenuChannels = 1070;

// Commands; the toolbar's tooltips say the same as the menu entries.
inline constexpr int kKeyCommandFileNew = 1001;
inline constexpr int kKeyCommandFileOpen = 1002;
inline constexpr int kKeyCommandFileSave = 1003;
inline constexpr int kKeyCommandFileSaveAs = 1004;
inline constexpr int kKeyCommandFilePrint = 1005;
inline constexpr int kKeyCommandFileExit = 1006;
inline constexpr int kKeyCommandFileImportChannels = 1007;
inline constexpr int kKeyCommandFileExportChannels = 1008;
inline constexpr int kKeyCommandFileImportCodeplug = 1009;
inline constexpr int kKeyCommandFileExportCodeplug = 1012;
inline constexpr int kKeyCommandEditChannel = 1011;
inline constexpr int kKeyCommandEditOptions = 1021;
inline constexpr int kKeyCommandEditDtmf = 1023;
inline constexpr int kKeyCommandEditTwoTone = 1024;
inline constexpr int kKeyCommandEditFiveTone = 1025;
inline constexpr int kKeyCommandViewToolBar = 1026;
inline constexpr int kKeyCommandViewStatusBar = 1027;
inline constexpr int kKeyCommandReadRadioInfo = 1028;
inline constexpr int kKeyCommandSetPort = 1031;
inline constexpr int kKeyCommandSetLanguage = 1032;
inline constexpr int kKeyCommandSetInitialise = 1033;
inline constexpr int kKeyCommandRadioRead = 1041;
inline constexpr int kKeyCommandRadioWrite = 1042;
inline constexpr int kKeyCommandRadioPassword = 1043;
inline constexpr int kKeyCommandHelpAbout = 1052;
inline constexpr int kKeyCommandModelInfo = 1061;
inline constexpr int kKeyCommandChannelCut = 1071;
inline constexpr int kKeyCommandChannelCopy = 1072;
inline constexpr int kKeyCommandChannelPaste = 1073;
inline constexpr int kKeyCommandChannelDelete = 1074;
inline constexpr int kKeyCommandEditCommBook = 1804;
inline constexpr int kKeyCommandEditScan = 2401;
inline constexpr int kKeyCommandEditEmergency = 2601;
inline constexpr int kKeyCommandEditTestData = 8001;

// Tree nodes.
inline constexpr int kKeyNodeRadioInfo = 5028;
inline constexpr int kKeyNodeTestData = 8000;

}  // namespace torvik
