// The embedded-message section: the information window's captions and boxes.
#include "codeplug/band.h"
#include "codeplug/identity.h"
#include "functions/radioinfo/radio_info_text.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

constexpr double kLabelX = 0.10;
constexpr double kValueX = 0.35;

}  // namespace

void PrintEmbeddedMessageSection(SectionPrinter& p) {
    const Language language = p.words.language();
    const RadioInfoDisplay info = DisplayRadioInfo(p.codeplug.radioInfo);
    auto row = [&](RadioInfoCaption caption, const std::string& value) {
        p.out.pair(
            {{kLabelX, std::string(RadioInfoCaptionText(caption, language))}, {kValueX, value}});
    };
    p.out.beginPage();
    p.out.heading(PrintItemCaption(PrintItem::EmbeddedMessage, p.words.texts()));
    using C = RadioInfoCaption;
    row(C::AreaCode, info.areaCode);
    row(C::ProductionBatch, info.productionBatch);
    row(C::CustomerCode, info.customerCode);
    row(C::RadioType, ProductName(p.codeplug.identity));
    row(C::Band, std::string(BandTextFromCode(BandCodeFromListIndex(info.bandPosition))));
    row(C::SerialNumber, info.serialNumber);
    row(C::ProductionDate, info.productionDate);
    row(C::MaintenanceDate, info.maintenanceDate);
    row(C::Version, info.versionText);
    row(C::MaintenanceReason, info.maintenanceReason);
    row(C::DealerCode, info.dealerCode);
    row(C::StockDate, info.stockDate);
    row(C::SellDate, info.sellDate);
    row(C::Seller, info.seller);
    p.out.endPage();
}

}  // namespace torvik
