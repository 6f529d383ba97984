#include "report/fit_columns.h"

#include <algorithm>
#include <map>

namespace torvik {
namespace {

bool IsEmpty(const ReportLine& line) {
    return std::all_of(line.cells.begin(), line.cells.end(),
                       [](const ReportCell& cell) { return cell.text.empty(); });
}

// The non-empty text nearest to the left of `column` on `line`; nullptr when the line has
// no text in that column or none before it.
const ReportCell* TextBefore(const ReportLine& line, double column) {
    const ReportCell* before = nullptr;
    for (const ReportCell& cell : line.cells) {
        if (cell.centred) continue;
        if (cell.x == column) return cell.text.empty() ? nullptr : before;
        if (cell.x < column && !cell.text.empty() && (!before || cell.x > before->x)) {
            before = &cell;
        }
    }
    return nullptr;
}

// Fits the columns of the lines [first, last), a block that no empty line divides.
void FitBlock(std::vector<ReportLine>& lines, std::size_t first, std::size_t last,
              const ReportTextWidth& width, double gap) {
    std::map<double, double> placed;  // where each column's left edge moves to
    for (std::size_t l = first; l < last; ++l) {
        for (const ReportCell& cell : lines[l].cells) {
            if (!cell.centred) placed.emplace(cell.x, cell.x);
        }
    }
    // Left to right, so a column is pushed by the final place of the texts before it.
    for (auto& [column, at] : placed) {
        for (std::size_t l = first; l < last; ++l) {
            if (const ReportCell* before = TextBefore(lines[l], column)) {
                at = std::max(at, placed.at(before->x) + width(lines[l], before->text) + gap);
            }
        }
    }
    for (std::size_t l = first; l < last; ++l) {
        for (ReportCell& cell : lines[l].cells) {
            if (!cell.centred) cell.x = placed.at(cell.x);
        }
    }
}

}  // namespace

void FitColumns(ReportPage& page, const ReportTextWidth& width, double gap) {
    std::vector<ReportLine>& lines = page.lines;
    std::size_t first = 0;
    for (std::size_t l = 0; l <= lines.size(); ++l) {
        if (l < lines.size() && !IsEmpty(lines[l])) continue;
        if (l > first) FitBlock(lines, first, l, width, gap);
        first = l + 1;
    }
}

}  // namespace torvik
