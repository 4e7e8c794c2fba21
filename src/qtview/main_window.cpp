#include "qtview/main_window.h"

#include "ui/form1.h"

namespace tubalyx {

MainWindow::MainWindow(TForm1& form, QWidget* parent) : QMainWindow(parent), form_(form) {
    SyncFromModel();
}

void MainWindow::SyncFromModel() { setWindowTitle(QString::fromStdString(form_.Caption())); }

}  // namespace tubalyx
