// One printer per report section. Each opens its pages with the page header, prints its
// heading at 5% of the width and closes its pages with their numbers.
#pragma once

#include "aggregate/codeplug.h"
#include "report/report_builder.h"
#include "report/report_source.h"

namespace torvik {

struct SectionPrinter {
    ReportBuilder& out;
    const Codeplug& codeplug;
    ReportWords& words;
};

void PrintChannelSection(SectionPrinter& p);
void PrintOptionSection(SectionPrinter& p);
void PrintDtmfSection(SectionPrinter& p);
void PrintTwoToneSection(SectionPrinter& p);
void PrintFiveToneSection(SectionPrinter& p);
void PrintCommBookSection(SectionPrinter& p);
void PrintEmbeddedMessageSection(SectionPrinter& p);
void PrintEmergencySection(SectionPrinter& p);

// The channels one page holds, and how far down the page header and a full channel page
// reach, in points per unit of line factor: the tallest page the report prints.
inline constexpr int kChannelsPerPage = 5;
double FullChannelPageExtent();

}  // namespace torvik
