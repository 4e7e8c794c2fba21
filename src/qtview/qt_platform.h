#pragma once

namespace tubalyx {

// Connects the model's dialogs to Qt's file, print and font dialogs and its printer to
// QPrinter (a PDF file when the printer has an output file name). Call once after the
// QApplication exists.
void InstallQtPlatform();

}  // namespace tubalyx
