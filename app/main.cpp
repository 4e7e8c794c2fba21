#include <QAbstractScrollArea>
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstring>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "qtview/main_window.h"
#include "qtview/qt_platform.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace tubalyx {

// The program: the platform and the main window unit initialised, the main window created
// (its create event opens the start page), then the message loop until the user exits.
// There is no shutdown work.
int ProgramMain(int argc, char** argv) {
    QApplication app(argc, argv);
    InitDecimalSeparatorFromPlatform();
    InstallQtPlatform();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        Screen().SetSize(screen->geometry().width(), screen->geometry().height());
    MainFormUnitInit();
    CreateMainWindow();

    TForm1& form = Form1();
    MainWindow window(form);
    window.move(form.Left(), form.Top());
    window.show();
    // The window's frame, menu bar and scroll bars are the platform's: the window is sized so
    // that the visible page is the client area the form was given, which the start text covers.
    if (auto* page = qobject_cast<QAbstractScrollArea*>(window.centralWidget())) {
        const QSize shown = page->viewport()->size();
        window.resize(window.width() + form.ClientWidth() - shown.width(),
                      window.height() + form.ClientHeight() - shown.height());
    }
    // Used by the start-up smoke test: show the window, then close it through the event loop.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after-start") == 0) QTimer::singleShot(0, &window, &QWidget::close);
    }
    return app.exec();
}

}  // namespace tubalyx

int main(int argc, char** argv) { return tubalyx::ProgramMain(argc, argv); }
