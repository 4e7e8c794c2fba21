#include "qtview/qt_platform.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include "forms/dialogs.h"
#include "forms/screen.h"
#include "qtview/canvas_painter.h"
#include "qtview/qt_conversions.h"

namespace tubalyx {

namespace {

// A PDF is drawn at the resolution of a high-resolution printer.
constexpr int kPdfDotsPerInch = 1200;

// The printer the print dialog configures and the print jobs use.
QPrinter& SharedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

// The extension a filter such as "Tubalyx (*.tbx)" gives its files; empty for "* (*)".
QString FilterExtension(const QString& filter) {
    static const QRegularExpression pattern(R"(\*\.(\w+))");
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// A save dialog that gives a name typed without an extension the chosen filter's, before it
// asks whether to overwrite a file of that name.
class SaveFileDialog : public QFileDialog {
public:
    SaveFileDialog(const QString& name, const QString& filter) : QFileDialog(nullptr, QString(), name, filter) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
    }
    void accept() override {
        setDefaultSuffix(FilterExtension(selectedNameFilter()));
        QFileDialog::accept();
    }
};

bool RunDialog(TCommonDialog& dialog) {
    switch (dialog.Kind()) {
        case TDialogKind::Open: {
            auto& d = static_cast<TOpenDialog&>(dialog);
            const QString name = QFileDialog::getOpenFileName(nullptr, QString(), Q(d.FileName), Q(d.Filter));
            if (name.isEmpty()) return false;
            d.FileName = S(name);
            return true;
        }
        case TDialogKind::Save: {
            auto& d = static_cast<TSaveDialog&>(dialog);
            SaveFileDialog save(Q(d.FileName), Q(d.Filter));
            if (!d.OverwritePrompt) save.setOption(QFileDialog::DontConfirmOverwrite);
            if (save.exec() != QDialog::Accepted || save.selectedFiles().isEmpty()) return false;
            QString name = save.selectedFiles().constFirst();
            if (name.isEmpty()) return false;
            // A platform dialog may leave the extension to the program.
            const QString extension = FilterExtension(save.selectedNameFilter());
            if (!extension.isEmpty() && QFileInfo(name).suffix().isEmpty()) name += '.' + extension;
            d.FileName = S(name);
            return true;
        }
        case TDialogKind::Print: {
            QPrintDialog d(&SharedPrinter());
            if (d.exec() != QDialog::Accepted) return false;
            // The job is laid out on the paper the user chose, in the model printer's dots.
            const QRect page = SharedPrinter().pageLayout().fullRectPixels(Printer().PixelsPerInch());
            if (!page.isEmpty()) Printer().SetPageSize(page.width(), page.height());
            return true;
        }
        case TDialogKind::Font: {
            auto& d = static_cast<TFontDialog&>(dialog);
            bool ok = false;
            QFont initial = ToQFont(d.Font);
            initial.setPointSize(d.Font.Size);
            const QFont chosen = QFontDialog::getFont(&ok, initial);
            if (!ok) return false;
            d.Font.Name = S(chosen.family());
            d.Font.Size = chosen.pointSize() > 0 ? chosen.pointSize() : d.Font.Size;
            d.Font.Bold = chosen.bold();
            d.Font.Italic = chosen.italic();
            d.Font.Underline = chosen.underline();
            d.Font.StrikeOut = chosen.strikeOut();
            return true;
        }
    }
    return false;
}

// The pages in the model printer's dots, laid onto the device's whole page.
bool PaintPages(QPagedPaintDevice& device, const TPrinter& model, const std::vector<TPrintedPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRect page = painter.viewport();
    painter.setWindow(0, 0, model.PageWidth(), model.PageHeight());
    painter.setViewport(page);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        ReplayCanvas(painter, pages[i].Ops, model.PixelsPerInch());
    }
    return painter.end();
}

// A job with an output file is written as an A4 PDF into that file (the scratch file of a save),
// and delivered only when every byte of it was written.
bool WritePdf(const TPrinter& model, const std::vector<TPrintedPage>& pages) {
    QFile file(Q(model.OutputFileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    bool written = false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setTitle(Q(model.Title));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        written = PaintPages(pdf, model, pages);
    }
    written = file.flush() && written && file.error() == QFileDevice::NoError;
    file.close();
    return written;
}

bool PrintPages(const TPrinter& model, const std::vector<TPrintedPage>& pages) {
    if (!model.OutputFileName.empty()) return WritePdf(model, pages);
    // The printer keeps the paper of its dialog.
    QPrinter& printer = SharedPrinter();
    printer.setDocName(Q(model.Title));
    printer.setFullPage(true);
    return PaintPages(printer, model, pages);
}

}  // namespace

bool PrintImage(const QImage& image) {
    QPrinter pdf(QPrinter::HighResolution);
    QPrinter* printer = &SharedPrinter();
    if (!Printer().OutputFileName.empty()) {
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(Q(Printer().OutputFileName));
        printer = &pdf;
    }
    QPainter painter;
    if (image.isNull() || !painter.begin(printer)) return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
    return painter.end();
}

void InstallQtPlatform() {
    TCommonDialog::SetExecutor(RunDialog);
    TPrinter::SetSink(PrintPages);
    TScreen::SetCursorListener([](TCursor cursor) {
        if (cursor == TCursor::crHourGlass)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    });
}

}  // namespace tubalyx
