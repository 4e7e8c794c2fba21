#include "texts/language_text.h"

#include "state/keywords.h"
#include "state/selections.h"

namespace tubalyx {

const char* ByLanguage(const LangText& text) { return TextOrSwedish(text, LanguageLetter); }

const char* TextOf(const LangText& text, char letter) {
    switch (letter) {
        case kLanguageSwedish: return text.sv;
        case kLanguageGerman: return text.de;
        case kLanguageEnglish: return text.en;
        default: return nullptr;
    }
}

const char* TextOrSwedish(const LangText& text, char letter) {
    return letter == kLanguageGerman ? text.de : letter == kLanguageEnglish ? text.en : text.sv;
}

const char* TextOrEnglish(const LangText& text, char letter) {
    return letter == kLanguageSwedish ? text.sv : letter == kLanguageGerman ? text.de : text.en;
}

}  // namespace tubalyx
