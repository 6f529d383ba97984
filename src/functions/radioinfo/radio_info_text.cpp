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

}  // namespace torvik
