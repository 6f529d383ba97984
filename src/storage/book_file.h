// Communication-book files: one 1792-byte record, the 128 entries in their data-file form
// (entry i at offset 14 i: number low byte first, the 5 call-ID bytes, the 7 name bytes).
#pragma once

#include <filesystem>
#include <string_view>

#include "calling/commbook/comm_book.h"
#include "platform/reporter.h"

namespace torvik {

// The name offered for a codeplug's first book export.
inline constexpr std::string_view kDefaultBookFile = "new.cb";

// Reads the book record at the start of the file into `book`. A file that cannot be read is
// reported as "file error."; one shorter than a record, or whose record holds an entry no
// book has (IsPlausibleBookEntry), as "file error." and that it is not a book. Either way
// `book` stays as it was. Bytes after the record are ignored.
bool ReadBookFile(const std::filesystem::path& path, CommBook& book, Reporter& reporter);

// The same checks and messages for the bytes read from the start of a book file.
bool ParseBookBytes(std::string_view bytes, CommBook& book, Reporter& reporter);

// Writes `book` as the first 1792 bytes of the file; the bytes of a longer existing file
// after them are kept. The new content goes to a temporary file in the same folder that then
// replaces the old one, so a failure reports "file error." and leaves the old file whole.
bool WriteBookFile(const std::filesystem::path& path, const CommBook& book, Reporter& reporter);

}  // namespace torvik
