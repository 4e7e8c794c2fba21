#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstring>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "qtview/main_window.h"
#include "qtview/qt_platform.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"
#include "ui/hide_input_controls.h"
#include "ui/layout_controls.h"
#include "ui/window_metrics.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tubalyx::InitDecimalSeparatorFromPlatform();
    tubalyx::InstallQtPlatform();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        tubalyx::Screen().SetSize(screen->geometry().width(), screen->geometry().height());

    // Window sizing and the first layout, until window creation builds the first page.
    tubalyx::TForm1& form = tubalyx::Form1();
    const int screenWidth = tubalyx::Screen().Width(), screenHeight = tubalyx::Screen().Height();
    tubalyx::BaseFontSize = tubalyx::BaseFontSizeForScreen(screenWidth);
    form.SetFontSize(tubalyx::BaseFontSize);
    form.SetBounds(0, 0, screenWidth * 9 / 10, screenHeight * 9 / 10);
    form.SetLeft((screenWidth - form.Width()) / 2);
    form.SetTop((screenHeight - form.Height()) / 2);
    tubalyx::ApplyLanguage(tubalyx::LanguageLetter);
    tubalyx::HideInputControls();
    tubalyx::LayoutControls();

    tubalyx::MainWindow window(form);
    window.move(form.Left(), form.Top());
    window.show();
    // Used by the start-up smoke test: show the window, then close it through the event loop.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after-start") == 0) QTimer::singleShot(0, &window, &QWidget::close);
    }
    return app.exec();
}
