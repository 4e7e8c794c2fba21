#pragma once
#include <QImage>

namespace tubalyx {

// Connects the model's dialogs to Qt's file, print and font dialogs and its printer to
// QPrinter (a PDF file when the printer has an output file name). Call once after the
// QApplication exists.
void InstallQtPlatform();

// Prints one image scaled to the page: on the printer the print dialog configured, or into a
// PDF file when the model printer has an output file name. False when printing failed.
bool PrintImage(const QImage& image);

}  // namespace tubalyx
