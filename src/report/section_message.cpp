// The embedded-message section: the information window's captions and boxes.
#include "codeplug/band.h"
#include "codeplug/identity.h"
#include "functions/radioinfo/radio_info_text.h"
#include "platform/built_in_texts.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

constexpr double kLabelX = 0.10;
constexpr double kValueX = 0.35;

}  // namespace

void PrintEmbeddedMessageSection(SectionPrinter& p) {
    const Language language = p.words.language();
    const RadioInfoDisplay info = DisplayRadioInfo(p.codeplug.radioInfo);
    auto row = [&](TextId caption, const std::string& value) {
        p.out.pair({{kLabelX, std::string(BuiltInText(caption, language))}, {kValueX, value}});
    };
    p.out.beginPage();
    p.out.heading(PrintItemCaption(PrintItem::EmbeddedMessage, p.words.texts()));
    row(TextId::RadioInfoAreaCode, info.areaCode);
    row(TextId::RadioInfoProductionBatch, info.productionBatch);
    row(TextId::RadioInfoCustomerCode, info.customerCode);
    row(TextId::RadioInfoRadioType, ProductName(p.codeplug.identity));
    row(TextId::RadioInfoBand,
        std::string(BandTextFromCode(BandCodeFromListIndex(info.bandPosition))));
    row(TextId::RadioInfoSerialNumber, info.serialNumber);
    row(TextId::RadioInfoProductionDate, info.productionDate);
    row(TextId::RadioInfoMaintenanceDate, info.maintenanceDate);
    row(TextId::RadioInfoVersion, info.versionText);
    row(TextId::RadioInfoMaintenanceReason, info.maintenanceReason);
    row(TextId::RadioInfoDealerCode, info.dealerCode);
    row(TextId::RadioInfoStockDate, info.stockDate);
    row(TextId::RadioInfoSellDate, info.sellDate);
    row(TextId::RadioInfoSeller, info.seller);
    p.out.endPage();
}

}  // namespace torvik
