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
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        Screen().SetSize(screen->geometry().width(), screen->geometry().height());
        Screen().SetWorkAreaHeight(screen->availableGeometry().height());
    }
}

std::unique_ptr<MainWindow> OpenMainWindow() {
    MainFormUnitInit();
    CreateMainWindow();
    TForm1& form = Form1();
    auto window = std::make_unique<MainWindow>(form);
    window->move(form.Left(), form.Top());
    window->show();
    // The window's frame, menu bar and scroll bars are the platform's. The page shows as wide as
    // the form's client area, which the layout fills; the window stands as high as the form,
    // frame and menu bar included, so where the platform draws no title bar the page gains it.
    if (auto* page = qobject_cast<QAbstractScrollArea*>(window->centralWidget())) {
        const int shownWidth = page->viewport()->width();
        const int frame = window->frameGeometry().height() - window->height();
        window->resize(window->width() + form.ClientWidth() - shownWidth, form.Height() - frame);
    }
    return window;
}

}  // namespace tubalyx
