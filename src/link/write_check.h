// Checking a write: the radio's image read back after a write against the image that was
// written, with the places that differ named the way the window names them (a channel by its
// row label, a function area by its tree node's text).
#pragma once

#include <string>
#include <vector>

#include "aggregate/codeplug.h"
#include "platform/reporter.h"

namespace torvik {

// The channel row labels and function areas in which two decoded codeplugs differ, channels
// first in channel-number order, then the areas in record order. A channel held by one table
// only counts as a difference too.
std::vector<std::string> DifferingAreas(const Codeplug& a, const Codeplug& b,
                                        const Reporter& texts);

// The result of comparing what a write sent with what the radio holds afterwards.
struct WriteCheck {
    bool same = true;
    // The addresses of the 16-byte blocks that differ.
    std::vector<std::size_t> blocks;
    // Where the radio differs; when no area decodes differently (the bytes lie outside
    // everything in use), the blocks by their address ("block 0x1230").
    std::vector<std::string> areas;
};

// Compares the written range of `written` with `readBack`, the codeplug a read just
// filled (its image and band are the radio's). Both are decoded with the radio's band, so
// the areas named are the ones a person would find changed.
WriteCheck CheckWrittenImage(const RadioImage& written, const Codeplug& readBack,
                             const Reporter& texts);

// "DTMF, 12, 57" — the areas of a failed check joined for a message.
std::string JoinAreas(const std::vector<std::string>& areas);

}  // namespace torvik
