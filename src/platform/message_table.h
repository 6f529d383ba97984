// The built-in bilingual texts of confirmations and errors. They do not come from the
// language files, so they are right even when those files are missing or stale.
#pragma once

#include <string_view>

#include "platform/language.h"

namespace torvik {

enum class MessageId {
    ReadTitle,
    WriteTitle,
    Percentage,
    ConfirmRead,
    ConfirmWrite,
    ModelWrong,
    RadioKilled,
    RadioFainted,
    VersionWrong,
    BandWrong,
    ClearAll,
    FileError,
    Overwrite,
    SaveChanges,
    DataFile,
    FreqCleared,
    Warning,
    ChannelFileIncomplete,
    NotABookFile,
};

enum class TransferDirection { Read, Write };

// The text of an entry in the given language (UTF-8).
std::string_view MessageText(MessageId id, Language language);

// The progress-window caption of a transfer: the two titles form one entry.
std::string_view TransferTitle(TransferDirection direction, Language language);

}  // namespace torvik
