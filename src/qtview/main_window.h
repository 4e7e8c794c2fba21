#pragma once
#include <QMainWindow>

namespace tubalyx {

class TForm1;

// Shows the headless main window in Qt and keeps the window caption in step with the model.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(TForm1& form, QWidget* parent = nullptr);
    void SyncFromModel();

private:
    TForm1& form_;
};

}  // namespace tubalyx
