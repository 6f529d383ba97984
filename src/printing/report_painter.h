// Paints the report on any paged device (a printer, a PDF file, the print preview), so every
// way of printing gives the same pages.
#pragma once

#include <QPagedPaintDevice>
#include <QString>

#include "report/print_items.h"
#include "report/report_source.h"

namespace torvik {

// The date and time of the page header, in the platform's default text form.
std::string ReportDateTimeNow();

// Paints the flagged sections, one report page per device page. False when the device
// cannot be painted on or a further page cannot be started; the pages so far stay painted.
bool PaintReport(QPagedPaintDevice& device, const ReportSource& source, const PrintFlags& flags);

}  // namespace torvik
