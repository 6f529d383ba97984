// The whole report: the ticked sections in their fixed order, laid out for a page of a given
// height.
#pragma once

#include "report/print_items.h"
#include "report/report_layout.h"
#include "report/report_source.h"

namespace torvik {

// The line factor for a page `heightPoints` high: `natural` (the font's own line spacing per
// point), or less when a full channel page would not fit with it.
double FittingLineFactor(double heightPoints, double natural);

// The report of the flagged sections. No printed section flagged gives no pages.
Report ComposeReport(const ReportSource& source, const PrintFlags& flags,
                     const ReportGeometry& geometry);

}  // namespace torvik
