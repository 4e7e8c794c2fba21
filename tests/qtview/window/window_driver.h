#pragma once
// Drives the program's window as a user does: it is opened as the program opens it, and then
// used only through Qt, by mouse clicks into the window, key presses to the focused widget and
// the menus; what the tests read is what the widgets show.
#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "qtview/main_window.h"

class QDialog;
class QScrollArea;
class QTableWidget;
class QTextEdit;

namespace tubalyx {

class TControl;
class TEdit;
class TMenuItem;
class TPopupMenu;
class TStringGrid;

class ProgramWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    MainWindow& Window() { return *window_; }
    QWidget* Widget(const TControl& control) const;
    QScrollArea& Page() const;
    QTableWidget& Table(const TStringGrid& grid) const;
    QTextEdit& Report() const;

    // Lets the event loop bring every model change onto the screen.
    void Settle();

    // A left click at a point of the control (its middle by default), after the page was
    // scrolled to show it; the control must be the widget the window finds under that point.
    void Click(const TControl& control, QPoint at = QPoint(-1, -1));
    // Clicks through the menu bar: a top item, then each sub-menu item.
    void ChooseMenu(std::initializer_list<const TMenuItem*> path);
    // Walks the menu bar with the keys alone: Alt, the arrow keys to each item of the path
    // (Return opens a sub-menu), Return on the last.
    void ChooseMenuByKeys(std::initializer_list<const TMenuItem*> path);
    // Clicks an item of the pop-up menu the window shows (opening the sub-menus on the way).
    void ChoosePopup(const TPopupMenu& menu, std::initializer_list<const TMenuItem*> path);
    // A key pressed and released on the focused widget.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Typed into the focused widget.
    void Type(const QString& text);
    // Clicks into the edit, selects its text and types over it.
    void TypeInto(const TEdit& edit, const QString& text);
    // Clicks the cell of the grid, types over it and ends the edit with `endKey`.
    void TypeIntoCell(const TStringGrid& grid, int col, int row, const QString& text, int endKey = Qt::Key_Return);
    void ClickCell(const TStringGrid& grid, int col, int row);
    // What the grid widget shows in a cell.
    std::string CellShown(const TStringGrid& grid, int col, int row) const;
    // Clicks the "Run" label.
    void Run();
    // The report as the report widget shows it, line by line.
    std::vector<std::string> ReportLines() const;
    // Whether the report's line (its first 200 pixels) stands whole in what the user sees:
    // inside the report widget's view and inside the page's, or the page's upper half.
    bool ReportLineSeen(int line, bool upperHalf = false) const;

    // Closes the window and opens it again as the program does on a platform whose decimal
    // separator is `separator`; the window's state starts afresh.
    void ReopenWithSeparator(char separator);
    // Closes the window and opens it again as the program does, the state afresh, and leaves it
    // inactive, as a desktop that activates a window only at the user's first click.
    void ReopenInactive();
    // Answers the next modal dialog the window opens (a file or a print dialog) once it shows.
    void AnswerNextDialog(std::function<void(QDialog&)> answer);

    // Under a display, with TUBALYX_SHOTS set to a folder, the screen is saved there as NAME.png.
    void Screenshot(const char* name);

private:
    std::unique_ptr<MainWindow> window_;
    char platformSeparator_ = 0;  // the separator before the test changed it
};

// The number after the "= " that follows `label` on the first report line starting (after
// blanks) with it; the test fails when there is none.
double ReportValue(const std::vector<std::string>& lines, const std::string& label);
// The first line that starts (after blanks) with `text`; nullptr when none does.
const std::string* LineStarting(const std::vector<std::string>& lines, const std::string& text);

}  // namespace tubalyx
