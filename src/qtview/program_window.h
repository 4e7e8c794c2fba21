#pragma once
// The start of the program between the QApplication and the message loop, shared by main and
// the tests that drive the real window.
#include <memory>

#include "qtview/main_window.h"

namespace tubalyx {

// Once per process, after the QApplication exists: the decimal separator of the user's locale,
// the Qt dialogs and printer, and the model's screen the size of the primary screen.
void InitProgramPlatform();

// The main window unit initialised, the main window created (its create event opens the start
// page), and the Qt window shown at the form's place, sized so that the visible page is the
// client area the form was given, which the start text covers.
std::unique_ptr<MainWindow> OpenMainWindow();

}  // namespace tubalyx
