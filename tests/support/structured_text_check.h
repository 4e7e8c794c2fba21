#pragma once
// A structural check of generated IEC 61131-3 Structured Text, line by line as the report
// window holds it: "(*" ... "*)" comments closed and not nested, "//" comments to the end of
// the line, FUNCTION_BLOCK / END_FUNCTION_BLOCK, VAR... / END_VAR and IF / ELSIF / END_IF balanced,
// parentheses balanced in each line, and every declaration or assignment ending in ";".
// Keywords compare without case, as ST does. It is no compiler: names and types are not
// checked. The ABB form, whose declarations are table rows inside a comment, has no
// FUNCTION_BLOCK frame: pass `completeBlock` false for it.
#include <cctype>
#include <string>
#include <vector>

namespace tubalyx::sttest {

// Whether the upper-case code starts with the keyword as a whole word.
inline bool Keyword(const std::string& code, const char* word) {
    const std::string w = word;
    if (code.compare(0, w.size(), w) != 0) return false;
    return code.size() == w.size() ||
           !(std::isalnum(static_cast<unsigned char>(code[w.size()])) || code[w.size()] == '_');
}

// The first problem found, with its line number (from 1), or "" when the text is sound.
inline std::string StructuredTextProblem(const std::vector<std::string>& lines, bool completeBlock) {
    bool inComment = false;
    std::vector<std::string> open;  // "FUNCTION_BLOCK", "VAR", "IF"
    int blocks = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& text = lines[n];
        const std::string where = "line " + std::to_string(n + 1) + " \"" + text + "\": ";
        std::string code;  // upper case, comments and outer blanks taken out
        for (std::size_t i = 0; i < text.size(); ++i) {
            const std::string two = text.substr(i, 2);
            if (two == "(*" && inComment) return where + "nested comment";
            if (two == "*)" && !inComment) return where + "comment closed but not open";
            if (two == "(*" || two == "*)") {
                inComment = two == "(*";
                ++i;
            } else if (!inComment && two == "//") {
                break;
            } else if (!inComment) {
                code.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(text[i]))));
            }
        }
        code.erase(0, code.find_first_not_of(" \t"));
        code.erase(code.find_last_not_of(" \t") + 1);
        if (code.empty()) continue;
        int depth = 0;
        for (char c : code)
            if ((depth += c == '(' ? 1 : c == ')' ? -1 : 0) < 0) return where + "')' without '('";
        if (depth != 0) return where + "unbalanced parentheses";
        const std::string top = open.empty() ? "" : open.back();
        if (Keyword(code, "FUNCTION_BLOCK")) {
            if (!open.empty()) return where + "FUNCTION_BLOCK inside another block";
            open.push_back("FUNCTION_BLOCK");
            ++blocks;
        } else if (Keyword(code, "END_FUNCTION_BLOCK")) {
            if (open.size() != 1 || top != "FUNCTION_BLOCK") return where + "END_FUNCTION_BLOCK misplaced";
            open.pop_back();
        } else if (Keyword(code, "VAR") || Keyword(code, "VAR_INPUT") || Keyword(code, "VAR_OUTPUT")) {
            if (completeBlock && (open.size() != 1 || top != "FUNCTION_BLOCK")) return where + "VAR misplaced";
            open.push_back("VAR");
        } else if (Keyword(code, "END_VAR")) {
            if (top != "VAR") return where + "END_VAR without VAR";
            open.pop_back();
        } else if (Keyword(code, "BEGIN")) {
            if (completeBlock && (open.size() != 1 || top != "FUNCTION_BLOCK")) return where + "BEGIN misplaced";
        } else if (Keyword(code, "IF")) {
            if (top == "VAR") return where + "IF among declarations";
            if (code.size() < 5 || code.compare(code.size() - 5, 5, " THEN") != 0) return where + "IF without THEN";
            open.push_back("IF");
        } else if (Keyword(code, "ELSIF")) {
            if (top != "IF") return where + "ELSIF outside IF";
            if (code.size() < 5 || code.compare(code.size() - 5, 5, " THEN") != 0) return where + "ELSIF without THEN";
        } else if (code == "ELSE" || code == "END_IF;") {
            if (top != "IF") return where + "outside IF";
            if (code == "END_IF;") open.pop_back();
        } else {
            if (code.back() != ';') return where + "statement without ';'";
            if (completeBlock && open.empty()) return where + "statement outside the block";
            if (code.find(top == "VAR" ? ":" : ":=") == std::string::npos)
                return where + (top == "VAR" ? "declaration without ':'" : "statement that is no assignment");
        }
    }
    if (inComment) return "comment not closed at the end";
    if (!open.empty()) return open.back() + " not closed at the end";
    if (completeBlock && blocks != 1) return "not exactly one FUNCTION_BLOCK";
    return "";
}

}  // namespace tubalyx::sttest
