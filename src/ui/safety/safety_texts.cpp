#include "ui/safety/safety_texts.h"

namespace torvik {

QString SafetyTextOf(SafetyText id, Language language) {
    const bool zh = language == Language::Chinese;
    auto pick = [zh](const char* en, const char* chinese) {
        return QString::fromUtf8(zh ? chinese : en);
    };
    switch (id) {
        case SafetyText::MenuCompareFile:
            return pick("Co&mpare with file...", "与文件比较(&M)...");
        case SafetyText::MenuCompareRadio:
            return pick("&Compare with radio...", "与对讲机比较(&C)...");
        case SafetyText::MenuVerify:
            return pick("&Verify after writing", "写入后校验(&V)");
        case SafetyText::MenuBackupFirst:
            return pick("&Back up the radio before writing", "写入前备份对讲机(&B)");
        case SafetyText::MenuCompareFirst:
            return pick("&Show the changes before writing", "写入前显示更改(&S)");
        case SafetyText::MenuBackupReads:
            return pick("&Keep a backup of every read", "每次读取后保留备份(&K)");
        case SafetyText::MenuTrace:
            return pick("Keep a &trace of each session", "记录每次通信的跟踪日志(&T)");
        case SafetyText::MenuOpenBackups:
            return pick("Open &backup folder", "打开备份文件夹(&B)");
        case SafetyText::MenuOpenTraces:
            return pick("Open &trace folder", "打开跟踪日志文件夹(&T)");
        case SafetyText::CompareTitle:
            return pick("Compare", "比较");
        case SafetyText::Differences:
            return pick("%1 differences:", "%1 处不同：");
        case SafetyText::NoDifferences:
            return pick("The codeplugs are the same.", "两份数据相同。");
        case SafetyText::ColumnWhere:
            return pick("Where", "位置");
        case SafetyText::ColumnField:
            return pick("Field", "项目");
        case SafetyText::ColumnThis:
            return pick("This codeplug", "当前数据");
        case SafetyText::ColumnRadio:
            return pick("Radio", "对讲机");
        case SafetyText::ColumnFile:
            return pick("File %1", "文件 %1");
        case SafetyText::WriteButton:
            return pick("&Write", "写入(&W)");
        case SafetyText::CloseButton:
            return pick("&Close", "关闭(&C)");
        case SafetyText::Verified:
            return pick("Verified: the radio holds what was written.",
                        "校验通过：对讲机中的数据与写入的一致。");
        case SafetyText::VerifyFailed:
            return pick(
                "Verify failed: %1 of the blocks written differ in the radio, in %2. "
                "Write it again.",
                "校验失败：写入的数据块中有 %1 个与对讲机中的不同，位于 %2。请重新写入。");
        case SafetyText::BackupSaved:
            return pick("Backup saved as %1", "备份已保存为 %1");
        case SafetyText::BackupFailed:
            return pick("The backup could not be saved: %1", "无法保存备份：%1");
        case SafetyText::NothingWritten:
            return pick("Nothing was written to the radio.", "没有向对讲机写入任何数据。");
    }
    return {};
}

}  // namespace torvik
