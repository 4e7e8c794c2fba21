#pragma once
// The start text: a short instruction that covers the window when it opens and when the
// user chooses "Logo", in the current language.
#include <string>
#include <vector>

namespace tubalyx {

// The lines of the start text for a language letter ('S', 'D', 'E'); none for any other.
const std::vector<std::string>& StartTextLines(char letter);

// Fills Memo2 with the start text of LanguageLetter at the window's first client size and
// half the form's font size, and shows it in front.
void WriteStartText();

}  // namespace tubalyx
