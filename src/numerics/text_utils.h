#pragma once
// Texts are UTF-8 (Å, Ä, Ö, ä, ö, ü, ß); report columns count characters, not bytes.
#include <string>

namespace tubalyx {

// Number of characters (code points) of a UTF-8 text.
int Utf8Length(const std::string& text);

// The text followed by `fill` until it is `columns` characters long; a longer text is returned whole.
std::string PadRight(const std::string& text, int columns, char fill);

// Blanks in front until the text is `columns` characters long.
std::string PadLeft(const std::string& text, int columns, char fill = ' ');

// The first `count` characters (not bytes) of a UTF-8 text.
std::string Utf8Left(const std::string& text, int count);

// A user's text as a report line echoes it: every control character (line break, TAB, ...)
// becomes a blank, so the text stays on its one line, and a text longer than `longest`
// characters is cut there and ends in "...".
std::string OneLineEcho(const std::string& text, int longest);

// Upper case of the letters a to z only; other characters (also ä, ö, ü) unchanged.
std::string AsciiUpper(const std::string& text);

}  // namespace tubalyx
