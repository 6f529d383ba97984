#include "ui/print/print_commands.h"

#include <QAction>
#include <QPrinter>

#include "printing/pdf_export.h"
#include "printing/report_painter.h"
#include "ui/main_window.h"
#include "ui/print/print_sections_dialog.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

FileChooser& PdfChooser() {
    static FileChooser chooser;
    return chooser;
}

}  // namespace

PrintFlags AllPrintSections() {
    PrintFlags flags{};
    for (const PrintItem item : kPrintedItems) flags[static_cast<std::size_t>(item)] = true;
    return flags;
}

void PrintPreviewFromWindow(MainWindow& window) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PreviewReport(printer, window.codeplug(), window.session().texts, AllPrintSections(), &window);
}

void ExportPdfFromWindow(MainWindow& window) {
    const Language language = window.session().language;
    const QString filter = Q(BuiltInText(TextId::PdfFilter, language));
    std::filesystem::path current = window.codeplug().file.CurrentFile;
    current.replace_extension(".pdf");
    const std::optional<std::filesystem::path> chosen =
        PdfChooser() ? PdfChooser()(filter, current)
                     : ChooseFileToSave(&window, filter, current, QStringLiteral("pdf"));
    if (!chosen) return;
    const ReportSource source{window.codeplug(), window.session().texts, ReportDateTimeNow()};
    QString error;
    if (!ExportReportPdf(QString::fromStdString(chosen->string()), source, AllPrintSections(),
                         &error)) {
        window.reporter().showDetailed(Severity::Error, BuiltInText(TextId::PdfFailed, language),
                                       U(error));
    }
}

void SetPdfFileChooser(FileChooser chooser) {
    PdfChooser() = std::move(chooser);
}

}  // namespace torvik
