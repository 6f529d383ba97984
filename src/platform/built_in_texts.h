// The texts built into the program in both languages, in one table: window captions and
// buttons of its own, messages about files, radio sessions and imports, and the printed
// report's fixed words. They do not come from the language files, so they are right even when
// those files are missing or stale. A text with %1, %2 takes its values in that order.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/language.h"

namespace torvik {

enum class TextId {
    // Reading and writing the radio, files, and the checks of a codeplug.
    ReadTitle,  // the progress window's caption
    WriteTitle,
    Percentage,  // the progress window's label
    ConfirmRead,
    ConfirmWrite,
    ModelWrong,  // the Chinese text asks no question
    RadioKilled,
    RadioFainted,
    VersionWrong,  // the Chinese text asks no question
    BandWrong,
    AllDataCleared,
    FileError,
    Overwrite,
    SaveChanges,
    DataFile,
    FreqCleared,
    Warning,
    ChannelFileIncomplete,
    NotABookFile,

    // How a connection with the radio stopped, and the search for the port settings.
    ReadCancelled,
    WriteCancelled,
    WriteCancelledEarly,
    InfoReadCancelled,
    RepeatLimit,     // %1: the block's address, four hex digits; %2: the limit
    SettingsSearch,  // the progress caption while the port settings are searched

    // The windows.
    CloseButton,  // also the comparison window's
    HelpButton,
    SystemInfoMissing,  // the same text in both languages
    NoSerialPort,       // start-up offers the demo radio
    DemoFailed,         // the demo radio did not start
    ChannelList,        // accessible names of the main window's list and tree
    SectionTree,
    Undo,  // Edit menu, followed by the step's name
    Redo,
    EditChannelStep,  // undo steps; %1: the channel's row label
    CutChannelStep,
    PasteChannelStep,
    DeleteChannelStep,
    BookFileFilter,     // file dialogs of the communication book
    SerialGroupAdvice,  // a serial port refused for lack of permission, shown once
    ProgressCancel,     // the progress window's button before the language file labels it
    SystemInfoOs,       // the about box's system information, line by line
    SystemInfoKernel,
    SystemInfoQt,
    SystemInfoPorts,
    SystemInfoNoPorts,     // no serial port present
    MenuOpenRecent,        // File menu: the data files opened or saved last
    CellFrequencyRefused,  // a channel-list cell edited in place took characters it cannot
    CellNameRefused,

    // The safe radio sessions: menu entries, the comparison window, backups and verifying.
    MenuCompareFile,
    MenuCompareRadio,
    MenuVerify,
    MenuBackupFirst,
    MenuCompareFirst,
    MenuBackupReads,
    MenuTrace,
    MenuOpenBackups,
    MenuOpenTraces,
    CompareTitle,
    Differences,  // %1: how many
    NoDifferences,
    ColumnWhere,
    ColumnField,
    ColumnThis,
    ColumnRadio,
    ColumnFile,  // %1: the file's name
    WriteButton,
    Verified,
    VerifyFailed,  // %1: blocks, %2: the areas
    BackupSaved,   // %1: the file
    BackupFailed,  // %1: why
    NothingWritten,

    // Printing.
    PrintSelectAll,
    PrintClearAll,
    PrintSetup,
    PrintOk,
    PrintCancel,
    PrintPreview,
    MenuPrintPreview,
    MenuExportPdf,
    PrintTitle,
    PrintModelType,
    PrintFrequency,
    PrintFileName,
    PrintOff,
    PrintOn,
    PrintNothingSelected,
    PdfFilter,
    PdfFailed,
    PrintItemChannels,       // the print dialog's boxes and the sections' headings
    PrintItemVhfChannels,    // never shown
    PrintItemRadioChannels,  // never shown
    PrintItemOptions,
    PrintItemDtmf,
    PrintItemTwoTone,
    PrintItemFiveTone,
    PrintItemCommBook,
    PrintItemMessage,

    // Channels and codeplugs from and to other programs' files.
    CsvFilter,
    JsonFilter,
    CannotRead,   // %1: the file
    CannotWrite,  // %1: the file
    NothingTaken,
    ReplaceChannels,  // %1: channels taken
    RowsRefused,      // heading of the rows not taken
    RowsChanged,      // heading of the rows taken with a change
    MoreRows,         // %1: rows not listed
    LineReason,       // %1: line, %2: reason
    ImportChannelsStep,
    CodeplugRefused,  // %1: field path, %2: reason
    OtherBand,        // %1: the file's band code, %2: the current one
    ReplaceCodeplug,
    ImportCodeplugStep,

    // The embedded information window and its page of the report.
    RadioInfoWindow,
    RadioInfoAreaCode,
    RadioInfoRadioType,
    RadioInfoBand,
    RadioInfoSerialNumber,
    RadioInfoProductionDate,
    RadioInfoMaintenanceDate,
    RadioInfoMaintenanceReason,  // the caption's two lines joined by a blank
    RadioInfoVersion,
    RadioInfoProductionBatch,
    RadioInfoCustomerCode,
    RadioInfoDealerFrame,
    RadioInfoDealerCode,
    RadioInfoStockDate,
    RadioInfoSellDate,
    RadioInfoSeller,

    // The factory test data window.
    TestDataCaption,
    TestDataLoad,
    TestDataSave,
    TestDataFile,             // the file dialogs' filter name
    TestDataFrequencyAdjust,  // the labels of the editable items, in item order
    TestDataHigherPower,
    TestDataHighPower,
    TestDataMiddlePower,
    TestDataLowPower,
    TestDataDeviation25k,
    TestDataDeviation20k,
    TestDataDeviation12k5,
    TestDataMicSensitivity,
    TestDataCtcss25k,
    TestDataCtcss20k,
    TestDataCtcss12k5,

    // Fleet programming: the menu entry, its window and the steps of a port.
    MenuFleet,
    FleetTitle,
    FleetRoster,
    FleetLoadRoster,
    FleetRosterFile,
    FleetUnits,
    FleetCounting,
    FleetGenerate,
    FleetPorts,
    FleetNoPorts,
    FleetVerify,
    FleetBackUp,
    FleetStart,
    FleetStop,
    FleetOpenLog,
    FleetLogPath,
    FleetColumnPort,
    FleetColumnUnit,
    FleetColumnSerial,
    FleetColumnStep,
    FleetColumnProgress,
    FleetColumnSeconds,
    FleetWaiting,
    FleetIdentifying,
    FleetBackingUp,
    FleetWriting,
    FleetVerifying,
    FleetDone,
    FleetFailed,
    FleetStopped,
    FleetRefused,
    FleetSaveFirst,
    FleetChoosePorts,
    FleetCountingRefused,
    FleetSummary,

    // Editing many channels in the list: spreadsheet paste, row commands, sorting.
    SheetNotAnEntry,
    SheetFixedColumn,
    SheetNoChannel,
    SheetPastLastRow,
    SheetNoColumn,
    SheetNotMemoryRow,
    SheetTableFull,
    PasteRefusedQuestion,
    PasteRefusedCell,
    PasteRefusedRow,
    PasteApplyRest,
    PasteApplyNothing,
    PasteOverflow,
    CutChannelsStep,
    PasteChannelsStep,
    DeleteChannelsStep,
    InsertChannelStep,
    DeleteRowsStep,
    MoveRowsStep,
    SortRowsStep,
    MenuInsertChannel,
    MenuDeleteRows,
    MenuMoveUp,
    MenuMoveDown,
    MenuSort,
    MenuNewWindow,
    InsertRefused,
    ReorderNotMemory,
    SortTitle,
    SortColumn,
    SortDescending,

    // Fill, find and replace over the channel list.
    MenuFill,
    MenuFind,
    MenuReplace,
    FillTitle,
    FillColumn,
    FillStart,
    FillStep,
    FillPattern,
    FillPatternHint,
    FillCounterStart,
    FillValue,
    FillPreview,
    FillPreviewChannel,
    FillPreviewBefore,
    FillPreviewAfter,
    FillPreviewNote,
    FillRefused,
    FillRxOutsideBand,  // %1, %2: the band's limits
    FillTxOutsideBand,
    FillNameCut,
    FillNoChannel,
    FillSummary,
    FillColumnRefused,
    FillStartRefused,
    FillStepRefused,
    FillStepName,
    FindTitle,
    ReplaceTitle,
    FindWhat,
    ReplaceWith,
    FindColumn,
    FindEveryColumn,
    FindRegex,
    FindWhole,
    FindMatchCase,
    FindNext,
    FindReplace,
    FindReplaceAll,
    FindResults,
    FindNotFound,
    FindWrapped,
    FindRegexRefused,
    ReplaceSummary,
    ReplaceCut,
    ReplaceRefused,
    ReplaceStepName,
    // Editing several channels at once.
    MixedValues,         // a field whose value differs between the channels
    BulkEditSubject,     // the title's end; %1: how many channels
    BulkEditHint,        // what the editor stores and what it leaves
    BulkEditStep,        // the undo step; %1: how many channels
    BulkRefusedHeading,  // before the values some channels do not take
    BulkRefusedField,    // %1: the field, %2: the channels
    BulkStoreInOthers,   // %1: channels that take the changes, %2: all, %3: those that do not
    BulkNoChannelTakes,

    Count  // not a text: the number of texts; keep it last
};
inline constexpr std::size_t kBuiltInTextCount = static_cast<std::size_t>(TextId::Count);

// The text of `id` in `language` (UTF-8).
std::string_view BuiltInText(TextId id, Language language);

enum class TransferDirection { Read, Write };

// The progress-window caption of a transfer.
std::string_view TransferTitle(TransferDirection direction, Language language);

}  // namespace torvik
