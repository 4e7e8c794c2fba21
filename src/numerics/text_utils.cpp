#include "numerics/text_utils.h"

namespace tubalyx {

namespace {
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

int Utf8Length(const std::string& text) {
    int n = 0;
    for (char c : text)
        if (!IsContinuationByte(c)) ++n;
    return n;
}

std::string PadRight(const std::string& text, int columns, char fill) {
    int n = Utf8Length(text);
    return n >= columns ? text : text + std::string(columns - n, fill);
}

std::string PadLeft(const std::string& text, int columns, char fill) {
    int n = Utf8Length(text);
    return n >= columns ? text : std::string(columns - n, fill) + text;
}

std::string Utf8Left(const std::string& text, int count) {
    if (count <= 0) return {};
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i])) {
            if (seen == count) return text.substr(0, i);
            ++seen;
        }
    }
    return text;
}

std::string OneLineEcho(const std::string& text, int longest) {
    std::string line = text;
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    if (Utf8Length(line) <= longest) return line;
    return Utf8Left(line, longest - 3) + "...";
}

std::string AsciiUpper(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace tubalyx
