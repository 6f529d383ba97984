#include "report/compose_report.h"

#include <algorithm>

#include "codeplug/identity.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

PageHeaderTexts HeaderTexts(const ReportSource& source, const ReportWords& words) {
    const Codeplug& c = source.codeplug;
    return {words.print(TextId::PrintTitle),     source.dateTime,
            words.print(TextId::PrintModelType), ProductName(c.identity),
            words.print(TextId::PrintFrequency), c.band.text(),
            words.print(TextId::PrintFileName),  c.file.CurrentFile.string()};
}

}  // namespace

double FittingLineFactor(double heightPoints, double natural) {
    const double fitting = (kOverflowY - kTopMargin) * heightPoints / FullChannelPageExtent();
    return std::min(natural, fitting);
}

Report ComposeReport(const ReportSource& source, const PrintFlags& flags,
                     const ReportGeometry& geometry) {
    ReportWords words(source.texts);
    ReportBuilder builder(HeaderTexts(source, words), geometry);
    SectionPrinter printer{builder, source.codeplug, words};
    using Section = void (*)(SectionPrinter&);
    const std::pair<PrintItem, Section> sections[] = {
        {PrintItem::Channels, PrintChannelSection},
        {PrintItem::Options, PrintOptionSection},
        {PrintItem::Dtmf, PrintDtmfSection},
        {PrintItem::TwoTone, PrintTwoToneSection},
        {PrintItem::FiveTone, PrintFiveToneSection},
        {PrintItem::CommBook, PrintCommBookSection},
        {PrintItem::EmbeddedMessage, PrintEmbeddedMessageSection},
        {PrintItem::EmergencyAlarm, PrintEmergencySection},
    };
    for (const auto& [item, print] : sections) {
        if (flags[static_cast<std::size_t>(item)]) print(printer);
    }
    return builder.finish();
}

}  // namespace torvik
