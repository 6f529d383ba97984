// The bilingual texts of the safe radio sessions: the menu entries, the comparison window and
// the messages about backups and verifying. They belong to the window, not to the language
// files, so they are right whatever language files are installed.
#pragma once

#include <QString>

#include "platform/language.h"

namespace torvik {

enum class SafetyText {
    MenuCompareFile,
    MenuCompareRadio,
    MenuVerify,
    MenuBackupFirst,
    MenuCompareFirst,
    MenuBackupReads,
    MenuTrace,
    MenuOpenBackups,
    MenuOpenTraces,
    CompareTitle,
    Differences,  // %1: how many
    NoDifferences,
    ColumnWhere,
    ColumnField,
    ColumnThis,
    ColumnRadio,
    ColumnFile,  // %1: the file's name
    WriteButton,
    CloseButton,
    Verified,
    VerifyFailed,  // %1: blocks, %2: the areas
    BackupSaved,   // %1: the file
    BackupFailed,  // %1: why
    NothingWritten,
};

QString SafetyTextOf(SafetyText id, Language language);

}  // namespace torvik
