#include "printing/pdf_export.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "printing/report_painter.h"

namespace torvik {
namespace {

// Margins that most printers can print within, so a printed PDF loses nothing.
constexpr double kMarginMm = 10;

bool Failed(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

bool ExportReportPdf(const QString& path, const ReportSource& source, const PrintFlags& flags,
                     QString* error) {
    // Written beside the target under another name and renamed over it once complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Failed(error, file.errorString());
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("TORVIK CPS"));
        writer.setTitle(QString::fromStdString(
            std::string(BuiltInText(TextId::PrintTitle, source.texts.language()))));
        painted = PaintReport(writer, source, flags);
    }
    if (!painted || file.error() != QFileDevice::NoError) {
        const QString why = file.error() != QFileDevice::NoError
                                ? file.errorString()
                                : QStringLiteral("cannot paint the report");
        file.cancelWriting();
        return Failed(error, why);
    }
    if (!file.commit()) return Failed(error, file.errorString());
    return true;
}

}  // namespace torvik
