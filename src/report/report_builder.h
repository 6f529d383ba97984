// Builds a report page by page as a line printer would: each text ends its line, a pair line
// keeps several texts on one line, every page opens with the same page header and closes
// with its number.
#pragma once

#include <initializer_list>
#include <string>

#include "report/report_layout.h"

namespace torvik {

// The texts of the page header.
struct PageHeaderTexts {
    std::string title;
    std::string dateTime;
    std::string modelLabel, model;
    std::string bandLabel, band;
    std::string fileLabel, file;
};

class ReportBuilder {
  public:
    ReportBuilder(PageHeaderTexts header, ReportGeometry geometry);

    // A new page with the page header.
    void beginPage();
    // The page number at the foot; the next text goes on a new page.
    void endPage();

    // A line as it stands.
    void line(ReportLine line);
    // A line of one text at `x`.
    void text(double x, std::string text);
    // A pair line: every cell on the same line.
    void pair(std::initializer_list<ReportCell> cells);
    void emptyLines(int count = 1);
    // A section heading at 5% of the width and `emptyAfter` empty lines.
    void heading(std::string text, int emptyAfter = 2);

    // True once the lines printed so far reach `fraction` of the page height.
    bool reached(double fraction) const;

    Report finish();

  private:
    PageHeaderTexts header_;
    Report report_;
    double y_ = 0;  // points from the top of the printable area
    bool bold_ = false;
};

}  // namespace torvik
