#include "ui/ui_text.h"

namespace torvik {

QString UiTextQ(UiText id, Language language) {
    const bool zh = language == Language::Chinese;
    switch (id) {
        case UiText::CloseButton:
            return zh ? QStringLiteral("关闭(&C)") : QStringLiteral("&Close");
        case UiText::HelpButton:
            return zh ? QStringLiteral("帮助(&H)") : QStringLiteral("&Help");
        case UiText::SystemInfoMissing:
            return QStringLiteral("此时系统信息不可用");
        case UiText::NoSerialPort:
            return zh ? QStringLiteral(
                            "没有找到串口。\n是否启动演示对讲机，以便立即试用读取和写入？")
                      : QStringLiteral(
                            "No serial port was found.\nStart the demo radio so you "
                            "can try reading and writing right away?");
        case UiText::DemoFailed:
            return zh ? QStringLiteral("演示对讲机无法启动。")
                      : QStringLiteral("The demo radio could not be started.");
        case UiText::ChannelList:
            return zh ? QStringLiteral("信道列表") : QStringLiteral("Channel list");
        case UiText::SectionTree:
            return zh ? QStringLiteral("数据项目") : QStringLiteral("Codeplug sections");
        case UiText::Undo:
            return zh ? QStringLiteral("撤销") : QStringLiteral("Undo");
        case UiText::Redo:
            return zh ? QStringLiteral("重做") : QStringLiteral("Redo");
        case UiText::EditChannelStep:
            return zh ? QStringLiteral("编辑信道 %1") : QStringLiteral("Edit channel %1");
        case UiText::CutChannelStep:
            return zh ? QStringLiteral("剪切信道 %1") : QStringLiteral("Cut channel %1");
        case UiText::PasteChannelStep:
            return zh ? QStringLiteral("粘贴信道 %1") : QStringLiteral("Paste channel %1");
        case UiText::DeleteChannelStep:
            return zh ? QStringLiteral("删除信道 %1") : QStringLiteral("Delete channel %1");
        case UiText::BookFileFilter:
            return zh ? QStringLiteral("通信簿文件 (*.cb);;所有文件 (*)")
                      : QStringLiteral("Communication book (*.cb);;All files (*)");
        case UiText::SerialGroupAdvice:
            return zh ? QStringLiteral(
                            "系统拒绝打开串口：您的用户没有使用串口设备的权限。\n"
                            "将用户加入 dialout 组一次即可，无需管理员身份运行本软件。")
                      : QStringLiteral(
                            "The system refused to open the serial port: your user "
                            "may not use serial devices.\nJoin the serial group once, "
                            "and TORVIK CPS needs no administrator rights.");
    }
    return {};
}

}  // namespace torvik
