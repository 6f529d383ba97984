#include "link/link_messages.h"

#include <cstdio>

namespace torvik {
namespace {

struct Pair {
    std::string_view english;
    std::string_view chinese;
};

Pair TextsOf(LinkMessage message) {
    switch (message) {
        case LinkMessage::ReadCancelled:
            return {"Reading stopped. Nothing was changed.", "读取已停止，未做任何更改。"};
        case LinkMessage::WriteCancelled:
            return {
                "Writing stopped. The radio now holds a partly written codeplug; write it "
                "again before using the radio.",
                "写入已停止。对讲机中的数据只写入了一部分，请重新写入后再使用。"};
        case LinkMessage::WriteCancelledEarly:
            return {"Writing stopped before any data was sent. The radio is unchanged.",
                    "写入在发送数据之前已停止，对讲机未被更改。"};
        case LinkMessage::InfoReadCancelled:
            return {"Reading the radio information stopped.", "读取对讲机信息已停止。"};
    }
    return {};
}

}  // namespace

std::string_view LinkMessageText(LinkMessage message, Language language) {
    const Pair texts = TextsOf(message);
    return language == Language::Chinese ? texts.chinese : texts.english;
}

std::string RepeatLimitText(std::uint16_t address, int limit, Language language) {
    char text[200];
    if (language == Language::Chinese) {
        std::snprintf(text, sizeof text,
                      "对讲机反复要求重发地址 0x%04X 的数据块（超过 %d 次），传输已停止。", address,
                      limit);
    } else {
        std::snprintf(text, sizeof text,
                      "The radio asked for the block at 0x%04X again more than %d times; the "
                      "transfer was stopped.",
                      address, limit);
    }
    return text;
}

}  // namespace torvik
