#include "forms/rich_edit.h"

#include <algorithm>

#include "numerics/text_utils.h"

namespace tubalyx {

namespace {
// Byte offset of the n-th character of a UTF-8 text.
size_t ByteOfChar(const std::string& s, int n) {
    size_t i = 0;
    for (int c = 0; i < s.size() && c < n; ++c) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    }
    return i;
}

enum Field { kAll, kColor, kStyle, kSize, kName };

void Merge(TTextAttributes& target, const TTextAttributes& a, int field) {
    switch (field) {
        case kColor: target.Color = a.Color; break;
        case kStyle: target.Style = a.Style; break;
        case kSize: target.Size = a.Size; break;
        case kName: target.Name = a.Name; break;
        default: target = a;
    }
}
}  // namespace

void TRichEdit::Add(const std::string& line) {
    // A line break inside the text starts further lines with the same attributes.
    size_t start = 0;
    while (true) {
        size_t nl = line.find('\n', start);
        std::string part = line.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!part.empty() && part.back() == '\r') part.pop_back();
        std::vector<TTextRun> runs;
        if (!part.empty()) runs.push_back({part, selAttributes_});
        content_.Lines.push_back(std::move(runs));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    Changed();
    if (OnChange) OnChange(this);
}

std::string TRichEdit::Line(int index) const {
    if (index < 0 || index >= LineCount()) return "";
    std::string text;
    for (const auto& run : content_.Lines[index]) text += run.Text;
    return text;
}

std::string TRichEdit::Text() const {
    std::string text;
    for (int i = 0; i < LineCount(); ++i) {
        if (i) text += '\n';
        text += Line(i);
    }
    return text;
}

int TRichEdit::TextLength() const { return Utf8Length(Text()); }

void TRichEdit::Clear() {
    content_.Lines.clear();
    selStart_ = selLength_ = 0;
    Changed();
    if (OnChange) OnChange(this);
}

void TRichEdit::Clamp() {
    const int length = TextLength();
    selStart_ = std::clamp(selStart_, 0, length);
    selLength_ = std::clamp(selLength_, 0, length - selStart_);
}

void TRichEdit::SetSelStart(int v) {
    selStart_ = v;
    selLength_ = 0;
    Clamp();
    Changed();
}

void TRichEdit::SetSelLength(int v) {
    selLength_ = v;
    Clamp();
    Changed();
}

void TRichEdit::SelectAll() {
    selStart_ = 0;
    selLength_ = TextLength();
    Changed();
}

void TRichEdit::ApplyToSelection(const TTextAttributes& a, int field) {
    Merge(selAttributes_, a, field);
    if (selLength_ > 0) {
        const int from = selStart_, to = selStart_ + selLength_;
        int pos = 0;  // position of the first character of the current line
        for (auto& line : content_.Lines) {
            std::vector<TTextRun> split;
            int p = pos;
            for (auto& run : line) {
                const int n = Utf8Length(run.Text);
                const int a0 = std::clamp(from - p, 0, n), a1 = std::clamp(to - p, 0, n);
                if (a0 >= a1) {
                    split.push_back(run);
                } else {
                    const size_t b0 = ByteOfChar(run.Text, a0), b1 = ByteOfChar(run.Text, a1);
                    if (b0 > 0) split.push_back({run.Text.substr(0, b0), run.Attributes});
                    TTextRun middle{run.Text.substr(b0, b1 - b0), run.Attributes};
                    Merge(middle.Attributes, a, field);
                    split.push_back(middle);
                    if (b1 < run.Text.size()) split.push_back({run.Text.substr(b1), run.Attributes});
                }
                p += n;
            }
            line = std::move(split);
            pos = p + 1;
        }
    }
    Changed();
}

void TRichEdit::SetSelAttributes(const TTextAttributes& a) { ApplyToSelection(a, kAll); }
void TRichEdit::SetSelColor(TColor c) {
    TTextAttributes a;
    a.Color = c;
    ApplyToSelection(a, kColor);
}
void TRichEdit::SetSelStyle(const TFontStyles& s) {
    TTextAttributes a;
    a.Style = s;
    ApplyToSelection(a, kStyle);
}
void TRichEdit::SetSelSize(int size) {
    TTextAttributes a;
    a.Size = size;
    ApplyToSelection(a, kSize);
}
void TRichEdit::SetSelFontName(const std::string& name) {
    TTextAttributes a;
    a.Name = name;
    ApplyToSelection(a, kName);
}

TTextAttributes TRichEdit::AttributesAt(int position) const {
    int pos = 0;
    for (const auto& line : content_.Lines) {
        for (const auto& run : line) {
            const int n = Utf8Length(run.Text);
            if (position >= pos && position < pos + n) return run.Attributes;
            pos += n;
        }
        ++pos;  // the line break
    }
    return selAttributes_;
}

void TRichEdit::SetContent(const TRichContent& content) {
    content_ = content;
    Clamp();
    Changed();
    if (OnChange) OnChange(this);
}

}  // namespace tubalyx
