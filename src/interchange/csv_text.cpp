#include "interchange/csv_text.h"

namespace torvik {

std::vector<CsvLine> ParseCsv(std::string_view text) {
    return ParseSeparated(text, ',');
}

std::vector<CsvLine> ParseSeparated(std::string_view text, const char separator) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<CsvLine> lines;
    CsvLine record;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;  // the record has content, so an empty line is not blank
    int line = 1;
    record.lineNumber = 1;
    auto endField = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
    };
    auto endRecord = [&] {
        if (fieldStarted || !record.fields.empty()) {
            endField();
            lines.push_back(std::move(record));
        }
        record = CsvLine{};
        field.clear();
        fieldStarted = false;
        record.lineNumber = line;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == separator) {
            endField();
            fieldStarted = true;
            continue;
        }
        switch (c) {
            case '"':
                quoted = true;
                fieldStarted = true;
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') break;
                [[fallthrough]];
            case '\n':
                ++line;
                endRecord();
                break;
            default:
                field += c;
                fieldStarted = true;
        }
    }
    endRecord();
    return lines;
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    return SeparatedRecord(fields, ',');
}

std::string SeparatedRecord(const std::vector<std::string>& fields, const char separator) {
    const std::string special = std::string(1, separator) + "\"\r\n";
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        const std::string& f = fields[i];
        if (f.find_first_of(special) == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

}  // namespace torvik
