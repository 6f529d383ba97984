// The print items: the ten boxes of the print dialog (two never shown), the order their
// sections print in, their captions and the names the command line gives them. The fixed
// bilingual texts of printing are in the program's table (platform/built_in_texts.h).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/language_texts.h"
#include "platform/built_in_texts.h"
#include "platform/language.h"

namespace torvik {

enum class PrintItem {
    Channels = 0,
    VhfChannels = 1,    // never shown, prints nothing
    RadioChannels = 2,  // never shown, prints nothing
    Options = 3,
    Dtmf = 4,
    TwoTone = 5,
    FiveTone = 6,
    CommBook = 7,
    EmbeddedMessage = 8,
    EmergencyAlarm = 9,
};

inline constexpr int kPrintItems = 10;

// The tick of every item, by item number.
using PrintFlags = std::array<bool, kPrintItems>;

// The items that print a section, in the order the sections print.
inline constexpr std::array kPrintedItems{
    PrintItem::Channels,        PrintItem::Options,       PrintItem::Dtmf,
    PrintItem::TwoTone,         PrintItem::FiveTone,      PrintItem::CommBook,
    PrintItem::EmbeddedMessage, PrintItem::EmergencyAlarm};

bool IsShownPrintItem(PrintItem item);

// True when some item is ticked (the hidden ones count, though they print nothing).
bool AnyPrintItem(const PrintFlags& flags);

// The caption of an item's box (item 9 from the language file).
std::string PrintItemCaption(PrintItem item, const LanguageTexts& texts);

// The command-line name of a printed item ("channels", "2tone", ...), and back.
std::string_view PrintSectionName(PrintItem item);
std::optional<PrintItem> PrintSectionFromName(std::string_view name);

}  // namespace torvik
