// The printed report as placed text, before any painting: pages of lines, each line a few
// texts at fractions of the printable width. Positions down the page follow from the line
// sizes, so the same layout prints on any page size and is read back in tests without a
// printer.
#pragma once

#include <string>
#include <vector>

namespace torvik {

// A text of a line; `x` is its left edge as a fraction of the printable width.
struct ReportCell {
    double x = 0;
    std::string text;
    bool centred = false;  // centred across the width; `x` is not used
};

inline constexpr double kBodyPointSize = 10;
inline constexpr double kTitlePointSize = 25;

// One line of text; a line without cells is an empty line of its size.
struct ReportLine {
    double pointSize = kBodyPointSize;
    bool bold = false;
    std::vector<ReportCell> cells;
};

struct ReportPage {
    std::vector<ReportLine> lines;  // from the top of the printable area
    std::string footer;             // "- n -", centred near the bottom
};

// Where lines stand on the page: the first line's top at kTopMargin of the height, each line
// `lineFactor` times its point size below the one before, the footer at kFooterY.
struct ReportGeometry {
    double pageHeightPoints = 0;
    double lineFactor = 1.2;
};

inline constexpr double kTopMargin = 0.02;
inline constexpr double kFooterY = 0.97;
// The 5-Tone code list continues on a new page once a line ends this far down.
inline constexpr double kOverflowY = 0.95;

struct Report {
    ReportGeometry geometry;
    std::vector<ReportPage> pages;
};

}  // namespace torvik
