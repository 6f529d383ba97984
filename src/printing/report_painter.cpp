#include "printing/report_painter.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "report/compose_report.h"
#include "report/fit_columns.h"

namespace torvik {
namespace {

constexpr double kPointsPerInch = 72.0;

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont ReportFont(double pointSize, bool bold) {
    QFont font;
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// Paints one page; positions are fractions of the printable area, sizes in points.
void PaintPage(QPainter& painter, const ReportPage& page, const Report& report, double width,
               double height, double unitsPerPoint) {
    double y = kTopMargin * height;
    for (const ReportLine& line : page.lines) {
        painter.setFont(ReportFont(line.pointSize, line.bold));
        const QFontMetricsF metrics = painter.fontMetrics();
        for (const ReportCell& cell : line.cells) {
            const QString text = Q(cell.text);
            const double advance = metrics.horizontalAdvance(text);
            const double x = cell.centred ? (width - advance) / 2 : cell.x * width;
            painter.drawText(QPointF(x, y + metrics.ascent()), text);
        }
        y += line.pointSize * report.geometry.lineFactor * unitsPerPoint;
    }
    painter.setFont(ReportFont(kBodyPointSize, false));
    const QFontMetricsF metrics = painter.fontMetrics();
    const QString footer = Q(page.footer);
    painter.drawText(QPointF((width - metrics.horizontalAdvance(footer)) / 2,
                             kFooterY * height + metrics.ascent()),
                     footer);
}

}  // namespace

std::string ReportDateTimeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    return (locale.toString(now.date(), QLocale::ShortFormat) + "    " +
            locale.toString(now.time(), QLocale::ShortFormat))
        .toStdString();
}

bool PaintReport(QPagedPaintDevice& device, const ReportSource& source, const PrintFlags& flags) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double unitsPerPoint = device.logicalDpiY() / kPointsPerInch;
    const double width = device.width();
    const double height = device.height();
    painter.setFont(ReportFont(kBodyPointSize, false));
    const double natural = painter.fontMetrics().lineSpacing() / (kBodyPointSize * unitsPerPoint);
    const double heightPoints = height / unitsPerPoint;
    const Report report =
        ComposeReport(source, flags, {heightPoints, FittingLineFactor(heightPoints, natural)});
    // Labels are as wide as the language and the font make them: the columns after them
    // move right where a label would reach its value.
    const ReportTextWidth textWidth = [&device, width](const ReportLine& line,
                                                       const std::string& text) {
        return QFontMetricsF(ReportFont(line.pointSize, line.bold), &device)
                   .horizontalAdvance(Q(text)) /
               width;
    };
    const double gap =
        QFontMetricsF(ReportFont(kBodyPointSize, false), &device).horizontalAdvance("  ") / width;
    bool ok = true;
    for (std::size_t i = 0; i < report.pages.size() && ok; ++i) {
        if (i > 0 && !device.newPage()) {
            ok = false;
            break;
        }
        ReportPage page = report.pages[i];
        FitColumns(page, textWidth, gap);
        PaintPage(painter, page, report, width, height, unitsPerPoint);
    }
    return painter.end() && ok;
}

}  // namespace torvik
