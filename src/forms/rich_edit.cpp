#include "forms/rich_edit.h"

#include <algorithm>
#include <utility>

#include "forms/event_depth.h"
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

int LengthOf(const TRichLine& line) {
    int n = 0;
    for (const auto& run : line) n += Utf8Length(run.Text);
    return n;
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

// A log that carries more lines than this beyond the text itself costs more than redrawing.
constexpr size_t kLogSlack = 1024;
}  // namespace

void TRichEdit::FireChange() {
    Changed();
    FireEvent(*this, "OnChange", OnChange, this);
}

void TRichEdit::Add(const std::string& line) {
    // A line break inside the text starts further lines with the same attributes.
    const int at = LineCount();
    size_t start = 0;
    while (true) {
        size_t nl = line.find('\n', start);
        std::string part = line.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!part.empty() && part.back() == '\r') part.pop_back();
        TRichLine runs;
        if (!part.empty()) {
            charCount_ += Utf8Length(part);
            runs.push_back({std::move(part), selAttributes_});
        }
        content_.Lines.push_back(std::move(runs));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    LogInsert(at, LineCount() - at);
    FireChange();
}

std::string TRichEdit::Line(int index) const {
    if (index < 0 || index >= LineCount()) return "";
    std::string text;
    for (const auto& run : content_.Lines[index]) text += run.Text;
    return text;
}

int TRichEdit::LineLength(int index) const {
    return index < 0 || index >= LineCount() ? 0 : LengthOf(content_.Lines[index]);
}

std::string TRichEdit::Text() const {
    std::string text;
    for (int i = 0; i < LineCount(); ++i) {
        if (i) text += '\n';
        for (const auto& run : content_.Lines[i]) text += run.Text;
    }
    return text;
}

void TRichEdit::Clear() {
    if (logging_ && !log_.Reset && !content_.Lines.empty()) {
        if (clearEntry_ >= 0) {
            LogReset();  // a second clear before the renderer looked: nothing worth folding
        } else {
            clearEntry_ = static_cast<int>(log_.Edits.size());
            log_.Edits.push_back({TRichEditChange::Kind::Remove, 0, LineCount(), {}});
            cleared_ = std::move(content_.Lines);
        }
    }
    content_.Lines.clear();
    charCount_ = 0;
    selStart_ = 0;
    selLength_ = 0;
    FireChange();
}

void TRichEdit::Clamp() {
    const int length = TextLength();
    selStart_ = std::clamp(selStart_.Value, 0, length);
    selLength_ = std::clamp(selLength_, 0, length - selStart_.Value);
}

void TRichEdit::SetSelStart(TextPos v) {
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
        const int from = selStart_.Value, to = selStart_.Value + selLength_;
        int pos = 0;  // position of the first character of the current line
        int first = -1, last = -1;
        for (int i = 0; i < LineCount() && pos < to; ++i) {
            TRichLine& line = content_.Lines[i];
            const int length = LengthOf(line);
            if (pos + length < from) {
                pos += length + 1;
                continue;
            }
            TRichLine split;
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
            if (split != line) {
                line = std::move(split);
                if (first < 0) first = i;
                last = i;
            }
            pos += length + 1;
        }
        if (first >= 0) LogReplace(first, last - first + 1);
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

TTextAttributes TRichEdit::AttributesAt(TextPos position) const {
    int line = 0, column = 0;
    LineAndColumn(position, line, column);
    if (line >= LineCount() || position.Value < 0) return selAttributes_;
    int p = 0;
    for (const auto& run : content_.Lines[line]) {
        const int n = Utf8Length(run.Text);
        if (column < p + n) return run.Attributes;
        p += n;
    }
    return selAttributes_;  // the line break, or an empty line
}

// ---- positions ----

TextPos TRichEdit::LineStartText(int line) const {
    const int last = std::clamp(line, 0, LineCount());
    if (last == LineCount()) return TextLength();
    int pos = 0;
    for (int i = 0; i < last; ++i) pos += LineLength(i) + 1;
    return pos;
}

ReportPos TRichEdit::LineStartReport(int line) const {
    const int last = std::clamp(line, 0, LineCount());
    int pos = 0;
    for (int i = 0; i < last; ++i) pos += LineLength(i) + 2;
    return pos;
}

void TRichEdit::LineAndColumn(TextPos p, int& line, int& column) const {
    int pos = 0;
    for (line = 0; line < LineCount(); ++line) {
        const int n = LineLength(line);
        if (p.Value <= pos + n) {
            column = std::clamp(p.Value - pos, 0, n);
            return;
        }
        pos += n + 1;
    }
    column = 0;
}

ReportPos TRichEdit::ToReportPos(TextPos p) const {
    int line = 0, column = 0;
    LineAndColumn(p, line, column);
    if (line >= LineCount()) return ReportLength();
    return LineStartReport(line) + column;
}

TextPos TRichEdit::ToTextPos(ReportPos p) const {
    const int position = std::max(0, p.Value);
    int report = 0, text = 0;
    for (int line = 0; line < LineCount(); ++line) {
        const int n = LineLength(line);
        // The two characters of the break belong to the line they end.
        if (position < report + n + 2) return text + std::clamp(position - report, 0, n);
        report += n + 2;
        text += n + 1;
    }
    return TextLength();
}

void TRichEdit::SetContent(const TRichContent& content) {
    content_ = content;
    charCount_ = 0;
    for (const auto& line : content_.Lines) charCount_ += LengthOf(line);
    LogReset();
    Clamp();
    FireChange();
}

void TRichEdit::ScrollLineIntoView(int line) {
    lineToShow_ = std::clamp(line, 0, std::max(0, LineCount() - 1));
    Changed();
}

int TRichEdit::TakeLineToShow() { return std::exchange(lineToShow_, -1); }

// ---- change log ----

void TRichEdit::KeepChangeLog(bool on) {
    logging_ = on;
    LogReset();
}

void TRichEdit::LogReset() {
    log_.Reset = true;
    log_.Edits.clear();
    loggedLines_ = 0;
    cleared_.clear();
    clearEntry_ = -1;
}

void TRichEdit::LogInsert(int first, int count) {
    if (!logging_ || log_.Reset || count <= 0) return;
    loggedLines_ += count;
    const auto from = content_.Lines.begin() + first, to = from + count;
    auto& edits = log_.Edits;
    TRichEditChange* last = edits.empty() ? nullptr : &edits.back();
    if (last && last->What == TRichEditChange::Kind::Insert &&
        last->Line + static_cast<int>(last->Lines.size()) == first) {
        last->Lines.insert(last->Lines.end(), from, to);
    } else {
        edits.push_back({TRichEditChange::Kind::Insert, first, 0, {from, to}});
    }
    if (loggedLines_ > content_.Lines.size() + kLogSlack) LogReset();
}

void TRichEdit::LogReplace(int first, int count) {
    if (!logging_ || log_.Reset || count <= 0) return;
    auto& edits = log_.Edits;
    TRichEditChange* last = edits.empty() ? nullptr : &edits.back();
    // Lines still waiting in the last insert or replace are patched where they stand.
    if (last && last->What != TRichEditChange::Kind::Remove && first >= last->Line &&
        first + count <= last->Line + static_cast<int>(last->Lines.size())) {
        for (int i = 0; i < count; ++i) last->Lines[first - last->Line + i] = content_.Lines[first + i];
        return;
    }
    loggedLines_ += count;
    edits.push_back({TRichEditChange::Kind::Replace,
                     first,
                     0,
                     {content_.Lines.begin() + first, content_.Lines.begin() + first + count}});
    if (loggedLines_ > content_.Lines.size() + kLogSlack) LogReset();
}

void TRichEdit::FoldRestoredText() {
    // The shape a run leaves: the logged Clear, then the new lines, the cleared ones appended
    // last. The renderer still shows the cleared lines, so they stay; only the new lines go in
    // before them, and a restored line that differs from the one shown is replaced.
    auto& edits = log_.Edits;
    const int n = static_cast<int>(cleared_.size());
    if (static_cast<int>(edits.size()) <= clearEntry_ + 1) return;
    TRichEditChange& last = edits.back();
    const int inserted = static_cast<int>(last.Lines.size());
    if (last.What != TRichEditChange::Kind::Insert || last.Line + inserted != LineCount() || inserted < n) return;
    const int kept = inserted - n;  // lines of the last insert that are new
    const int restoredAt = LineCount() - n;
    std::vector<TRichEditChange> replaced;
    for (int j = 0; j < n; ++j) {
        TRichLine& restored = last.Lines[kept + j];
        if (restored == cleared_[j]) continue;
        const int line = restoredAt + j;
        if (replaced.empty() || replaced.back().Line + static_cast<int>(replaced.back().Lines.size()) != line)
            replaced.push_back({TRichEditChange::Kind::Replace, line, 0, {}});
        replaced.back().Lines.push_back(std::move(restored));
    }
    last.Lines.resize(kept);
    if (kept == 0) edits.pop_back();
    edits.erase(edits.begin() + clearEntry_);
    for (auto& r : replaced) edits.push_back(std::move(r));
}

TRichEditChanges TRichEdit::TakeChanges() {
    if (!logging_) return {true, {}};
    if (!log_.Reset && clearEntry_ >= 0) FoldRestoredText();
    TRichEditChanges changes = std::move(log_);
    log_ = {};
    loggedLines_ = 0;
    cleared_.clear();
    clearEntry_ = -1;
    return changes;
}

}  // namespace tubalyx
