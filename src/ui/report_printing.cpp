#include "ui/report_printing.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/text_utils.h"
#include "reports/report_head.h"
#include "state/window_state.h"
#include "ui/file_save.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

constexpr int kLineGap = 10;  // printer pixels between two lines
constexpr double kWindowToPageShare = 10.0 / 33.0;
constexpr double kLargestPrintedSize = 1000.0;  // points
// A line too wide for the page is printed smaller, down to this size; a line too wide even so
// is printed on as many lines as it needs.
constexpr int kSmallestPrintedSize = 6;  // points
// Courier New's characters (and those of its metric twins) advance 0.6 of the font height.
constexpr double kCharacterAdvance = 0.6;
// A4 in printer dots at 600 dots per inch.
constexpr int kA4Width = 4961, kA4Height = 7016;

class ReportPrintJob {
public:
    explicit ReportPrintJob(TPrinter& printer)
        : printer_(printer),
          leftMargin_(printer.PageWidth() / 10),
          printableWidth_(std::max(1, printer.PageWidth() - 2 * leftMargin_)) {}

    void Run();

private:
    void PrintPageHeader();
    void PrintPageFooter(bool last);
    // The printer font takes the size and style of a character of an editor.
    void UseAttributes(const TTextAttributes& a);
    // The attributes of a line's first character, read from the line itself: a long report is
    // printed in one pass, without counting positions from its start for every line.
    void UseLineAttributes(const TRichEdit& edit, int line) {
        const std::vector<TRichLine>& lines = edit.Content().Lines;
        const bool text = line < edit.LineCount() && !lines[line].empty();
        UseAttributes(text ? lines[line].front().Attributes : edit.SelAttributes());
    }
    int LineStep() const { return printer_.Canvas().TextHeight("X") + kLineGap; }
    // The printer pixels a character of `size` points takes, rounded up as a glyph's advance
    // may be.
    int CharacterWidth(int size) const {
        const int pixels = (size * printer_.PixelsPerInch() + 36) / 72;
        return std::max(1, static_cast<int>(std::ceil(kCharacterAdvance * pixels)));
    }
    bool Fits(int characters, int size) const { return characters * CharacterWidth(size) <= printableWidth_; }
    // The pieces a line prints as: the whole line while it fits the printable width at the
    // smallest size, else as many characters of it as do, piece after piece.
    std::vector<std::string> Pieces(const std::string& text) const;
    // The printer font of a line: the size of its attributes, or the largest that fits it
    // within the printable width, never below the smallest (its pieces then take that).
    void FitFont(const std::string& line);
    // An empty text draws nothing, so it is not recorded.
    void PrintLine(const std::string& text) {
        if (!text.empty()) printer_.Canvas().TextOut(leftMargin_, y_, text);
        y_ += LineStep();
    }
    void StartPage() {
        printer_.NewPage();
        y_ = 0;
    }

    TPrinter& printer_;
    const int leftMargin_;
    // The page less a margin as wide as the left one on the right.
    const int printableWidth_;
    int y_ = 0;
    int footerHeight_ = 0;
};

void ReportPrintJob::UseAttributes(const TTextAttributes& a) {
    TFont& font = printer_.Canvas().Font;
    font.Size = PrintedPointSize(a.Size, printer_.PageWidth(), Form1().RichEdit1.Width());
    font.Bold = a.Style.Bold;
    font.Italic = a.Style.Italic;
    font.Underline = a.Style.Underline;
    font.StrikeOut = a.Style.StrikeOut;
}

std::vector<std::string> ReportPrintJob::Pieces(const std::string& text) const {
    const int length = Utf8Length(text);
    if (Fits(length, kSmallestPrintedSize)) return {text};
    const int perPiece = std::max(1, printableWidth_ / CharacterWidth(kSmallestPrintedSize));
    std::vector<std::string> pieces;
    std::string rest = text;
    for (int left = length; left > 0; left -= perPiece) {
        pieces.push_back(Utf8Left(rest, perPiece));
        rest.erase(0, pieces.back().size());
    }
    return pieces;
}

void ReportPrintJob::FitFont(const std::string& line) {
    TFont& font = printer_.Canvas().Font;
    const int length = Utf8Length(line);
    if (Fits(length, font.Size)) return;
    // From the size the width allows, down past any rounding of the advance.
    const double perPoint = length * kCharacterAdvance * printer_.PixelsPerInch() / 72.0;
    int size = std::min(font.Size - 1, static_cast<int>(printableWidth_ / perPoint));
    while (size > kSmallestPrintedSize && !Fits(length, size)) --size;
    font.Size = std::max(kSmallestPrintedSize, size);
}

void ReportPrintJob::PrintPageHeader() {
    const TRichEdit& head = Form1().RichEdit2;
    for (int line = 0; line < head.LineCount(); ++line) {
        const std::string text = head.Line(line);
        for (const std::string& piece : Pieces(text)) {
            UseLineAttributes(head, line);
            FitFont(text);
            if (y_ + LineStep() > printer_.PageHeight()) StartPage();
            PrintLine(piece);
        }
    }
    // The date line in the head's font past its last line.
    const ReportTimestamp now = ReportClockNow();
    const std::string date =
        "Date: " + now.date + " /Time: " + now.time + " /sid " + std::to_string(printer_.PageNumber());
    for (const std::string& piece : Pieces(date)) {
        UseAttributes(head.SelAttributes());
        FitFont(date);
        PrintLine(piece);
    }
}

// While the foot is measured (footerHeight_ 0) only the steps count and nothing is printed.
void ReportPrintJob::PrintPageFooter(bool last) {
    const TRichEdit& foot = Form1().RichEdit3;
    const bool measuring = footerHeight_ <= 0;
    UseLineAttributes(foot, 0);
    if (!measuring) y_ = printer_.PageHeight() - footerHeight_;
    PrintLine(!last && !measuring ? "(forts)" : "");
    for (int line = 0; line < foot.LineCount(); ++line) {
        const std::string text = foot.Line(line);
        for (const std::string& piece : Pieces(text)) {
            UseLineAttributes(foot, line);
            FitFont(text);
            PrintLine(measuring ? "" : piece);
        }
    }
}

void ReportPrintJob::Run() {
    TFont& font = printer_.Canvas().Font;
    font = TFont{};
    font.Name = "Courier New";
    font.Bold = true;
    printer_.BeginDoc();
    y_ = 0;
    footerHeight_ = 0;
    PrintPageFooter(false);
    footerHeight_ = y_;

    y_ = 0;
    LayoutTop = 0;
    PrintPageHeader();
    const TRichEdit& report = Form1().RichEdit1;
    for (int line = 0; line < report.LineCount(); ++line) {
        const std::string text = report.Line(line);
        for (const std::string& piece : Pieces(text)) {
            UseLineAttributes(report, line);
            FitFont(text);
            if (y_ + LineStep() + footerHeight_ > printer_.PageHeight()) {
                PrintPageFooter(false);
                StartPage();
                PrintPageHeader();
                UseLineAttributes(report, line);
                FitFont(text);
            }
            PrintLine(piece);
        }
    }
    PrintPageFooter(true);
    printer_.EndDoc();
}

}  // namespace

int PrintedPointSize(int size, int pageWidth, int reportWidth) {
    // A report window without a width yet is as wide as the page manager makes it.
    if (reportWidth <= 0) reportWidth = std::max(1, Form1().Font().Size * 100);
    const double scale = static_cast<double>(pageWidth) / reportWidth * kWindowToPageShare;
    // Any size the font dialog allows stays a printable one.
    return static_cast<int>(std::lround(std::clamp(size * scale, 1.0, kLargestPrintedSize)));
}

void PrintReport(TPrinter& printer) { ReportPrintJob(printer).Run(); }

bool PrintReportToPdf(const std::string& fileName) {
    return SaveFileInPlace(fileName, [](int descriptor, const std::string& scratchName) {
        // The file is A4, whatever paper the printer was set to.
        TPrinter& printer = Printer();
        const int width = printer.PageWidth(), height = printer.PageHeight();
        printer.SetPageSize(kA4Width, kA4Height);
        printer.OutputFileName = scratchName;
        PrintReport(printer);
        printer.OutputFileName.clear();
        printer.SetPageSize(width, height);
        struct stat written {};
        return printer.LastJobDelivered() && ::fstat(descriptor, &written) == 0 && written.st_size > 0;
    });
}

}  // namespace tubalyx
