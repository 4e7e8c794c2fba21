#pragma once
// Every fixed text a user reads lives in the caption tables (tools/captions/*.tsv, generated into
// texts/caption_data.h and the named-text headers beside it) in Swedish, German and English. The
// writers of the reports, the controller code and the pages refer to a text by its name and take
// the language here, so that no writer holds a text or compares language letters for one.
#include "texts/caption_data.h"

namespace tubalyx {

// The text in the language of LanguageLetter: 'D' German, 'E' English, any other letter Swedish.
const char* ByLanguage(const LangText& text);

// The text of one language: 'S' Swedish, 'D' German, 'E' English, nullptr for another letter.
const char* TextOf(const LangText& text, char letter);
// Swedish unless the letter is 'D' or 'E'.
const char* TextOrSwedish(const LangText& text, char letter);
// English unless the letter is 'S' or 'D'.
const char* TextOrEnglish(const LangText& text, char letter);

}  // namespace tubalyx
