#include <QApplication>
#include <QTimer>
#include <cstring>

#include "numerics/decimal_separator.h"
#include "qtview/main_window.h"
#include "ui/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tubalyx::InitDecimalSeparatorFromPlatform();
    tubalyx::MainWindow window(tubalyx::Form1());
    window.show();
    // Used by the start-up smoke test: show the window, then close it through the event loop.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after-start") == 0) QTimer::singleShot(0, &window, &QWidget::close);
    }
    return app.exec();
}
