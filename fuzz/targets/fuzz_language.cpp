// Language files: numbered texts and messages looked up in both languages, which cuts long
// values at a character boundary and turns GBK into UTF-8.
#include "app/language_texts.h"
#include "fuzz_targets.h"

namespace torvik::fuzz {

int FuzzLanguage(const std::uint8_t* data, std::size_t size) {
    for (const Language language : {Language::English, Language::Chinese}) {
        const LanguageTexts texts = LanguageTexts::Parse(AsText(data, size), language);
        for (const int key : {1, 2, 100, 2002, 9001}) (void)texts.langText(key);
        (void)texts.readMessageText(kMessageSection, kSaveFirstMessageKey);
    }
    return 0;
}

}  // namespace torvik::fuzz
