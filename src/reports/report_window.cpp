#include "reports/report_window.h"

#include <algorithm>

#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/language_text.h"
#include "texts/message_texts.h"
#include "texts/page_texts.h"
#include "texts/window_access.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

std::string ReportLabel(const std::string& words, int width) { return PadRight(words, width - 2, '_') + "= "; }

std::string ReportLine(const std::string& label, double value, int digits) {
    return label + ReportSeparator + FormatFixed(value, digits);
}

std::string ReportLineWithTail(const std::string& label, double value, const std::string& tail, int digits) {
    return ReportLine(label, value, digits) + ReportSeparator + tail;
}

std::string PaddedReportLine(const std::string& words, int width, double value, int digits) {
    return ReportLine(ReportLabel(words, width), value, digits);
}

// ---- RichEdit1 ----

TRichEdit& ReportWindow() { return ReportWriterWindow().RichEdit1; }

void AppendReportLine(const std::string& text) { ReportWindow().Add(text); }

void AppendReportValueLine(const std::string& label, double value, int digits) {
    AppendReportLine(ReportLine(label, value, digits));
}

TColor ReportColor() { return ReportWindow().SelAttributes().Color; }
void SetReportColor(TColor color) { ReportWindow().SetSelColor(color); }
TFontStyles ReportStyle() { return ReportWindow().SelAttributes().Style; }
void SetReportStyle(const TFontStyles& style) { ReportWindow().SetSelStyle(style); }
int ReportSize() { return ReportWindow().SelAttributes().Size; }
void SetReportSize(int size) { ReportWindow().SetSelSize(size); }
std::string ReportFontName() { return ReportWindow().SelAttributes().Name; }
void SetReportFontName(const std::string& name) { ReportWindow().SetSelFontName(name); }

int ReportLineCount() { return ReportWindow().LineCount(); }
std::string ReportLineText(int index) { return ReportWindow().Line(index); }
int ReportTextLength() { return ReportTextLength(ReportWindow()); }
ReportPos ReportCaret() { return CaretPosition(ReportWindow()); }
void SetReportCaret(ReportPos position) { SetCaretPosition(ReportWindow(), position); }

int ReportSelectionLength() {
    const TRichEdit& e = ReportWindow();
    return std::max(0, e.ToReportPos(e.SelStart() + e.SelLength()) - e.ToReportPos(e.SelStart()));
}

void SetReportSelectionLength(int length) {
    TRichEdit& e = ReportWindow();
    const TextPos start = e.SelStart();
    const TextPos end = e.ToTextPos(e.ToReportPos(start) + std::max(0, length));
    e.SetSelStart(start);
    e.SetSelLength(end - start);
}

void ClearReport() { ReportWindow().Clear(); }
void FocusReport() {
    TRichEdit& e = ReportWindow();
    if (e.Visible()) e.SetFocus();  // a hidden window cannot take the focus; that is no error
}
void ShowReportWindow(bool visible) { ReportWindow().SetVisible(visible); }

namespace {

// The attributes of a line appended while the user has text selected ("Select all") would be set
// on the selection too: the selection is moved aside to the end meanwhile and then put back as
// it was, with every earlier line in its own colour.
class SelectionKept {
public:
    explicit SelectionKept(TRichEdit& edit) : edit_(edit), start_(edit.SelStart()), length_(edit.SelLength()) {
        if (length_ > 0) edit_.SetSelStart(edit_.TextLength());
    }
    ~SelectionKept() {
        if (length_ <= 0) return;
        edit_.SetSelStart(start_);
        edit_.SetSelLength(length_);
    }
    SelectionKept(const SelectionKept&) = delete;
    SelectionKept& operator=(const SelectionKept&) = delete;

private:
    TRichEdit& edit_;
    TextPos start_;
    int length_;
};

}  // namespace

void AppendColoredLines(const std::vector<std::string>& lines, TColor color) {
    const SelectionKept selection(ReportWindow());
    const TColor previous = ReportColor();
    SetReportColor(color);
    for (const auto& line : lines) AppendReportLine(line);
    SetReportColor(previous);
}

void AppendRedLine(const std::string& text) { AppendColoredLines({text}, clRed); }

std::string InputErrorLine() { return ByLanguage(message_text::InputError); }
void AppendRedLines(const std::vector<std::string>& lines) { AppendColoredLines(lines, clRed); }

void AppendStyledLine(const std::string& text, TColor color, const TFontStyles& style, int size) {
    TRichEdit& e = ReportWindow();
    const SelectionKept selection(e);
    const TTextAttributes previous = e.SelAttributes();
    e.SetSelColor(color);
    e.SetSelStyle(style);
    e.SetSelSize(size);
    e.Add(text);
    e.SetSelColor(previous.Color);
    e.SetSelStyle(previous.Style);
    e.SetSelSize(previous.Size);
}

// ---- positions ----

int ReportTextLength(const TRichEdit& edit) { return edit.ReportLength(); }

ReportPos LineStartPosition(const TRichEdit& edit, int line) { return edit.LineStartReport(line); }

TTextAttributes ReportAttributesAt(const TRichEdit& edit, ReportPos position) {
    if (position.Value < 0) return edit.SelAttributes();
    return edit.AttributesAt(edit.ToTextPos(position));
}

void SetCaretPosition(TRichEdit& edit, ReportPos position) { edit.SetSelStart(edit.ToTextPos(position)); }

ReportPos CaretPosition(const TRichEdit& edit) { return edit.ToReportPos(edit.SelStart()); }

void CopyWithAttributes(const TRichEdit& source, TRichEdit& target, int offset) {
    // Line starts of the source, so that each position is found without rescanning the text.
    const int lines = source.LineCount();
    std::vector<int> starts(lines + 1, 0);
    for (int i = 0; i < lines; ++i) starts[i + 1] = starts[i] + source.LineLength(i) + 2;
    const auto& content = source.Content().Lines;

    // The caret at the end with nothing selected: the attributes set below then apply to the
    // appended text only and never re-format the target's existing text.
    target.SetSelStart(target.TextLength());
    int end = ReportTextLength(target);
    for (int i = 0; i < lines; ++i) {
        const int position = end + offset;
        TTextAttributes a = target.SelAttributes();
        if (position >= 0 && position < starts[lines]) {
            const int line =
                static_cast<int>(std::upper_bound(starts.begin(), starts.end(), position) - starts.begin()) - 1;
            int column = position - starts[line], p = 0;
            for (const auto& run : content[line]) {
                const int n = Utf8Length(run.Text);
                if (column < p + n) {
                    a = run.Attributes;
                    break;
                }
                p += n;
            }
        }
        target.SetSelStyle(a.Style);
        target.SetSelColor(a.Color);
        target.SetSelSize(a.Size);
        const std::string text = source.Line(i);
        target.Add(text);
        end += Utf8Length(text) + 2;
    }
    target.SetSelStart(target.TextLength());
}

void CopyReportAside() {
    const ReportWriterControls& f = ReportWriterWindow();
    f.RichEdit5.Clear();
    CopyWithAttributes(f.RichEdit1, f.RichEdit5, 0);
}

void CopyReportBack() {
    const ReportWriterControls& f = ReportWriterWindow();
    const int before = ReportTextLength(f.RichEdit1);
    CopyWithAttributes(f.RichEdit5, f.RichEdit1, -before);
}

// ---- report size ----

namespace {

constexpr char kLanguages[] = {kLanguageSwedish, kLanguageGerman, kLanguageEnglish};

std::string Unpadded(std::string caption) {
    while (!caption.empty() && caption.back() == ' ') caption.pop_back();
    return caption;
}

}  // namespace

// A caption that starts with the big caption of a language, without its padding.
bool IsBigReport(const std::string& caption) {
    for (char language : kLanguages)
        if (caption.starts_with(Unpadded(ReportSizeCaption(ReportSizeKind::Big, language)))) return true;
    return false;
}

bool IsMiniReport(const std::string& caption) { return SizeCaptionLanguage(caption, ReportSizeKind::Mini) != 0; }

ReportSizeKind ReportSizeOf(const std::string& caption) {
    if (IsBigReport(caption)) return ReportSizeKind::Big;
    if (IsMiniReport(caption)) return ReportSizeKind::Mini;
    return ReportSizeKind::Small;
}

ReportSizeKind CurrentReportSize() { return ReportSizeOf(ReportWriterWindow().litenstor.Caption()); }

char SizeCaptionLanguage(const std::string& caption, ReportSizeKind size) {
    const std::string unpadded = Unpadded(caption);
    for (char language : kLanguages)
        if (unpadded == Unpadded(ReportSizeCaption(size, language))) return language;
    return 0;
}

std::string ReportSizeCaption(ReportSizeKind size, char language) {
    switch (size) {
        case ReportSizeKind::Mini: return "Mini ";
        case ReportSizeKind::Big: return TextOrEnglish(page_text::BigReportCaption, language);
        default: return TextOrEnglish(page_text::SmallReportCaption, language);
    }
}

}  // namespace tubalyx
