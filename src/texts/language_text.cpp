#include "texts/language_text.h"

#include "state/selections.h"

namespace tubalyx {

const char* ByLanguage(const LangText& text) { return TextOrSwedish(text, LanguageLetter); }

const char* TextOf(const LangText& text, char letter) {
    switch (letter) {
        case 'S': return text.sv;
        case 'D': return text.de;
        case 'E': return text.en;
        default: return nullptr;
    }
}

const char* TextOrSwedish(const LangText& text, char letter) {
    return letter == 'D' ? text.de : letter == 'E' ? text.en : text.sv;
}

const char* TextOrEnglish(const LangText& text, char letter) {
    return letter == 'S' ? text.sv : letter == 'D' ? text.de : text.en;
}

}  // namespace tubalyx
