#include "qtview/program_window.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QScreen>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "qtview/qt_platform.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace tubalyx {

void InitProgramPlatform() {
    InitDecimalSeparatorFromPlatform();
    InstallQtPlatform();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        Screen().SetSize(screen->geometry().width(), screen->geometry().height());
}

std::unique_ptr<MainWindow> OpenMainWindow() {
    MainFormUnitInit();
    CreateMainWindow();
    TForm1& form = Form1();
    auto window = std::make_unique<MainWindow>(form);
    window->move(form.Left(), form.Top());
    window->show();
    // The window's frame, menu bar and scroll bars are the platform's.
    if (auto* page = qobject_cast<QAbstractScrollArea*>(window->centralWidget())) {
        const QSize shown = page->viewport()->size();
        window->resize(window->width() + form.ClientWidth() - shown.width(),
                       window->height() + form.ClientHeight() - shown.height());
    }
    return window;
}

}  // namespace tubalyx
