#pragma once
// The screen and the printer of the window system.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "forms/canvas.h"

namespace tubalyx {

enum class TCursor { crDefault, crHourGlass };

class TScreen {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The height a window may take: the screen's less the bars the desktop keeps for itself.
    int WorkAreaHeight() const { return workAreaHeight_; }
    // The renderer sets the real size at start; tests set the size they need. The work area
    // is the whole screen until the renderer tells it.
    void SetSize(int width, int height);
    void SetWorkAreaHeight(int height) { workAreaHeight_ = std::max(0, height); }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);
    // The renderer shows the cursor it is told.
    using CursorListener = std::function<void(TCursor)>;
    static void SetCursorListener(CursorListener listener);

private:
    int width_ = 1600, height_ = 900, workAreaHeight_ = 900;
    TCursor cursor_ = TCursor::crDefault;
};

TScreen& Screen();

// The hourglass on the screen for as long as the guard lives; the default cursor comes back
// however the scope is left, an exception included.
class THourGlassCursor {
public:
    THourGlassCursor() { Screen().SetCursor(TCursor::crHourGlass); }
    ~THourGlassCursor() { Screen().SetCursor(TCursor::crDefault); }
    THourGlassCursor(const THourGlassCursor&) = delete;
    THourGlassCursor& operator=(const THourGlassCursor&) = delete;
};

// One printed page: what was drawn on it.
struct TPrintedPage {
    std::vector<TCanvasOp> Ops;
};

// The printer: a job is drawn page by page on the canvas; EndDoc hands the pages to the
// installed sink (the renderer prints them), and keeps them for tests to read. The sink says
// whether it delivered the job: printed it, or wrote the whole file.
class TPrinter {
public:
    int PageWidth() const { return pageWidth_; }
    int PageHeight() const { return pageHeight_; }
    void SetPageSize(int width, int height);
    TCanvas& Canvas() { return canvas_; }
    int PixelsPerInch() const { return canvas_.PixelsPerInch; }

    std::string Title;
    // Non-empty: the sink writes a PDF file of that name instead of using a printer.
    std::string OutputFileName;

    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return printing_; }
    // From 1 on the first page of a job.
    int PageNumber() const { return pageNumber_; }
    const std::vector<TPrintedPage>& LastJob() const { return lastJob_; }
    // False when no sink is installed or the sink could not deliver the last job.
    bool LastJobDelivered() const { return lastJobDelivered_; }

    using Sink = std::function<bool(const TPrinter& printer, const std::vector<TPrintedPage>& pages)>;
    static void SetSink(Sink sink);

private:
    void FinishPage();
    int pageWidth_ = 4961, pageHeight_ = 7016;  // A4 at 600 dots per inch
    TCanvas canvas_{PrinterCanvas()};
    static TCanvas PrinterCanvas() {
        TCanvas c;
        c.PixelsPerInch = 600;
        return c;
    }
    bool printing_ = false, lastJobDelivered_ = false;
    int pageNumber_ = 0;
    std::vector<TPrintedPage> pages_, lastJob_;
};

TPrinter& Printer();

}  // namespace tubalyx
