// Text at the edge between the core (UTF-8 std::string) and the widgets (QString), and the
// few fixed bilingual texts that belong to the windows themselves rather than to the
// language files.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "app/language_texts.h"
#include "platform/language.h"
#include "platform/message_table.h"

namespace torvik {

inline QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string U(const QString& text) {
    return text.toStdString();
}

// A language-file text (section "OTHER") as shown.
inline QString LangQ(const LanguageTexts& texts, int key) {
    return Q(texts.langText(key));
}
inline QString MessageQ(MessageId id, Language language) {
    return Q(MessageText(id, language));
}

// Texts the windows own in both languages.
enum class UiText {
    CloseButton,        // LabelCloseHelp
    HelpButton,         // LabelCloseHelp
    SystemInfoMissing,  // the about box cannot tell
    NoSerialPort,       // start-up offers the demo radio
    DemoFailed,         // the demo radio did not start
    ChannelList,        // accessible names of the main window's list and tree
    SectionTree,
    Undo,  // Edit menu, followed by the step's name
    Redo,
    EditChannelStep,  // undo steps; %1 is the channel's row label
    CutChannelStep,
    PasteChannelStep,
    DeleteChannelStep,
    BookFileFilter,     // file dialogs of the communication book
    SerialGroupAdvice,  // a serial port refused for lack of permission, shown once
};

QString UiTextQ(UiText id, Language language);

}  // namespace torvik
