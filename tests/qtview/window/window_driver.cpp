#include "window_driver.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "qtview/program_window.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"

namespace tubalyx {

void ProgramWindow::SetUp() {
    window_ = OpenMainWindow();
    QApplication::setActiveWindow(window_.get());
    Settle();
}

void ProgramWindow::ReopenWithSeparator(char separator) {
    window_.reset();
    ResetCalculationState();
    if (!platformSeparator_) platformSeparator_ = DecimalSeparator();
    SetDecimalSeparator(separator);
    SetUp();
}

void ProgramWindow::ReopenInactive() {
    window_.reset();
    ResetCalculationState();
    QApplication::setActiveWindow(nullptr);
    window_ = OpenMainWindow();
}

void ProgramWindow::AnswerNextDialog(std::function<void(QDialog&)> answer) {
    auto* timer = new QTimer(window_.get());
    QElapsedTimer waited;
    waited.start();
    // The dialog is answered from inside its own event loop: an answer given before its loop
    // runs would be lost, and the dialog would wait for ever. One that the answer leaves open,
    // or that never opens, fails the test after a minute instead of hanging it.
    const int outerLoops = QThread::currentThread()->loopLevel();
    // A dialog answered and closed (or already gone) ends the timer, so that it answers no later dialog.
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, waited, answer, outerLoops, answered = QPointer<QDialog>(), done = false]() mutable {
                         auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                         if (dialog && (!dialog->isVisible() || QThread::currentThread()->loopLevel() <= outerLoops))
                             dialog = nullptr;
                         const bool late = waited.elapsed() > 60000;
                         if (done) {
                             if (!answered || !answered->isVisible()) return timer->deleteLater();
                             if (!late) return;
                             ADD_FAILURE() << "the dialog stayed open";
                             answered->reject();
                             return timer->deleteLater();
                         }
                         if (dialog) {
                             answered = dialog;
                             done = true;
                             answer(*dialog);
                         } else if (late) {
                             ADD_FAILURE() << "no dialog opened";
                             timer->deleteLater();
                         }
                     });
    timer->start(10);
}

void ProgramWindow::TearDown() {
    if (platformSeparator_) SetDecimalSeparator(platformSeparator_);
    for (QWidget* popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
        popup->close();
    window_.reset();
}

QWidget* ProgramWindow::Widget(const TControl& control) const { return window_->WidgetFor(&control); }

QScrollArea& ProgramWindow::Page() const { return *qobject_cast<QScrollArea*>(window_->centralWidget()); }

QTableWidget& ProgramWindow::Table(const TStringGrid& grid) const { return *qobject_cast<QTableWidget*>(Widget(grid)); }

QTextEdit& ProgramWindow::Report() const { return *qobject_cast<QTextEdit*>(Widget(Form1().RichEdit1)); }

void ProgramWindow::Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    // The offscreen platform leaves no window active once a pop-up menu has closed; a desktop
    // gives the activation back to the window.
    if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget() &&
        QApplication::activeWindow() != window_.get())
        QApplication::setActiveWindow(window_.get());
    window_->SyncNow();
    QApplication::processEvents();
}

void ProgramWindow::Click(const TControl& control, QPoint at) {
    Settle();
    QWidget* widget = Widget(control);
    ASSERT_NE(widget, nullptr) << control.Name();
    ASSERT_TRUE(widget->isVisible()) << control.Name() << " is not shown";
    if (at.x() < 0) at = QPoint(widget->width() / 2, widget->height() / 2);
    Page().ensureVisible(widget->mapTo(Page().widget(), at).x(), widget->mapTo(Page().widget(), at).y(), 10, 10);
    Settle();
    const QPoint inWindow = widget->mapTo(window_.get(), at);
    QWidget* hit = window_->childAt(inWindow);
    ASSERT_TRUE(hit == widget || widget->isAncestorOf(hit))
        << control.Name() << ": the click lands on " << (hit ? hit->objectName().toStdString() : "nothing");
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    Settle();
}

namespace {
QAction* ActionOf(const MainWindow& window, const TMenuItem* item) {
    QAction* action = window.ActionFor(item);
    EXPECT_NE(action, nullptr) << item->Name();
    return action;
}

void ClickAction(QWidget* holder, QAction* action) {
    QRect place;
    if (auto* bar = qobject_cast<QMenuBar*>(holder)) place = bar->actionGeometry(action);
    if (auto* menu = qobject_cast<QMenu*>(holder)) place = menu->actionGeometry(action);
    ASSERT_FALSE(place.isEmpty()) << action->objectName().toStdString() << " is not shown";
    ASSERT_TRUE(action->isEnabled()) << action->objectName().toStdString() << " is disabled";
    QTest::mouseClick(holder, Qt::LeftButton, Qt::NoModifier, place.center());
}

// Clicks down the path from the menu or bar that shows its first item.
void ClickPath(QWidget* holder, const MainWindow& window, std::initializer_list<const TMenuItem*> path) {
    for (const TMenuItem* item : path) {
        ASSERT_NE(holder, nullptr);
        ASSERT_TRUE(holder->isVisible()) << "the menu holding " << item->Name() << " is not open";
        QAction* action = ActionOf(window, item);
        ASSERT_NE(action, nullptr);
        ClickAction(holder, action);
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
        holder = action->menu();
        // A sub-menu of a pop-up opens after a short delay.
        if (holder) {
            EXPECT_TRUE(QTest::qWaitFor([holder] { return holder->isVisible(); }, 2000));
        }
    }
}
}  // namespace

void ProgramWindow::ChooseMenu(std::initializer_list<const TMenuItem*> path) {
    Settle();
    ClickPath(window_->menuBar(), *window_, path);
    Settle();
}

void ProgramWindow::ChooseMenuByKeys(std::initializer_list<const TMenuItem*> path) {
    Press(Qt::Key_Alt, Qt::AltModifier);
    QWidget* holder = window_->menuBar();
    ASSERT_EQ(QApplication::focusWidget(), holder) << "Alt does not give the keyboard to the menu bar";
    for (const TMenuItem* item : path) {
        QAction* action = ActionOf(*window_, item);
        ASSERT_NE(action, nullptr);
        auto active = [&] {
            if (auto* bar = qobject_cast<QMenuBar*>(holder)) return bar->activeAction();
            return qobject_cast<QMenu*>(holder)->activeAction();
        };
        const bool onBar = holder == window_->menuBar();
        // The arrows go on from the item the bar or the opened menu shows active.
        for (int step = 0; active() != action; ++step) {
            ASSERT_LT(step, holder->actions().size() + 1) << item->Name() << " is not reached by the arrow keys";
            Press(onBar ? Qt::Key_Right : Qt::Key_Down);
        }
        Press(Qt::Key_Return);
        if (action->menu()) {
            holder = action->menu();
            ASSERT_TRUE(QTest::qWaitFor([holder] { return holder->isVisible(); }, 2000)) << item->Name();
        }
    }
    Settle();
}

void ProgramWindow::ChoosePopup(const TPopupMenu& menu, std::initializer_list<const TMenuItem*> path) {
    Settle();
    ClickPath(window_->MenuFor(&menu), *window_, path);
    Settle();
}

// Press and release each go to the widget that has the focus at that moment, as from a keyboard.
void ProgramWindow::Press(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyPress(static_cast<QWidget*>(nullptr), static_cast<Qt::Key>(key), modifiers);
    QTest::keyRelease(static_cast<QWidget*>(nullptr), static_cast<Qt::Key>(key), modifiers);
    Settle();
}

void ProgramWindow::Type(const QString& text) {
    for (const QChar c : text) {
        QTest::keyPress(static_cast<QWidget*>(nullptr), c.toLatin1());
        QTest::keyRelease(static_cast<QWidget*>(nullptr), c.toLatin1());
    }
    Settle();
}

void ProgramWindow::TypeInto(const TEdit& edit, const QString& text) {
    Click(edit);
    Press(Qt::Key_A, Qt::ControlModifier);
    Type(text);
}

void ProgramWindow::ClickCell(const TStringGrid& grid, int col, int row) {
    QTableWidget& table = Table(grid);
    const QRect cell = table.visualRect(table.model()->index(row, col));
    ASSERT_FALSE(cell.isEmpty()) << grid.Name() << " cell " << col << "," << row << " is not shown";
    Click(grid, table.viewport()->mapTo(&table, cell.center()));
}

void ProgramWindow::TypeIntoCell(const TStringGrid& grid, int col, int row, const QString& text, int endKey) {
    ClickCell(grid, col, row);
    Type(text);
    Press(endKey);
}

std::string ProgramWindow::CellShown(const TStringGrid& grid, int col, int row) const {
    const QTableWidgetItem* item = Table(grid).item(row, col);
    return item ? item->text().toStdString() : std::string();
}

void ProgramWindow::Run() { Click(Form1().Label1); }

std::vector<std::string> ProgramWindow::ReportLines() const {
    std::vector<std::string> lines;
    for (QTextBlock b = Report().document()->begin(); b.isValid(); b = b.next())
        lines.push_back(b.text().toStdString());
    return lines;
}

bool ProgramWindow::ReportLineSeen(int line, bool upperHalf) const {
    const QTextEdit& view = Report();
    const QTextBlock block = view.document()->findBlockByNumber(line);
    if (!block.isValid()) return false;
    QRect place = view.document()->documentLayout()->blockBoundingRect(block).toRect();
    place.translate(-view.horizontalScrollBar()->value(), -view.verticalScrollBar()->value());
    place.setWidth(std::min(place.width(), 200));
    const QRect inPage(view.viewport()->mapTo(Page().widget(), place.topLeft()), place.size());
    QRect seen(-Page().widget()->pos(), Page().viewport()->size());
    if (upperHalf) seen.setHeight(seen.height() / 2);
    return view.viewport()->rect().contains(place) && seen.contains(inPage);
}

void ProgramWindow::Screenshot(const char* name) {
    const char* folder = std::getenv("TUBALYX_SHOTS");
    if (!folder) return;
    Settle();
    QTest::qWait(200);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString("%1/%2.png").arg(folder, name));
}

const std::string* LineStarting(const std::vector<std::string>& lines, const std::string& text) {
    auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
        const std::size_t first = l.find_first_not_of(' ');
        return first != std::string::npos && l.compare(first, text.size(), text) == 0;
    });
    return it == lines.end() ? nullptr : &*it;
}

double ReportValue(const std::vector<std::string>& lines, const std::string& label) {
    const std::string* line = LineStarting(lines, label);
    EXPECT_NE(line, nullptr) << "no report line " << label;
    if (!line) return 0.0;
    // The first number after the label's "= " (a line may hold a second value after it).
    const std::size_t equals = line->find("= ", line->find(label) + label.size() - 1);
    EXPECT_NE(equals, std::string::npos) << *line;
    if (equals == std::string::npos) return 0.0;
    const std::size_t start = line->find_first_not_of(' ', equals + 2);
    std::string number = start == std::string::npos ? "" : line->substr(start, line->find(' ', start) - start);
    return StrToFloatAnySep(number);
}

}  // namespace tubalyx
