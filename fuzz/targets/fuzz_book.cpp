// Communication-book files: the book record at the start of the file.
#include "fuzz_targets.h"
#include "platform/silent_reporter.h"
#include "storage/book_file.h"

namespace torvik::fuzz {

int FuzzBook(const std::uint8_t* data, std::size_t size) {
    CommBook book{};
    SilentReporter reporter;
    (void)ParseBookBytes(AsText(data, size), book, reporter);
    return 0;
}

}  // namespace torvik::fuzz
