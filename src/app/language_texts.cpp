#include "app/language_texts.h"

#include <cstdlib>

#include "platform/gbk.h"

namespace torvik {
namespace {

// Cuts GBK bytes to at most `limit` bytes without splitting a double-byte character.
std::string_view CutGbk(std::string_view bytes, std::size_t limit) {
    if (bytes.size() <= limit) return bytes;
    std::size_t i = 0;
    while (i < limit) {
        const bool lead = static_cast<unsigned char>(bytes[i]) >= 0x81;
        const std::size_t width = lead ? 2 : 1;
        if (i + width > limit) break;
        i += width;
    }
    return bytes.substr(0, i);
}

}  // namespace

LanguageTexts LanguageTexts::Load(const std::filesystem::path& languageFile, Language language) {
    LanguageTexts texts;
    texts.file_ = ProfileFile::Load(languageFile);
    texts.language_ = language;
    return texts;
}

LanguageTexts LanguageTexts::Parse(std::string_view text, Language language) {
    LanguageTexts texts;
    texts.file_ = ProfileFile::Parse(text);
    texts.language_ = language;
    return texts;
}

std::string LanguageTexts::langText(int key) const {
    return readMessageText(kOtherSection, std::to_string(key));
}

std::string LanguageTexts::readMessageText(std::string_view section, std::string_view key) const {
    const std::string value = file_.get(section, key).value_or(std::string());
    return GbkToUtf8Lossy(CutGbk(value, kMaxLangTextBytes));
}

Language LanguageForLocale(std::string_view localeName) {
    const std::string_view base = localeName.substr(0, localeName.find_first_of(".@"));
    return base == "zh_CN" || base == "zh-CN" || base == "zh_Hans_CN" ? Language::Chinese
                                                                      : Language::English;
}

std::string SystemLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value && *value) return value;
    }
    return "C";
}

}  // namespace torvik
