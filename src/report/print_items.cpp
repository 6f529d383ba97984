#include "report/print_items.h"

#include <algorithm>
#include <utility>

#include "aggregate/area_keys.h"

namespace torvik {
namespace {

// The captions of the items before the emergency alarm, by item number.
static_assert(static_cast<int>(PrintItem::EmergencyAlarm) == kPrintItems - 1);
constexpr std::array<TextId, kPrintItems - 1> kItemCaptions{
    TextId::PrintItemChannels, TextId::PrintItemVhfChannels, TextId::PrintItemRadioChannels,
    TextId::PrintItemOptions,  TextId::PrintItemDtmf,        TextId::PrintItemTwoTone,
    TextId::PrintItemFiveTone, TextId::PrintItemCommBook,    TextId::PrintItemMessage,
};

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

}  // namespace

bool IsShownPrintItem(PrintItem item) {
    return item != PrintItem::VhfChannels && item != PrintItem::RadioChannels;
}

bool AnyPrintItem(const PrintFlags& flags) {
    return std::any_of(flags.begin(), flags.end(), [](bool ticked) { return ticked; });
}

std::string PrintItemCaption(PrintItem item, const LanguageTexts& texts) {
    if (item == PrintItem::EmergencyAlarm) return texts.langText(kKeyAreaEmergency);
    return std::string(
        BuiltInText(kItemCaptions[static_cast<std::size_t>(item)], texts.language()));
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

}  // namespace torvik
