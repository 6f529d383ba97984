// The report as a PDF file on A4, all or nothing: a failed export leaves no file behind (and
// an existing file as it was).
#pragma once

#include <QString>

#include "report/print_items.h"
#include "report/report_source.h"

namespace torvik {

// True when the file was written; otherwise `error` (when given) says why.
bool ExportReportPdf(const QString& path, const ReportSource& source, const PrintFlags& flags,
                     QString* error = nullptr);

}  // namespace torvik
