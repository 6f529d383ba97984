#include "report/report_builder.h"

#include <utility>

namespace torvik {
namespace {

constexpr double kHeadingX = 0.05;
constexpr double kDateX = 0.75;
constexpr double kHeaderLabelX = 0.08;
constexpr double kHeaderValueX = 0.25;

}  // namespace

ReportBuilder::ReportBuilder(PageHeaderTexts header, ReportGeometry geometry)
    : header_(std::move(header)) {
    report_.geometry = geometry;
}

void ReportBuilder::line(ReportLine line) {
    line.bold = line.bold || bold_;
    y_ += line.pointSize * report_.geometry.lineFactor;
    report_.pages.back().lines.push_back(std::move(line));
}

void ReportBuilder::beginPage() {
    report_.pages.emplace_back();
    y_ = kTopMargin * report_.geometry.pageHeightPoints;
    bold_ = true;
    this->line({kTitlePointSize, true, {{0, header_.title, true}}});
    this->line({kTitlePointSize, true, {}});
    text(kDateX, header_.dateTime);
    emptyLines();
    pair({{kHeaderLabelX, header_.modelLabel}, {kHeaderValueX, header_.model}});
    pair({{kHeaderLabelX, header_.bandLabel}, {kHeaderValueX, header_.band}});
    pair({{kHeaderLabelX, header_.fileLabel}, {kHeaderValueX, header_.file}});
    emptyLines();
    bold_ = false;
}

void ReportBuilder::endPage() {
    ReportPage& page = report_.pages.back();
    page.footer = "- " + std::to_string(report_.pages.size()) + " -";
}

void ReportBuilder::text(double x, std::string text) {
    this->line({kBodyPointSize, false, {{x, std::move(text)}}});
}

void ReportBuilder::pair(std::initializer_list<ReportCell> cells) {
    this->line({kBodyPointSize, false, cells});
}

void ReportBuilder::emptyLines(int count) {
    for (int i = 0; i < count; ++i) this->line({kBodyPointSize, false, {}});
}

void ReportBuilder::heading(std::string text, int emptyAfter) {
    this->text(kHeadingX, std::move(text));
    emptyLines(emptyAfter);
}

bool ReportBuilder::reached(double fraction) const {
    return y_ >= fraction * report_.geometry.pageHeightPoints;
}

Report ReportBuilder::finish() {
    return std::move(report_);
}

}  // namespace torvik
