#include "qtview/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "forms/dialogs.h"
#include "forms/screen.h"
#include "qtview/canvas_painter.h"
#include "qtview/qt_conversions.h"

namespace tubalyx {

namespace {

// The printer the print dialog configures and the print jobs use.
QPrinter& SharedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

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
            const QString name = QFileDialog::getSaveFileName(
                nullptr, QString(), Q(d.FileName), Q(d.Filter), nullptr,
                d.OverwritePrompt ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
            if (name.isEmpty()) return false;
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

void PrintPages(const TPrinter& model, const std::vector<TPrintedPage>& pages) {
    QPrinter pdf(QPrinter::HighResolution);
    QPrinter* printer = &SharedPrinter();
    if (!model.OutputFileName.empty()) {
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(Q(model.OutputFileName));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        printer = &pdf;
    }
    // The printer keeps the paper of its dialog.
    printer->setDocName(Q(model.Title));
    printer->setFullPage(true);
    QPainter painter;
    if (!painter.begin(printer)) return;
    // Model page units are printer dots at the model printer's resolution.
    const QRect page = painter.viewport();
    painter.setWindow(0, 0, model.PageWidth(), model.PageHeight());
    painter.setViewport(page);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) printer->newPage();
        ReplayCanvas(painter, pages[i].Ops, model.PixelsPerInch());
    }
    painter.end();
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
