// The communication book in the radio image.
//
//   6528 + 5i  (i = 0..127)  call ID of entry i: ASCII digits, then 0x00 up to 5 bytes;
//                            an empty or non-numeric ID is five 0x00
//   7168 + 8i                name of entry i: 7 bytes, its characters then 0x00; the
//                            eighth byte of the slot is not written
#pragma once

#include <cstddef>

#include "calling/commbook/comm_book.h"
#include "codeplug/radio_image.h"

namespace torvik {

struct CommBookLayout {
    static constexpr std::size_t kCallIds = 6528;
    static constexpr std::size_t kCallIdBytes = 5;
    static constexpr std::size_t kNames = 7168;
    static constexpr std::size_t kNameStride = 8;
    static constexpr std::size_t kNameBytes = 7;

    static constexpr std::size_t CallIdBase(int i) {
        return kCallIds + kCallIdBytes * static_cast<std::size_t>(i);
    }
    static constexpr std::size_t NameBase(int i) {
        return kNames + kNameStride * static_cast<std::size_t>(i);
    }
};

// Sorts the book in place (the radio searches it in order), then writes it into a prefilled
// image. Every ID and name fits its slot, so no book makes this step fail.
void PackCommBook(CommBook& book, RadioImage& image);

// Fills the book from the image, numbering the entries by position. An ID ends at its first
// byte that is not a digit; a name at its first 0xFF or NUL.
void UnpackCommBook(const RadioImage& image, CommBook& book);

}  // namespace torvik
