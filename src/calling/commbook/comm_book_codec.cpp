#include "calling/commbook/comm_book_codec.h"

#include <string>

#include "codeplug/byte_fields.h"

namespace torvik {
namespace {

using L = CommBookLayout;

// A name is read over its whole slot, the unwritten eighth byte included; the field keeps
// seven characters of it.
constexpr std::size_t kNameReadBytes = L::kNameStride;
constexpr std::uint8_t kErased = 0xFF;

// `text` into `out`, then zeros to its end.
void PutZeroFilled(std::string_view text, std::span<std::uint8_t> out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
    }
}

bool IsDigitByte(std::uint8_t byte) {
    return byte >= '0' && byte <= '9';
}

}  // namespace

void PackCommBook(CommBook& book, RadioImage& image) {
    SortCommBook(book);
    for (int i = 0; i < kCommBookEntries; ++i) {
        const CommBookEntry& entry = book[static_cast<std::size_t>(i)];
        std::string id = entry.callId.text();
        if (!IsDecimalDigits(id)) id.clear();
        PutZeroFilled(id, image.block(L::CallIdBase(i), L::kCallIdBytes));
        PutZeroFilled(entry.name.text(), image.block(L::NameBase(i), L::kNameBytes));
    }
}

void UnpackCommBook(const RadioImage& image, CommBook& book) {
    for (int i = 0; i < kCommBookEntries; ++i) {
        CommBookEntry& entry = book[static_cast<std::size_t>(i)];
        entry.number = static_cast<std::int16_t>(i);

        std::string id;
        for (std::uint8_t byte : image.block(L::CallIdBase(i), L::kCallIdBytes)) {
            if (!IsDigitByte(byte)) break;
            id += static_cast<char>(byte);
        }
        entry.callId = FixedText<5>::Value(id);

        std::string name;
        for (std::uint8_t byte : image.block(L::NameBase(i), kNameReadBytes)) {
            if (byte == kErased) break;
            name += static_cast<char>(byte);
        }
        entry.name = FixedText<7>::Value(CutAtNul(name));
    }
}

}  // namespace torvik
