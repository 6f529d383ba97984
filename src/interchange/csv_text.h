// Comma-separated text as spreadsheets and radio programmers write it: fields separated by
// commas, lines ended by LF or CRLF, fields in double quotes when they hold a comma, a quote
// or a line break, a quote inside doubled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvik {

struct CsvLine {
    int lineNumber = 0;  // 1-based line of the text where the record starts
    std::vector<std::string> fields;
};

// Every record of `text`, blank lines left out. A leading UTF-8 byte-order mark is skipped;
// an unclosed quote runs to the end of the text. Takes any bytes and never fails.
std::vector<CsvLine> ParseCsv(std::string_view text);

// The same for fields separated by `separator`: tab-separated text as spreadsheets copy it.
std::vector<CsvLine> ParseSeparated(std::string_view text, char separator);

// One record line with its LF-less end: fields joined by commas, quoted where needed.
std::string CsvRecord(const std::vector<std::string>& fields);
std::string SeparatedRecord(const std::vector<std::string>& fields, char separator);

}  // namespace torvik
