#include "platform/message_table.h"

#include <array>

namespace torvik {
namespace {

struct Entry {
    MessageId id;
    std::string_view english;
    std::string_view chinese;
};

// CR LF is the line break the radio dialogs have always used; the English texts are kept
// word for word because dealers' instructions quote them.
constexpr std::array kMessageTable{
    Entry{MessageId::ReadTitle, "Read data from radio", "从对讲机读取数据"},
    Entry{MessageId::WriteTitle, "Write data to radio", "向对讲机写入数据"},
    Entry{MessageId::Percentage, "Completion percentage:", "完成进度:"},
    Entry{MessageId::ConfirmRead, "Read data from radio.\r\nDo you wish continue?",
          "从对讲机读取数据。\r\n是否继续？"},
    Entry{MessageId::ConfirmWrite, "Write data to radio.\r\nDo you wish continue?",
          "向对讲机写入数据。\r\n是否继续？"},
    Entry{MessageId::ModelWrong, "Model type is wrong. Overwrite?", "机型类型错误。"},
    Entry{MessageId::RadioKilled, "Radio is killed,can't be written!", "对讲机被遥毙，不能写入！"},
    Entry{MessageId::RadioFainted, "Radio is fainted,can't be written!",
          "对讲机被遥晕，不能写入！"},
    Entry{MessageId::VersionWrong, "Version is wrong. Overwrite?", "版本错误。"},
    Entry{MessageId::BandWrong, "Frequencys is wrong!", "频段类型错误！"},
    Entry{MessageId::ClearAll, "All data will be cleared.", "所有数据将被清空。"},
    Entry{MessageId::FileError, "file error.", "文件错误。"},
    Entry{MessageId::Overwrite, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
    Entry{MessageId::SaveChanges, "File has been modify,save it now?",
          "当前文件已被修改，是否现在保存？"},
    Entry{MessageId::DataFile, "Data File", "数据文件"},
    Entry{MessageId::FreqCleared, "Frequency data will be cleared.", "频率数据将被清除。"},
    Entry{MessageId::Warning, "Warning", "警告"},
    Entry{MessageId::ChannelFileIncomplete,
          "The channel file is missing or incomplete; only the channels it holds were loaded.",
          "信道文件缺失或不完整，只载入了其中已有的信道。"},
    Entry{MessageId::NotABookFile,
          "This is not a communication book file (1792 bytes of call IDs and names). The book "
          "was not changed.",
          "该文件不是通信簿文件（1792 字节的呼叫 ID 与名称）。通信簿未被更改。"},
};

constexpr bool TableIsInEnumOrder() {
    for (std::size_t i = 0; i < kMessageTable.size(); ++i) {
        if (static_cast<std::size_t>(kMessageTable[i].id) != i) return false;
    }
    return true;
}
static_assert(TableIsInEnumOrder(), "message table rows must follow MessageId order");

}  // namespace

std::string_view MessageText(MessageId id, Language language) {
    const Entry& entry = kMessageTable.at(static_cast<std::size_t>(id));
    return language == Language::Chinese ? entry.chinese : entry.english;
}

std::string_view TransferTitle(TransferDirection direction, Language language) {
    return MessageText(
        direction == TransferDirection::Read ? MessageId::ReadTitle : MessageId::WriteTitle,
        language);
}

}  // namespace torvik
