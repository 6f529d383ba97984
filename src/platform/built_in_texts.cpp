#include "platform/built_in_texts.h"

#include <iterator>

namespace torvik {
namespace {

struct BilingualText {
    TextId id;
    std::string_view english;
    std::string_view chinese;
};

// CR LF is the line break the radio dialogs have always used; the English texts of the radio
// sessions are kept word for word because dealers' instructions quote them.
constexpr BilingualText kTexts[] = {
    // Reading and writing the radio, files, and the checks of a codeplug.
    {TextId::ReadTitle, "Read data from radio", "从对讲机读取数据"},
    {TextId::WriteTitle, "Write data to radio", "向对讲机写入数据"},
    {TextId::Percentage, "Completion percentage:", "完成进度:"},
    {TextId::ConfirmRead, "Read data from radio.\r\nDo you wish continue?",
     "从对讲机读取数据。\r\n是否继续？"},
    {TextId::ConfirmWrite, "Write data to radio.\r\nDo you wish continue?",
     "向对讲机写入数据。\r\n是否继续？"},
    {TextId::ModelWrong, "Model type is wrong. Overwrite?", "机型类型错误。"},
    {TextId::RadioKilled, "Radio is killed,can't be written!", "对讲机被遥毙，不能写入！"},
    {TextId::RadioFainted, "Radio is fainted,can't be written!", "对讲机被遥晕，不能写入！"},
    {TextId::VersionWrong, "Version is wrong. Overwrite?", "版本错误。"},
    {TextId::BandWrong, "Frequencys is wrong!", "频段类型错误！"},
    {TextId::AllDataCleared, "All data will be cleared.", "所有数据将被清空。"},
    {TextId::FileError, "file error.", "文件错误。"},
    {TextId::Overwrite, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
    {TextId::SaveChanges, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
    {TextId::DataFile, "Data File", "数据文件"},
    {TextId::FreqCleared, "Frequency data will be cleared.", "频率数据将被清除。"},
    {TextId::Warning, "Warning", "警告"},
    {TextId::ChannelFileIncomplete,
     "The channel file is missing or incomplete; only the channels it holds were loaded.",
     "信道文件缺失或不完整，只载入了其中已有的信道。"},
    {TextId::NotABookFile,
     "This is not a communication book file (1792 bytes of call IDs and names). The book was "
     "not changed.",
     "该文件不是通信簿文件（1792 字节的呼叫 ID 与名称）。通信簿未被更改。"},

    // How a connection with the radio stopped, and the search for the port settings.
    {TextId::ReadCancelled, "Reading stopped. Nothing was changed.", "读取已停止，未做任何更改。"},
    {TextId::WriteCancelled,
     "Writing stopped. The radio now holds a partly written codeplug; write it again before "
     "using the radio.",
     "写入已停止。对讲机中的数据只写入了一部分，请重新写入后再使用。"},
    {TextId::WriteCancelledEarly,
     "Writing stopped before any data was sent. The radio is unchanged.",
     "写入在发送数据之前已停止，对讲机未被更改。"},
    {TextId::InfoReadCancelled, "Reading the radio information stopped.", "读取对讲机信息已停止。"},
    {TextId::RepeatLimit,
     "The radio asked for the block at 0x%1 again more than %2 times; the transfer was "
     "stopped.",
     "对讲机反复要求重发地址 0x%1 的数据块（超过 %2 次），传输已停止。"},
    {TextId::SettingsSearch, "Search for communication setting,please wait for a few minutes...",
     "正在匹配串口配置，可能需要几分钟，请等待。。。"},

    // The windows.
    {TextId::CloseButton, "&Close", "关闭(&C)"},
    {TextId::HelpButton, "&Help", "帮助(&H)"},
    {TextId::SystemInfoMissing, "此时系统信息不可用", "此时系统信息不可用"},
    {TextId::NoSerialPort,
     "No serial port was found.\nStart the demo radio so you can try reading and writing "
     "right away?",
     "没有找到串口。\n是否启动演示对讲机，以便立即试用读取和写入？"},
    {TextId::DemoFailed, "The demo radio could not be started.", "演示对讲机无法启动。"},
    {TextId::ChannelList, "Channel list", "信道列表"},
    {TextId::SectionTree, "Codeplug sections", "数据项目"},
    {TextId::Undo, "Undo", "撤销"},
    {TextId::Redo, "Redo", "重做"},
    {TextId::EditChannelStep, "Edit channel %1", "编辑信道 %1"},
    {TextId::CutChannelStep, "Cut channel %1", "剪切信道 %1"},
    {TextId::PasteChannelStep, "Paste channel %1", "粘贴信道 %1"},
    {TextId::DeleteChannelStep, "Delete channel %1", "删除信道 %1"},
    {TextId::BookFileFilter, "Communication book (*.cb);;All files (*)",
     "通信簿文件 (*.cb);;所有文件 (*)"},
    {TextId::SerialGroupAdvice,
     "The system refused to open the serial port: your user may not use serial devices.\nJoin "
     "the serial group once, and TORVIK CPS needs no administrator rights.",
     "系统拒绝打开串口：您的用户没有使用串口设备的权限。\n将用户加入 dialout 组一次即可，无需"
     "管理员身份运行本软件。"},
    {TextId::ProgressCancel, "Cancel", "取消"},
    {TextId::SystemInfoOs, "Operating system: ", "操作系统："},
    {TextId::SystemInfoKernel, "Kernel: ", "内核："},
    {TextId::SystemInfoQt, "Qt version: ", "Qt 版本："},
    {TextId::SystemInfoPorts, "Serial ports:", "串口："},
    {TextId::SystemInfoNoPorts, "  (none)", "  （无）"},
    {TextId::MenuOpenRecent, "Open &Recent", "最近打开(&R)"},
    {TextId::CellFrequencyRefused, "A frequency is a number of MHz, such as 145.50000.",
     "频率请输入以 MHz 为单位的数字，例如 145.50000。"},
    {TextId::CellNameRefused,
     "A channel name takes up to 7 letters, digits and signs, without \\ and ~.",
     "信道名称最多 7 个字符，可用字母、数字和符号，不能含 \\ 和 ~。"},

    // The safe radio sessions: menu entries, the comparison window, backups and verifying.
    {TextId::MenuCompareFile, "Co&mpare with file...", "与文件比较(&M)..."},
    {TextId::MenuCompareRadio, "&Compare with radio...", "与对讲机比较(&C)..."},
    {TextId::MenuVerify, "&Verify after writing", "写入后校验(&V)"},
    {TextId::MenuBackupFirst, "&Back up the radio before writing", "写入前备份对讲机(&B)"},
    {TextId::MenuCompareFirst, "&Show the changes before writing", "写入前显示更改(&S)"},
    {TextId::MenuBackupReads, "&Keep a backup of every read", "每次读取后保留备份(&K)"},
    {TextId::MenuTrace, "Keep a &trace of each session", "记录每次通信的跟踪日志(&T)"},
    {TextId::MenuOpenBackups, "Open &backup folder", "打开备份文件夹(&B)"},
    {TextId::MenuOpenTraces, "Open &trace folder", "打开跟踪日志文件夹(&T)"},
    {TextId::CompareTitle, "Compare", "比较"},
    {TextId::Differences, "%1 differences:", "%1 处不同："},
    {TextId::NoDifferences, "The codeplugs are the same.", "两份数据相同。"},
    {TextId::ColumnWhere, "Where", "位置"},
    {TextId::ColumnField, "Field", "项目"},
    {TextId::ColumnThis, "This codeplug", "当前数据"},
    {TextId::ColumnRadio, "Radio", "对讲机"},
    {TextId::ColumnFile, "File %1", "文件 %1"},
    {TextId::WriteButton, "&Write", "写入(&W)"},
    {TextId::Verified, "Verified: the radio holds what was written.",
     "校验通过：对讲机中的数据与写入的一致。"},
    {TextId::VerifyFailed,
     "Verify failed: %1 of the blocks written differ in the radio, in %2. Write it again.",
     "校验失败：写入的数据块中有 %1 个与对讲机中的不同，位于 %2。请重新写入。"},
    {TextId::BackupSaved, "Backup saved as %1", "备份已保存为 %1"},
    {TextId::BackupFailed, "The backup could not be saved: %1", "无法保存备份：%1"},
    {TextId::NothingWritten, "Nothing was written to the radio.", "没有向对讲机写入任何数据。"},

    // Printing.
    {TextId::PrintSelectAll, "Select &All", "选择所有(&A)"},
    {TextId::PrintClearAll, "&Clear All", "清除所有(&C)"},
    {TextId::PrintSetup, "&Set", "设置(&S)"},
    {TextId::PrintOk, "&OK", "确定(&O)"},
    {TextId::PrintCancel, "&Cancel", "取消(&C)"},
    {TextId::PrintPreview, "Pre&view", "预览(&V)"},
    {TextId::MenuPrintPreview, "Print Pre&view...", "打印预览(&V)..."},
    {TextId::MenuExportPdf, "&Export PDF...", "导出PDF(&E)..."},
    {TextId::PrintTitle, "TORVIK Radio Programming Information", "TORVIK 对讲机编程信息"},
    {TextId::PrintModelType, "Model Type", "机型类型"},
    {TextId::PrintFrequency, "Frequency", "频率"},
    {TextId::PrintFileName, "File Name", "文件名"},
    {TextId::PrintOff, "OFF", "关"},
    {TextId::PrintOn, "ON", "开"},
    {TextId::PrintNothingSelected, "Please select printing items.", "请选择打印项目。"},
    {TextId::PdfFilter, "PDF files (*.pdf)", "PDF文件 (*.pdf)"},
    {TextId::PdfFailed, "The PDF file could not be written.", "无法写入PDF文件。"},
    {TextId::PrintItemChannels, "Channel Infomation", "信道信息"},
    {TextId::PrintItemVhfChannels, "VHF Channel Infomation", "VHF信道信息"},
    {TextId::PrintItemRadioChannels, "Radio Channel Infomation", "Radio信道信息"},
    {TextId::PrintItemOptions, "Option", "功能设定"},
    {TextId::PrintItemDtmf, "DTMF", "DTMF"},
    {TextId::PrintItemTwoTone, "2Tone", "2Tone"},
    {TextId::PrintItemFiveTone, "5Tone", "5Tone"},
    {TextId::PrintItemCommBook, "Communication Book", "通信簿"},
    {TextId::PrintItemMessage, "Embedded Message", "嵌入信息"},

    // Channels and codeplugs from and to other programs' files.
    {TextId::CsvFilter, "CSV file (*.csv);;All files (*)", "CSV 文件 (*.csv);;所有文件 (*)"},
    {TextId::JsonFilter, "JSON file (*.json);;All files (*)", "JSON 文件 (*.json);;所有文件 (*)"},
    {TextId::CannotRead, "Cannot read %1.", "无法读取文件 %1。"},
    {TextId::CannotWrite, "Cannot write %1.", "无法写入文件 %1。"},
    {TextId::NothingTaken, "The file holds no channel the radio can take; nothing was changed.",
     "文件中没有可用的信道，数据未改变。"},
    {TextId::ReplaceChannels, "Replace the memory channels with the %1 channels of the file?",
     "用文件中的 %1 个信道替换全部存储信道？"},
    {TextId::RowsRefused, "Rows not taken:", "未采用的行："},
    {TextId::RowsChanged, "Rows taken with a change:", "已调整的行："},
    {TextId::MoreRows, "... and %1 more", "……另有 %1 行"},
    {TextId::LineReason, "line %1: %2", "第 %1 行：%2"},
    {TextId::ImportChannelsStep, "Import channels", "导入信道"},
    {TextId::CodeplugRefused, "The file cannot be imported: %1 %2.", "文件无法导入：%1 %2"},
    {TextId::OtherBand,
     "The file is for band %1, the codeplug for band %2. Choose that band first.",
     "文件的频段 (%1) 与当前频段 (%2) 不同，请先选择该频段。"},
    {TextId::ReplaceCodeplug, "Replace every channel and setting with the file's?",
     "用文件中的数据替换全部信道和设置？"},
    {TextId::ImportCodeplugStep, "Import codeplug", "导入数据"},

    // The embedded information window and its page of the report.
    {TextId::RadioInfoWindow, "Embedded Message", "嵌入信息"},
    {TextId::RadioInfoAreaCode, "Area Code", "销售区号"},
    {TextId::RadioInfoRadioType, "Radio Type", "机型"},
    {TextId::RadioInfoBand, "Frequency", "频段"},
    {TextId::RadioInfoSerialNumber, "Serial Number", "序列号"},
    {TextId::RadioInfoProductionDate, "Producted Date", "出厂日期"},
    {TextId::RadioInfoMaintenanceDate, "Maintained Date", "维修日期"},
    {TextId::RadioInfoMaintenanceReason, "Maintained Description", "维修原因"},
    {TextId::RadioInfoVersion, "Version", "固件版本"},
    {TextId::RadioInfoProductionBatch, "Manufacture Code", "生产批号"},
    {TextId::RadioInfoCustomerCode, "User Code", "客户代码"},
    {TextId::RadioInfoDealerFrame, "Dealer Information", "经销商信息"},
    {TextId::RadioInfoDealerCode, "Dealer Code", "经销商代码"},
    {TextId::RadioInfoStockDate, "Stock Date", "入库时间"},
    {TextId::RadioInfoSellDate, "Sell Date", "销售时间"},
    {TextId::RadioInfoSeller, "Seller", "经手人"},

    // The factory test data window.
    {TextId::TestDataCaption, "Test Data", "测试数据"},
    {TextId::TestDataLoad, "&Load", "加载(&L)"},
    {TextId::TestDataSave, "&Save", "保存(&S)"},
    {TextId::TestDataFile, "Test Data File", "测试数据文件"},
    {TextId::TestDataFrequencyAdjust, "Frequency Adjust", "频率调整"},
    {TextId::TestDataHigherPower, "Higher Power", "大高功率"},
    {TextId::TestDataHighPower, "High Power", "小高功率"},
    {TextId::TestDataMiddlePower, "Middle Power", "中功率"},
    {TextId::TestDataLowPower, "Low Power", "低功率"},
    {TextId::TestDataDeviation25k, "Offset frequency of 25K", "25K频偏"},
    {TextId::TestDataDeviation20k, "Offset frequency of 20K", "20K频偏"},
    {TextId::TestDataDeviation12k5, "Offset frequency of 12.5K", "12.5K频偏"},
    {TextId::TestDataMicSensitivity, "Microphone Sensitivity", "麦克风灵敏度"},
    {TextId::TestDataCtcss25k, "CTCSS of 25K", "25K CTCSS"},
    {TextId::TestDataCtcss20k, "CTCSS of 20K", "20K CTCSS"},
    {TextId::TestDataCtcss12k5, "CTCSS of 12.5K", "12.5K CTCSS"},
    {TextId::MenuFleet, "&Fleet programming...", "批量写频(&F)..."},
    {TextId::FleetTitle, "Fleet programming", "批量写频"},
    {TextId::FleetRoster, "Roster: one row per radio", "名单：每台对讲机一行"},
    {TextId::FleetLoadRoster, "&Load roster...", "载入名单(&L)..."},
    {TextId::FleetRosterFile, "Roster", "名单"},
    {TextId::FleetUnits, "Units", "台数"},
    {TextId::FleetCounting, "Counting columns", "递增列"},
    {TextId::FleetGenerate, "&Generate", "生成(&G)"},
    {TextId::FleetPorts, "Ports", "端口"},
    {TextId::FleetNoPorts, "No serial port is present.", "没有可用的串口。"},
    {TextId::FleetVerify, "&Verify after writing", "写入后校验(&V)"},
    {TextId::FleetBackUp, "&Back up each radio before writing", "写入前备份每台对讲机(&B)"},
    {TextId::FleetStart, "&Start", "开始(&S)"},
    {TextId::FleetStop, "S&top", "停止(&T)"},
    {TextId::FleetOpenLog, "&Open log", "打开日志(&O)"},
    {TextId::FleetLogPath, "Log: %1", "日志：%1"},
    {TextId::FleetColumnPort, "Port", "端口"},
    {TextId::FleetColumnUnit, "Unit", "编号"},
    {TextId::FleetColumnSerial, "Serial number", "序列号"},
    {TextId::FleetColumnStep, "Step", "步骤"},
    {TextId::FleetColumnProgress, "Progress", "进度"},
    {TextId::FleetColumnSeconds, "Seconds", "秒"},
    {TextId::FleetWaiting, "waiting for a radio", "等待对讲机"},
    {TextId::FleetIdentifying, "identifying", "识别中"},
    {TextId::FleetBackingUp, "backing up", "备份中"},
    {TextId::FleetWriting, "writing", "写入中"},
    {TextId::FleetVerifying, "verifying", "校验中"},
    {TextId::FleetDone, "done", "完成"},
    {TextId::FleetFailed, "failed", "失败"},
    {TextId::FleetStopped, "stopped", "已停止"},
    {TextId::FleetRefused, "The roster is refused; no radio was touched:\n%1",
     "名单有误，未对任何对讲机操作：\n%1"},
    {TextId::FleetSaveFirst,
     "Save the codeplug to a file first: the log names the template by its file.",
     "请先将数据保存为文件：日志以文件标识模板。"},
    {TextId::FleetChoosePorts, "Choose at least one port.", "请至少选择一个端口。"},
    {TextId::FleetCountingRefused, "'%1' is not COLUMN=START or COLUMN=START+STEP.",
     "“%1”不是 列=起始值 或 列=起始值+步长。"},
    {TextId::FleetSummary, "%1 of %2 units done, %3 failed.", "%2 台中已完成 %1 台，失败 %3 台。"},
    {TextId::SheetNotAnEntry, "not one of this column's entries", "不是该列的可选值"},
    {TextId::SheetFixedColumn, "this column takes no pasted values", "该列不接受粘贴的值"},
    {TextId::SheetNoChannel, "the row has no channel: give its receive frequency first",
     "该行没有信道：请先给出接收频率"},
    {TextId::SheetPastLastRow, "past the last row of the list", "超出信道表的最后一行"},
    {TextId::SheetNoColumn, "there is no column here", "此处没有对应的列"},
    {TextId::SheetNotMemoryRow, "only memory channels 0..199 take channel rows",
     "只有存储信道 0..199 可以粘贴整行"},
    {TextId::SheetTableFull, "the channel table is full", "信道表已满"},
    {TextId::PasteRefusedQuestion,
     "%1 pasted values were not taken:\n\n%2\nApply the rest of the paste, or nothing?",
     "有 %1 个粘贴的值未被接受：\n\n%2\n应用其余的粘贴内容，还是全部不应用？"},
    {TextId::PasteRefusedCell, "Row %1, %2: \"%3\": %4", "第 %1 行，%2：“%3”：%4"},
    {TextId::PasteRefusedRow, "Row %1: %2", "第 %1 行：%2"},
    {TextId::PasteApplyRest, "Apply the &rest", "应用其余的(&R)"},
    {TextId::PasteApplyNothing, "Apply &nothing", "全部不应用(&N)"},
    {TextId::PasteOverflow,
     "%1 copied channels did not fit below the current row and were not pasted.",
     "有 %1 个复制的信道超出当前行以下的范围，未粘贴。"},
    {TextId::CutChannelsStep, "Cut %1 channels", "剪切 %1 个信道"},
    {TextId::PasteChannelsStep, "Paste into %1 channels", "粘贴到 %1 个信道"},
    {TextId::DeleteChannelsStep, "Delete %1 channels", "删除 %1 个信道"},
    {TextId::InsertChannelStep, "Insert channel %1", "插入信道 %1"},
    {TextId::DeleteRowsStep, "Delete %1 rows", "删除 %1 行"},
    {TextId::MoveRowsStep, "Move %1 rows", "移动 %1 行"},
    {TextId::SortRowsStep, "Sort %1 rows", "排序 %1 行"},
    {TextId::MenuInsertChannel, "&Insert channel", "插入信道(&I)"},
    {TextId::MenuDeleteRows, "Delete and close &gap", "删除并合并空行(&G)"},
    {TextId::MenuMoveUp, "Move &up", "上移(&U)"},
    {TextId::MenuMoveDown, "Move do&wn", "下移(&W)"},
    {TextId::MenuSort, "&Sort...", "排序(&S)..."},
    {TextId::MenuNewWindow, "New &Window", "新建窗口(&W)"},
    {TextId::InsertRefused, "Channel 199 holds data: delete or move it first, then insert.",
     "信道 199 已有数据：请先删除或移动它，再插入。"},
    {TextId::ReorderNotMemory,
     "Only memory channels 0..199 move; PA, PB and VFO stay where they are.",
     "只能移动存储信道 0..199；PA、PB 和 VFO 位置不变。"},
    {TextId::SortTitle, "Sort channels", "信道排序"},
    {TextId::SortColumn, "Sort &by:", "排序依据(&B)："},
    {TextId::SortDescending, "&Descending", "降序(&D)"},
    {TextId::MenuFill, "F&ill...", "填充(&I)..."},
    {TextId::MenuFind, "&Find...", "查找(&F)..."},
    {TextId::MenuReplace, "&Replace...", "替换(&R)..."},
    {TextId::FillTitle, "Fill", "填充"},
    {TextId::FillColumn, "&Column:", "列(&C)："},
    {TextId::FillStart, "&Start frequency (MHz):", "起始频率 (MHz)(&S)："},
    {TextId::FillStep, "S&tep (kHz):", "步长 (kHz)(&T)："},
    {TextId::FillPattern, "&Name pattern:", "名称模式(&N)："},
    {TextId::FillPatternHint, "{n} is the counter; {n:02} writes it with two digits.",
     "{n} 为计数；{n:02} 以两位数字写出计数。"},
    {TextId::FillCounterStart, "Counting &from:", "计数起始(&F)："},
    {TextId::FillValue, "&Value:", "值(&V)："},
    {TextId::FillPreview, "&Preview:", "预览(&P)："},
    {TextId::FillPreviewChannel, "Channel", "信道"},
    {TextId::FillPreviewBefore, "Before", "之前"},
    {TextId::FillPreviewAfter, "After", "之后"},
    {TextId::FillPreviewNote, "Note", "说明"},
    {TextId::FillRefused, "refused: %1", "被拒绝：%1"},
    {TextId::FillRxOutsideBand, "outside the band of this radio (%1 to %2 MHz)",
     "超出本机频段（%1 至 %2 MHz）"},
    {TextId::FillTxOutsideBand,
     "the transmit frequency, keeping the channel's shift, would be outside the band of this "
     "radio (%1 to %2 MHz)",
     "保持信道频差后的发射频率将超出本机频段（%1 至 %2 MHz）"},
    {TextId::FillNameCut, "name cut to 7 characters", "名称截为 7 个字符"},
    {TextId::FillNoChannel, "no channel here: left as it is", "此处无信道：保持不变"},
    {TextId::FillSummary, "%1 of %2 selected rows are filled; %3 refused.",
     "所选 %2 行中 %1 行将被填充；%3 行被拒绝。"},
    {TextId::FillColumnRefused, "This column cannot be filled.", "此列不能填充。"},
    {TextId::FillStartRefused, "The start frequency is not a number.", "起始频率不是数字。"},
    {TextId::FillStepRefused, "The step is not a number.", "步长不是数字。"},
    {TextId::FillStepName, "Fill %1 channels", "填充 %1 个信道"},
    {TextId::FindTitle, "Find", "查找"},
    {TextId::ReplaceTitle, "Find and Replace", "查找和替换"},
    {TextId::FindWhat, "&Find:", "查找内容(&F)："},
    {TextId::ReplaceWith, "Re&place with:", "替换为(&P)："},
    {TextId::FindColumn, "&In:", "范围(&I)："},
    {TextId::FindEveryColumn, "All columns", "所有列"},
    {TextId::FindRegex, "Regular e&xpression", "正则表达式(&X)"},
    {TextId::FindWhole, "Match the &whole text", "匹配全部文字(&W)"},
    {TextId::FindMatchCase, "Match ca&se", "区分大小写(&S)"},
    {TextId::FindNext, "Find &Next", "查找下一个(&N)"},
    {TextId::FindReplace, "&Replace", "替换(&R)"},
    {TextId::FindReplaceAll, "Replace &All", "全部替换(&A)"},
    {TextId::FindResults, "Results:", "结果："},
    {TextId::FindNotFound, "\"%1\" was not found.", "未找到“%1”。"},
    {TextId::FindWrapped, "Passed the end of the list and went on from the top.",
     "已过列表末尾，从头继续查找。"},
    {TextId::FindRegexRefused, "The regular expression is not valid: %1", "正则表达式无效：%1"},
    {TextId::ReplaceSummary, "%1 names replaced.", "已替换 %1 个名称。"},
    {TextId::ReplaceCut, "Channel %1: \"%2\" cut to \"%3\" (7 characters).",
     "信道 %1：“%2”截为“%3”（7 个字符）。"},
    {TextId::ReplaceRefused, "Channel %1: \"%2\" refused: %3", "信道 %1：“%2”被拒绝：%3"},
    {TextId::ReplaceStepName, "Replace %1 names", "替换 %1 个名称"},

    // Editing several channels at once.
    {TextId::MixedValues, "(mixed)", "（多个值）"},
    {TextId::BulkEditSubject, "%1 channels", "%1 个信道"},
    {TextId::BulkEditHint,
     "Only the fields you change are stored, in every selected channel. A field shown as "
     "(mixed) differs between the channels and stays as each has it unless you change it. "
     "Frequencies are not edited here.",
     "只保存您更改的项目，并应用到每个所选信道。显示为（多个值）的项目在各信道中不同，"
     "除非您更改它，否则各信道保持原值。此处不编辑频率。"},
    {TextId::BulkEditStep, "Edit %1 channels", "编辑 %1 个信道"},
    {TextId::BulkRefusedHeading,
     "Some channels do not offer a value you chose (each channel's other settings decide what "
     "it offers):",
     "部分信道不提供您选择的值（各信道可选的值取决于其其他设置）："},
    {TextId::BulkRefusedField, "%1: channels %2", "%1：信道 %2"},
    {TextId::BulkStoreInOthers,
     "Store the changes only in the channels that take them (%1 of %2)? Channels %3 stay as "
     "they are. Cancel goes back to the editor.",
     "是否只将更改保存到能接受的信道（%2 个中的 %1 个）？信道 %3 保持不变。"
     "选择“取消”返回编辑。"},
    {TextId::BulkNoChannelTakes,
     "None of the selected channels takes every change; nothing was stored.",
     "没有任何所选信道能接受全部更改，未保存任何内容。"},
};

static_assert(std::size(kTexts) == kBuiltInTextCount, "every text id needs its row");

constexpr bool RowsFollowIds() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
    }
    return true;
}
static_assert(RowsFollowIds(), "the rows must follow the order of TextId");

constexpr bool EveryRowHasBothTexts() {
    for (const BilingualText& text : kTexts) {
        if (text.english.empty() || text.chinese.empty()) return false;
    }
    return true;
}
static_assert(EveryRowHasBothTexts(), "every text needs its English and its Chinese");

}  // namespace

std::string_view BuiltInText(TextId id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= std::size(kTexts)) return {};
    const BilingualText& text = kTexts[index];
    return language == Language::Chinese ? text.chinese : text.english;
}

std::string_view TransferTitle(TransferDirection direction, Language language) {
    return BuiltInText(
        direction == TransferDirection::Read ? TextId::ReadTitle : TextId::WriteTitle, language);
}

}  // namespace torvik
