#include "report/print_items.h"

#include <algorithm>
#include <utility>

#include "aggregate/area_keys.h"

namespace torvik {
namespace {

struct Bilingual {
    std::string_view english;
    std::string_view chinese;
};

constexpr std::array<Bilingual, kPrintItems> kItemCaptions{{
    {"Channel Infomation", "信道信息"},
    {"VHF Channel Infomation", "VHF信道信息"},
    {"Radio Channel Infomation", "Radio信道信息"},
    {"Option", "功能设定"},
    {"DTMF", "DTMF"},
    {"2Tone", "2Tone"},
    {"5Tone", "5Tone"},
    {"Communication Book", "通信簿"},
    {"Embedded Message", "嵌入信息"},
    {"", ""},
}};

constexpr std::array<std::pair<PrintItem, std::string_view>, kPrintedItems.size()> kSectionNames{{
    {PrintItem::Channels, "channels"},
    {PrintItem::Options, "options"},
    {PrintItem::Dtmf, "dtmf"},
    {PrintItem::TwoTone, "2tone"},
    {PrintItem::FiveTone, "5tone"},
    {PrintItem::CommBook, "book"},
    {PrintItem::EmbeddedMessage, "message"},
    {PrintItem::EmergencyAlarm, "alarm"},
}};

constexpr Bilingual kTexts[] = {
    {"Select &All", "选择所有(&A)"},
    {"&Clear All", "清除所有(&C)"},
    {"&Set", "设置(&S)"},
    {"&OK", "确定(&O)"},
    {"&Cancel", "取消(&C)"},
    {"Pre&view", "预览(&V)"},
    {"Print Pre&view...", "打印预览(&V)..."},
    {"&Export PDF...", "导出PDF(&E)..."},
    {"TORVIK Radio Programming Information", "TORVIK 对讲机编程信息"},
    {"Model Type", "机型类型"},
    {"Frequency", "频率"},
    {"File Name", "文件名"},
    {"OFF", "关"},
    {"ON", "开"},
    {"Please select printing items.", "请选择打印项目。"},
    {"PDF files (*.pdf)", "PDF文件 (*.pdf)"},
    {"The PDF file could not be written.", "无法写入PDF文件。"},
};

}  // namespace

bool IsShownPrintItem(PrintItem item) {
    return item != PrintItem::VhfChannels && item != PrintItem::RadioChannels;
}

bool AnyPrintItem(const PrintFlags& flags) {
    return std::any_of(flags.begin(), flags.end(), [](bool ticked) { return ticked; });
}

std::string PrintItemCaption(PrintItem item, const LanguageTexts& texts) {
    if (item == PrintItem::EmergencyAlarm) return texts.langText(kKeyAreaEmergency);
    const Bilingual& caption = kItemCaptions[static_cast<std::size_t>(item)];
    return std::string(texts.language() == Language::Chinese ? caption.chinese : caption.english);
}

std::string_view PrintSectionName(PrintItem item) {
    for (const auto& [named, name] : kSectionNames) {
        if (named == item) return name;
    }
    return {};
}

std::optional<PrintItem> PrintSectionFromName(std::string_view name) {
    for (const auto& [item, itemName] : kSectionNames) {
        if (itemName == name) return item;
    }
    return std::nullopt;
}

std::string_view PrintTextOf(PrintText text, Language language) {
    const Bilingual& pair = kTexts[static_cast<std::size_t>(text)];
    return language == Language::Chinese ? pair.chinese : pair.english;
}

}  // namespace torvik
