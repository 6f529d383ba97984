#include "functions/radioinfo/radio_info_text.h"

#include "codeplug/band.h"
#include "platform/gbk.h"

namespace torvik {

std::string RadioTextForDisplay(std::string_view bytes) {
    return GbkToUtf8Lossy(CutAtNul(bytes));
}

int RadioInfoBandPosition(int bandByte) {
    const int position = (bandByte / 16) * 8 + bandByte % 16;
    return position >= 0 && position < kBandListSize ? position : 0;
}

RadioInfoDisplay DisplayRadioInfo(const RadioInfo& info) {
    RadioInfoDisplay d;
    d.areaCode = RadioTextForDisplay(info.areaCode);
    d.bandPosition = RadioInfoBandPosition(info.bandByte);
    d.serialNumber = RadioTextForDisplay(info.serialNumber);
    d.productionDate = RadioTextForDisplay(info.productionDate);
    d.maintenanceDate = RadioTextForDisplay(info.maintenanceDate);
    d.maintenanceReason = RadioTextForDisplay(info.maintenanceReason);
    d.versionText = info.versionText;
    d.productionBatch = RadioTextForDisplay(info.productionBatch);
    d.customerCode = RadioTextForDisplay(info.customerCode);
    d.dealerCode = RadioTextForDisplay(info.dealerCode);
    d.stockDate = RadioTextForDisplay(info.stockDate);
    d.sellDate = RadioTextForDisplay(info.sellDate);
    d.seller = RadioTextForDisplay(info.seller);
    return d;
}

namespace {

struct CaptionPair {
    std::string_view english;
    std::string_view chinese;
};

// By RadioInfoCaption. The maintenance reason's caption has a second line in English only.
constexpr CaptionPair kCaptions[] = {
    {"Embedded Message", "嵌入信息"}, {"Area Code", "销售区号"},
    {"Radio Type", "机型"},           {"Frequency", "频段"},
    {"Serial Number", "序列号"},      {"Producted Date", "出厂日期"},
    {"Maintained Date", "维修日期"},  {"Maintained Description", "维修原因"},
    {"Version", "固件版本"},          {"Manufacture Code", "生产批号"},
    {"User Code", "客户代码"},        {"Dealer Information", "经销商信息"},
    {"Dealer Code", "经销商代码"},    {"Stock Date", "入库时间"},
    {"Sell Date", "销售时间"},        {"Seller", "经手人"},
};

}  // namespace

std::string_view RadioInfoCaptionText(RadioInfoCaption caption, Language language) {
    const CaptionPair& pair = kCaptions[static_cast<std::size_t>(caption)];
    return language == Language::Chinese ? pair.chinese : pair.english;
}

}  // namespace torvik
