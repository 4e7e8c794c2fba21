#pragma once
// A structural check of generated IEC 61131-3 Structured Text, line by line as the report
// window holds it: block comments "(*" ... "*)" closed and not nested, "//" comments to the
// end of the line, FUNCTION_BLOCK / END_FUNCTION_BLOCK, VAR... / END_VAR and IF / END_IF
// balanced and in order, parentheses balanced within each line, and every statement or
// declaration ending in ";". Keywords compare without case, as ST does.
//
// It is no compiler: names, types and expressions are not checked. The ABB form, whose
// declarations are table rows inside a comment, has no FUNCTION_BLOCK frame; pass
// `completeBlock` false for it.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace tubalyx::sttest {

inline std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

inline std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

inline bool StartsWithWord(const std::string& upper, const std::string& word) {
    if (upper.compare(0, word.size(), word) != 0) return false;
    if (upper.size() == word.size()) return true;
    const char next = upper[word.size()];
    return !(std::isalnum(static_cast<unsigned char>(next)) || next == '_');
}

// The first problem found, with its line number (from 1), or "" when the text is sound.
inline std::string StructuredTextProblem(const std::vector<std::string>& lines,
                                         bool completeBlock) {
    bool inComment = false;
    std::vector<std::string> open;  // "FUNCTION_BLOCK", "VAR", "IF"
    int blocks = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string where = "line " + std::to_string(n + 1) + " \"" + lines[n] + "\": ";
        // The code of the line, comments taken out.
        std::string code;
        const std::string& text = lines[n];
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (inComment) {
                if (text.compare(i, 2, "(*") == 0) return where + "nested comment";
                if (text.compare(i, 2, "*)") == 0) {
                    inComment = false;
                    ++i;
                }
                continue;
            }
            if (text.compare(i, 2, "(*") == 0) {
                inComment = true;
                ++i;
                continue;
            }
            if (text.compare(i, 2, "*)") == 0) return where + "comment closed but not open";
            if (text.compare(i, 2, "//") == 0) break;
            code.push_back(text[i]);
        }
        const std::string statement = Trimmed(code);
        if (statement.empty()) continue;
        const std::string upper = UpperAscii(statement);
        int depth = 0;
        for (char c : statement) {
            if (c == '(') ++depth;
            if (c == ')' && --depth < 0) return where + "')' without '('";
        }
        if (depth != 0) return where + "unbalanced parentheses";

        const bool inBlock = !open.empty() && open.front() == "FUNCTION_BLOCK";
        const bool inVar = !open.empty() && open.back() == "VAR";
        if (StartsWithWord(upper, "FUNCTION_BLOCK")) {
            if (!open.empty()) return where + "FUNCTION_BLOCK inside another block";
            open.push_back("FUNCTION_BLOCK");
            ++blocks;
        } else if (StartsWithWord(upper, "END_FUNCTION_BLOCK")) {
            if (open.size() != 1 || open.back() != "FUNCTION_BLOCK")
                return where + "END_FUNCTION_BLOCK with an open section";
            open.pop_back();
        } else if (StartsWithWord(upper, "VAR_INPUT") || StartsWithWord(upper, "VAR_OUTPUT") ||
                   StartsWithWord(upper, "VAR_IN_OUT") || StartsWithWord(upper, "VAR")) {
            if (completeBlock && (!inBlock || open.size() != 1))
                return where + "VAR section outside the block's declarations";
            open.push_back("VAR");
        } else if (StartsWithWord(upper, "END_VAR")) {
            if (!inVar) return where + "END_VAR without VAR";
            open.pop_back();
        } else if (StartsWithWord(upper, "BEGIN")) {
            if (completeBlock && (!inBlock || open.size() != 1)) return where + "BEGIN misplaced";
        } else if (StartsWithWord(upper, "IF") || StartsWithWord(upper, "ELSIF")) {
            if (inVar) return where + "IF among declarations";
            const std::size_t then = upper.rfind("THEN");
            if (then == std::string::npos || then + 4 != upper.size())
                return where + "IF without THEN at the end";
            if (StartsWithWord(upper, "IF")) {
                open.push_back("IF");
            } else if (open.empty() || open.back() != "IF") {
                return where + "ELSIF outside IF";
            }
        } else if (StartsWithWord(upper, "ELSE")) {
            if (upper != "ELSE") return where + "ELSE with more on the line";
            if (open.empty() || open.back() != "IF") return where + "ELSE outside IF";
        } else if (StartsWithWord(upper, "END_IF")) {
            if (upper != "END_IF;") return where + "END_IF not closed by ';'";
            if (open.empty() || open.back() != "IF") return where + "END_IF without IF";
            open.pop_back();
        } else {
            if (statement.back() != ';') return where + "statement without ';'";
            if (completeBlock && !inBlock) return where + "statement outside the block";
            const bool assignment = statement.find(":=") != std::string::npos;
            const bool declaration = statement.find(':') != std::string::npos;
            if (inVar && !declaration) return where + "declaration without ':'";
            if (!inVar && !assignment) return where + "statement that is no assignment";
        }
    }
    if (inComment) return "comment not closed at the end";
    if (!open.empty()) return open.back() + " not closed at the end";
    if (completeBlock && blocks != 1) return "not exactly one FUNCTION_BLOCK";
    return "";
}

}  // namespace tubalyx::sttest
