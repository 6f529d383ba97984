// The numbered user-interface texts of the current language, looked up in the language
// files beside the program. Missing files, sections or keys give empty text, never an error.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/language.h"
#include "platform/profile_file.h"

namespace torvik {

// The sections of the language files: "OTHER" holds the numbered texts langText() reads,
// "MSG" a few messages, "OPTION" the texts of the selective-calling editors.
inline constexpr std::string_view kOtherSection = "OTHER";
inline constexpr std::string_view kMessageSection = "MSG";
inline constexpr std::string_view kOptionSection = "OPTION";

// The key in section "MSG" of the question asked before New and Read replace a codeplug with
// unsaved changes (Yes/No/Cancel).
inline constexpr std::string_view kSaveFirstMessageKey = "9001";

// The longest text a key may hold; longer values are cut (at a character boundary).
inline constexpr std::size_t kMaxLangTextBytes = 254;

class LanguageTexts {
  public:
    LanguageTexts() = default;
    static LanguageTexts Load(const std::filesystem::path& languageFile, Language language);
    // The same from the file's bytes.
    static LanguageTexts Parse(std::string_view text, Language language);

    Language language() const { return language_; }

    // Section "OTHER", key = the decimal number: UTF-8, trimmed, empty when missing.
    std::string langText(int key) const;
    // A named section and text key ("MSG", "OPTION"), the same way.
    std::string readMessageText(std::string_view section, std::string_view key) const;

  private:
    ProfileFile file_;
    Language language_ = Language::English;
};

// The language a locale name ("zh_CN.UTF-8", "de_DE", "zh_TW") starts the program in: Chinese
// for mainland China only, English for everything else.
Language LanguageForLocale(std::string_view localeName);

// The user's locale name for messages, from LC_ALL, LC_MESSAGES, LANG in that order.
std::string SystemLocaleName();

}  // namespace torvik
