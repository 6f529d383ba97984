#include "storage/book_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "codeplug/record_bytes.h"
#include "platform/built_in_texts.h"
#include "platform/file_io.h"

namespace torvik {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecordBytes = SerializedSize<CommBook>;

void ReportFileError(Reporter& reporter) {
    reporter.show(Severity::Error, BuiltInText(TextId::FileError, reporter.language()));
}

void ReportNotABook(Reporter& reporter) {
    const Language language = reporter.language();
    reporter.show(Severity::Error, std::string(BuiltInText(TextId::FileError, language)) + "\r\n" +
                                       std::string(BuiltInText(TextId::NotABookFile, language)));
}

}  // namespace

bool ReadBookFile(const fs::path& path, CommBook& book, Reporter& reporter) {
    const std::optional<std::string> bytes = ReadFileHead(path, kRecordBytes);
    if (!bytes) {
        ReportFileError(reporter);
        return false;
    }
    return ParseBookBytes(*bytes, book, reporter);
}

bool ParseBookBytes(std::string_view bytes, CommBook& book, Reporter& reporter) {
    if (bytes.size() < kRecordBytes) {
        ReportNotABook(reporter);
        return false;
    }
    const CommBook read = FromBytes<CommBook>(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), kRecordBytes));
    if (!std::all_of(read.begin(), read.end(), IsPlausibleBookEntry)) {
        ReportNotABook(reporter);
        return false;
    }
    book = read;
    return true;
}

bool WriteBookFile(const fs::path& path, const CommBook& book, Reporter& reporter) {
    // A longer existing file keeps what follows the book; something that is not a regular
    // file is not replaced.
    std::error_code ec;
    const bool exists = fs::exists(path, ec);
    std::optional<std::string> content = exists ? ReadWholeFile(path) : std::string();
    if (!content) {
        ReportFileError(reporter);
        return false;
    }
    const std::vector<std::uint8_t> record = ToBytes(book);
    if (content->size() < record.size()) content->resize(record.size());
    std::copy(record.begin(), record.end(), content->begin());
    if (!WriteFileAtomically(path, *content)) {
        ReportFileError(reporter);
        return false;
    }
    return true;
}

}  // namespace torvik
