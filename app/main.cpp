#include <QApplication>
#include <QTimer>
#include <cstring>

#include "qtview/program_window.h"

namespace tubalyx {

// The program: the platform and the main window started, then the message loop until the user
// exits. There is no shutdown work.
int ProgramMain(int argc, char** argv) {
    QApplication app(argc, argv);
    InitProgramPlatform();
    const std::unique_ptr<MainWindow> window = OpenMainWindow();
    // Used by the start-up smoke test: show the window, then close it through the event loop.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after-start") == 0) QTimer::singleShot(0, window.get(), &QWidget::close);
    }
    return app.exec();
}

}  // namespace tubalyx

int main(int argc, char** argv) { return tubalyx::ProgramMain(argc, argv); }
