// The embedded information as the information window shows it: the radio's GBK bytes as
// UTF-8 text (bytes that are not GBK show as "?"), and the band list position. The window's
// captions are the RadioInfo texts of the program's bilingual table (platform/built_in_texts.h).
#pragma once

#include <string>
#include <string_view>

#include "codeplug/fixed_text.h"
#include "functions/radioinfo/radio_info.h"

namespace torvik {

// Radio text bytes, cut at the first NUL with trailing blanks dropped, as UTF-8.
std::string RadioTextForDisplay(std::string_view bytes);

template <std::size_t N>
std::string RadioTextForDisplay(const FixedText<N>& field) {
    return RadioTextForDisplay(field.raw());
}

// The band list position a band byte shows: high nibble x 8 + low nibble, or the first
// position when the band list has no such entry.
int RadioInfoBandPosition(int bandByte);

// Every shown field, ready for the window's read-only boxes.
struct RadioInfoDisplay {
    std::string areaCode;
    int bandPosition = 0;
    std::string serialNumber;
    std::string productionDate;
    std::string maintenanceDate;
    std::string maintenanceReason;
    std::string versionText;
    std::string productionBatch;
    std::string customerCode;
    std::string dealerCode;
    std::string stockDate;
    std::string sellDate;
    std::string seller;
};

RadioInfoDisplay DisplayRadioInfo(const RadioInfo& info);

}  // namespace torvik
