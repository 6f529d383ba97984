// The communication-book section: all 128 entries, empty or not, in fifty lines of up to
// three entries.
#include "calling/commbook/comm_book_keys.h"
#include "platform/gbk.h"
#include "report/report_sections.h"

namespace torvik {
namespace {

constexpr int kBookLines = 50;
// Entry i, i + 50 and i + 100 share line i; each column holds number, call ID and name.
constexpr double kColumnX[3][3] = {{0.10, 0.18, 0.28}, {0.38, 0.46, 0.56}, {0.66, 0.74, 0.84}};

}  // namespace

void PrintCommBookSection(SectionPrinter& p) {
    p.out.beginPage();
    p.out.heading(PrintItemCaption(PrintItem::CommBook, p.words.texts()));
    ReportLine captions;
    for (const auto& x : kColumnX) {
        captions.cells.push_back({x[0], p.words.key(kKeyCommBookNumber)});
        captions.cells.push_back({x[1], "Call ID"});
        captions.cells.push_back({x[2], "Name"});
    }
    p.out.line(std::move(captions));
    const CommBook& book = p.codeplug.record.commBook;
    for (int i = 0; i < kBookLines; ++i) {
        ReportLine line;
        for (int column = 0; column < 3; ++column) {
            const int entry = i + column * kBookLines;
            if (entry >= kCommBookEntries) break;
            const CommBookEntry& e = book[static_cast<std::size_t>(entry)];
            const auto& x = kColumnX[column];
            line.cells.push_back({x[0], std::to_string(entry)});
            line.cells.push_back({x[1], e.callId.text()});
            line.cells.push_back({x[2], GbkToUtf8Lossy(e.name.text())});
        }
        p.out.line(std::move(line));
    }
    p.out.endPage();
}

}  // namespace torvik
