// Where the texts of a report page stand once their printed widths are known. The sections
// place each text at a fixed fraction of the width, but a label's width depends on the
// language and the font: a text never starts before the text to its left on its line has
// ended, plus a gap. Texts that share a left edge in a block of lines (up to the next empty
// line) form a column and move together, so a long label pushes its whole value column to
// the right and the column stays aligned.
#pragma once

#include <functional>
#include <string>

#include "report/report_layout.h"

namespace torvik {

// The printed width of `text` on `line` (its size and weight), as a fraction of the
// printable width.
using ReportTextWidth = std::function<double(const ReportLine& line, const std::string& text)>;

// Moves the page's columns right where a text would reach the next one; `gap` is the least
// room between two texts, as a fraction of the printable width. Centred texts stay centred.
void FitColumns(ReportPage& page, const ReportTextWidth& width, double gap);

}  // namespace torvik
