#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <cstdlib>

#include "forms/event_depth.h"
#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "qtview/input_forwarder.h"
#include "qtview/main_window.h"
#include "state/inputs.h"
#include "state/reset.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"
#include "ui/hide_input_controls.h"
#include "ui/input_transfer.h"
#include "ui/layout_controls.h"
#include "ui/questionnaire.h"
#include "ui/window_metrics.h"

using namespace tubalyx;

namespace {
// Key presses as the user types them, delivered to the focused widget.
void TypeText(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void ProcessEventsFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QApplication::processEvents();
}

// One window for all tests: the model form lives for the program's life.
MainWindow& Window() {
    static MainWindow* window = [] {
        BaseFontSize = 20;
        Form1().SetFontSize(20);
        Form1().SetBounds(0, 0, 1440, 810);
        LayoutControls();
        auto* w = new MainWindow(Form1());
        w->show();
        return w;
    }();
    return window ? *window : *window;
}
}  // namespace

TEST(QtView, LabelCaptionAndEditTextAppearInTheWidgets) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    // The edit's handler rebuilds the page of the start medium: the label is set after it.
    // The number is typed with the platform's separator, which the handler keeps.
    const std::string typed = std::string("101") + DecimalSeparator() + "325";
    f.abstryckantal.SetVisible(true);
    f.abstryckantal.SetText(typed);
    f.Medialabel.SetVisible(true);
    f.Medialabel.SetCaption("Naturgas/Gas");
    w.SyncNow();
    auto* label = qobject_cast<QLabel*>(w.WidgetFor(&f.Medialabel));
    auto* edit = qobject_cast<QLineEdit*>(w.WidgetFor(&f.abstryckantal));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(label->text().toStdString(), "Naturgas/Gas");
    EXPECT_EQ(edit->text().toStdString(), typed);
    EXPECT_FALSE(label->isHidden());
    // Hiding in the model hides the widget.
    f.Medialabel.SetVisible(false);
    w.SyncNow();
    EXPECT_TRUE(label->isHidden());
}

TEST(QtView, TypingIntoTheEditFiresTheModelChangeEvent) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    f.temp.SetVisible(true);
    f.temp.SetText("");
    w.SyncNow();
    std::string seen;
    int changes = 0;
    f.temp.OnChange = [&](TControl*) {
        ++changes;
        seen = f.temp.Text();
    };
    auto* edit = qobject_cast<QLineEdit*>(w.WidgetFor(&f.temp));
    ASSERT_NE(edit, nullptr);
    TypeText(edit, "25,5");
    EXPECT_EQ(changes, 4);  // one change per typed character
    EXPECT_EQ(seen, "25,5");
    EXPECT_EQ(f.temp.Text(), "25,5");
    f.temp.OnChange = nullptr;
}

TEST(QtView, ClickingAMenuItemRunsItsHandlerUnlessDisabled) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    int clicks = 0;
    f.Termosnabb->SetCaption("Thermodynamics");
    f.Termosnabb->OnClick = [&](TControl*) { ++clicks; };
    w.SyncNow();
    QAction* action = w.ActionFor(f.Termosnabb);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text().toStdString(), "Thermodynamics");
    action->trigger();
    EXPECT_EQ(clicks, 1);
    // A pop-up item inside a sub-menu is wired the same way.
    int itemClicks = 0;
    f.GAS->OnClick = [&](TControl*) { ++itemClicks; };
    w.ActionFor(f.GAS)->trigger();
    EXPECT_EQ(itemClicks, 1);
    f.GAS->SetEnabled(false);
    w.SyncNow();
    EXPECT_FALSE(w.ActionFor(f.GAS)->isEnabled());
    f.GAS->SetEnabled(true);
    f.Termosnabb->OnClick = nullptr;
    f.GAS->OnClick = nullptr;
}

TEST(QtView, ModelPopupOpensTheQtMenu) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    w.SyncNow();  // what an earlier test left is on the screen before the pop-up opens
    f.Mediamenu.Popup(100, 120);
    w.SyncNow();
    QMenu* menu = w.MenuFor(&f.Mediamenu);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST(QtView, ALabelsPopupOpensJustBelowTheLabelOnTheScreen) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    f.Medialabel.SetVisible(true);
    f.Medialabel.SetLeft(40);
    f.Medialabel.SetTop(60);
    // On the screen, whatever page scroll an earlier test left.
    f.SetHorzScrollPosition(0);
    f.SetVertScrollPosition(0);
    w.SyncNow();
    f.Medialabel.UserMouseUp(TMouseButton::Left, 0, 1, 1);
    w.SyncNow();
    QMenu* menu = w.MenuFor(&f.Mediamenu);
    const QWidget* label = w.WidgetFor(&f.Medialabel);
    ASSERT_TRUE(menu && label);
    EXPECT_EQ(menu->pos(), label->mapToGlobal(QPoint(0, label->height())));
    menu->hide();
}

TEST(QtView, GridCellsAndUserEditsGoBothWays) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    TStringGrid& g = f.PTKompgrid;
    g.SetVisible(true);
    g.SetColCount(11);
    g.SetRowCount(11);
    g.SetCell(0, 1, "100");
    g.SetRowHeight(5, 0);
    g.SetEditing(false);
    w.SyncNow();
    auto* table = qobject_cast<QTableWidget*>(w.WidgetFor(&g));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->item(1, 0)->text().toStdString(), "100");
    EXPECT_TRUE(table->isRowHidden(5));
    int edits = 0;
    g.OnSetEditText = [&](TControl*, int col, int row, const std::string& v) {
        ++edits;
        EXPECT_EQ(col, 2);
        EXPECT_EQ(row, 3);
        EXPECT_EQ(v, "7");
    };
    // Without the editing option a typed cell is refused.
    table->item(3, 2)->setText("7");
    EXPECT_EQ(edits, 0);
    g.SetEditing(true);
    w.SyncNow();
    table->item(3, 2)->setText("7");
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(g.Cell(2, 3), "7");
    g.OnSetEditText = nullptr;
}

TEST(QtView, RichEditRunsKeepTheirColour) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    TRichEdit& r = f.RichEdit1;
    r.SetVisible(true);
    r.Clear();
    r.SetSelColor(clBlack);
    r.Add("OUTPUT");
    r.SetSelColor(clRed);
    r.Add("INPUT ERROR!!!");
    r.SetSelColor(clBlack);
    w.SyncNow();
    auto* text = qobject_cast<QTextEdit*>(w.WidgetFor(&r));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText().toStdString(), "OUTPUT\nINPUT ERROR!!!");
    QTextCursor cursor(text->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::Right);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
}

TEST(QtView, RichEditSelectionCountsCharactersBeyondTheBasicPlane) {
    MainWindow& w = Window();
    TRichEdit& r = Form1().RichEdit1;
    r.SetVisible(true);
    r.Clear();
    r.SetSelColor(clBlack);
    r.Add("a\xF0\x9D\x9B\xBC=b");  // mathematical italic alpha: two UTF-16 units, one character
    r.Add(
        "\xF0\x9F\x98\x80"
        "c");
    w.SyncNow();
    auto* text = qobject_cast<QTextEdit*>(w.WidgetFor(&r));
    ASSERT_NE(text, nullptr);
    // Model to widget: character 3 is "b".
    r.SetSelStart(3);
    r.SetSelLength(1);
    w.SyncNow();
    EXPECT_EQ(text->textCursor().selectedText().toStdString(), "b");
    // Widget to model: the user selects "c" on the second line.
    QTextCursor cursor(text->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
    ASSERT_EQ(cursor.selectedText().toStdString(), "c");
    text->setTextCursor(cursor);
    EXPECT_EQ(r.SelStart(), 6);
    EXPECT_EQ(r.SelLength(), 1);
    r.SetSelColor(clRed);
    EXPECT_EQ(r.AttributesAt(6).Color, clRed);
    EXPECT_EQ(r.AttributesAt(5).Color, clBlack);
    EXPECT_EQ(r.Text(),
              "a\xF0\x9D\x9B\xBC=b\n\xF0\x9F\x98\x80"
              "c");
    r.SetSelStart(0);
    r.SetSelColor(clBlack);
}

TEST(QtView, PrintingTheReportToPdfGivesANonEmptyPdf) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = (dir.path() + "/report.pdf").toStdString();
    TForm1& f = Form1();
    f.RichEdit1.Clear();
    for (int i = 0; i < 120; ++i) f.RichEdit1.Add("Density____________________________________(kg/m3)= 1,2345");
    TPrinter& p = Printer();
    p.OutputFileName = path;
    p.Title = "Tubalyx";
    p.BeginDoc();
    int y = 300;
    for (int i = 0; i < f.RichEdit1.LineCount(); ++i) {
        p.Canvas().Font.Size = 10;
        const int lineHeight = p.Canvas().TextHeight("X");
        if (y + lineHeight > p.PageHeight() - 300) {
            p.NewPage();
            y = 300;
        }
        p.Canvas().TextOut(300, y, f.RichEdit1.Line(i));
        y += lineHeight;
    }
    const int pages = p.PageNumber();
    p.EndDoc();
    p.OutputFileName.clear();
    EXPECT_GE(pages, 2);
    QFile pdf(QString::fromStdString(path));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
}

TEST(QtView, ClickOnALabelAndFocusOfAnEditReachTheModel) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    f.ISODIN.SetCaption("ISO5167:2003");
    f.ISODIN.SetVisible(true);
    w.SyncNow();
    int clicks = 0, formPresses = 0, formClicks = 0;
    f.ISODIN.OnClick = [&](TControl*) { ++clicks; };
    // The form's own press and click open the navigation menu: a label's click is not theirs.
    const auto formPress = f.OnMouseDown;
    const auto formClick = f.OnClick;
    f.OnMouseDown = [&](TControl*, TMouseButton, TShiftState, int, int) { ++formPresses; };
    f.OnClick = [&](TControl*) { ++formClicks; };
    QWidget* label = w.WidgetFor(&f.ISODIN);
    ASSERT_NE(label, nullptr);
    const QPointF inside(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, label->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(formPresses, 0);
    EXPECT_EQ(formClicks, 0);
    f.ISODIN.OnClick = nullptr;
    f.OnMouseDown = formPress;
    f.OnClick = formClick;
    // Focus moving between two edits fires the first one's exit event. Whatever an earlier test
    // left focused leaves first (its exit handler may rebuild the page), and both edits are
    // shown: a widget the model hides takes no focus.
    f.kalminreyn.SetFocus();
    f.kaltemp.SetVisible(true);
    f.kalminreyn.SetVisible(true);
    w.SyncNow();
    int exits = 0;
    f.kaltemp.OnExit = [&](TControl*) { ++exits; };
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(w.WidgetFor(&f.kaltemp), &in);
    EXPECT_TRUE(f.kaltemp.Focused());
    QApplication::sendEvent(w.WidgetFor(&f.kalminreyn), &in);
    EXPECT_TRUE(f.kalminreyn.Focused());
    EXPECT_EQ(exits, 1);
    f.kaltemp.OnExit = nullptr;
}

TEST(QtView, TheFormPrintsAsAnImageIntoAPdf) {
    Window();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = (dir.path() + "/form.pdf").toStdString();
    Printer().OutputFileName = path;
    EXPECT_TRUE(Form1().Print());
    Printer().OutputFileName.clear();
    QFile pdf(QString::fromStdString(path));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST(QtView, HourglassCursorWhileTheModelAsksForIt) {
    Screen().SetCursor(TCursor::crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen().SetCursor(TCursor::crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtView, EveryControlOfTheWindowHasItsWidget) {
    MainWindow& w = Window();
    for (TControl* c : Form1().Controls()) {
        QWidget* widget = w.WidgetFor(c);
        ASSERT_NE(widget, nullptr) << c->Name();
        EXPECT_EQ(widget->objectName().toStdString(), c->Name());
    }
}

TEST(QtView, AnEndlessChangeChainTypedIntoAnEditEndsInTheLogAndTheWindowGoesOn) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    f.Cf.SetVisible(true);
    f.kaltemp.SetVisible(true);
    f.Cf.SetText("");
    f.kaltemp.SetText("");
    f.Cf.OnChange = [&](TControl*) { f.kaltemp.SetText(f.Cf.Text() + "1"); };
    f.kaltemp.OnChange = [&](TControl*) { f.Cf.SetText(f.kaltemp.Text() + "2"); };
    ClearLastInputError();
    auto* edit = qobject_cast<QLineEdit*>(w.WidgetFor(&f.Cf));
    ASSERT_NE(edit, nullptr);
    TypeText(edit, "5");
    EXPECT_NE(LastInputError().find("deeper than 64"), std::string::npos) << LastInputError();
    EXPECT_EQ(EventDepth(), 0);
    f.Cf.OnChange = nullptr;
    f.kaltemp.OnChange = nullptr;
    // The window still shows the model, and the next input works.
    w.SyncNow();
    EXPECT_EQ(edit->text().toStdString(), f.Cf.Text());
    auto* other = qobject_cast<QLineEdit*>(w.WidgetFor(&f.kaltemp));
    EXPECT_EQ(other->text().toStdString(), f.kaltemp.Text());
    ClearLastInputError();
    f.Cf.SetText("");
    w.SyncNow();
    TypeText(edit, "8");
    EXPECT_EQ(f.Cf.Text(), "8");
    EXPECT_EQ(LastInputError(), "");
}

// Run by hand under a display with TUBALYX_SCREENSHOT=file.png to look at the window.
TEST(QtView, ScreenshotOnRequest) {
    const char* file = std::getenv("TUBALYX_SCREENSHOT");
    if (!file) GTEST_SKIP() << "no screenshot requested";
    MainWindow& w = Window();
    TForm1& f = Form1();
    HideInputControls();
    f.Mediarubrik.SetCaption("Media: ");
    f.Mediarubrik.SetBounds(10, 10, 0, 0);
    f.Mediarubrik.SetVisible(true);
    f.Medialabel.SetCaption("Gas");
    f.Medialabel.SetColor(clYellow);
    f.Medialabel.SetBounds(10 + f.Mediarubrik.Width(), 10, 0, 0);
    f.Medialabel.SetVisible(true);
    f.minflowtext.SetCaption("Minimal flow?___________________________________________ ");
    f.minflowtext.SetBounds(10, 40, 0, 0);
    f.minflowtext.SetVisible(true);
    f.Memo2.Add("Memo2");
    f.abstryckantal.SetBounds(10 + f.minflowtext.Width(), 40, 136, 27);
    f.abstryckantal.SetVisible(true);
    f.ViktVolprocGrid.SetBounds(10, 90, 0, 0);
    LayoutControls();
    f.ViktVolprocGrid.SetVisible(true);
    f.Memo2.SetBounds(10, 560, 600, 100);
    f.Memo2.SetVisible(true);
    f.PaintBox1.SetVisible(false);
    w.SyncNow();
    ProcessEventsFor(300);
    // Showing the window moves the view to the focused edit; look at the top left instead.
    f.SetHorzScrollPosition(0);
    f.SetVertScrollPosition(0);
    w.SyncNow();
    ProcessEventsFor(100);
    EXPECT_TRUE(w.grab().save(QString::fromUtf8(file)));
}

// The orifice page as the page manager will build it: the widgets stand where the model put
// the controls. With TUBALYX_QUESTIONNAIRE_SCREENSHOT=file.png the window is saved to look at.
TEST(QtView, OrificeQuestionnaireWidgetsStandWhereTheModelPlacesThem) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    ResetStateVariables();  // an orifice with corner tappings solved for the bore, on a gas
    UpstreamFittingCode = "1";
    ApplyLanguage('E');
    HideInputControls();
    f.Memo2.SetVisible(false);
    f.PaintBox1.SetVisible(false);  // the page manager places the graph below the uncertainty page
    f.dstorkallsort.SetCaption("mm");
    FlowUnit = MinFlowUnit = "kg/h";
    WriteInputsToForm();
    f.SetHorzScrollPosition(0);
    f.SetVertScrollPosition(0);
    LayoutTop = 0;
    InputTabOrder = 0;
    BuildThroatDevicePage('S', LayoutTop);
    w.SyncNow();
    ProcessEventsFor(100);
    for (const TControl* c :
         {(TControl*)&f.mtrlfl, (TControl*)&f.utvfltext, (TControl*)&f.utvfl, (TControl*)&f.rordiamtextin,
          (TControl*)&f.Dstorkallmm, (TControl*)&f.dstorkallsort, (TControl*)&f.difftryckmaxantal,
          (TControl*)&f.givenrakut, (TControl*)&f.tillvunderlagtextin}) {
        QWidget* widget = w.WidgetFor(c);
        ASSERT_NE(widget, nullptr) << c->Name();
        EXPECT_TRUE(widget->isVisible()) << c->Name();
        EXPECT_EQ(widget->geometry(), QRect(c->Left(), c->Top(), c->Width(), c->Height())) << c->Name();
    }
    // The edits of consecutive lines share one column right of the 57-character prompts.
    EXPECT_EQ(w.WidgetFor(&f.Dstorkallmm)->x(), w.WidgetFor(&f.Dstorrahetmm)->x());
    if (const char* file = std::getenv("TUBALYX_QUESTIONNAIRE_SCREENSHOT")) {
        // The page's top left, wherever the focused edit has scrolled the view.
        QWidget* page = w.WidgetFor(&f.mtrlfl)->parentWidget();
        EXPECT_TRUE(page->grab(QRect(0, 0, 1600, 900)).save(QString::fromUtf8(file)));
    }
}

// A press in the report reaches the model once the caret stands at the click, so the report's
// handler selects from the previous click to this one, and the selection shows.
TEST(QtView, ClickIntoTheReportSelectsFromThePreviousClick) {
    MainWindow& w = Window();
    TForm1& f = Form1();
    HideInputControls();
    f.RichEdit1.Clear();
    for (const char* line : {"first line", "second line", "third line"}) f.RichEdit1.Add(line);
    f.RichEdit1.SetBounds(10, 10, 600, 300);
    f.RichEdit1.SetVisible(true);
    f.SetVertScrollPosition(0);
    w.SyncNow();
    ProcessEventsFor(50);
    auto* view = qobject_cast<QTextEdit*>(w.WidgetFor(&f.RichEdit1));
    ASSERT_NE(view, nullptr);
    auto clickAt = [&](int block, int column) {
        QTextCursor cursor(view->document()->findBlockByNumber(block));
        cursor.setPosition(cursor.position() + column);
        const QPoint at = view->cursorRect(cursor).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &release);
        w.SyncNow();
        ProcessEventsFor(20);
    };
    clickAt(1, 3);
    EXPECT_EQ(f.RichEdit1.SelStart(), 0);
    EXPECT_EQ(f.RichEdit1.SelLength(), 14);
    clickAt(0, 5);
    EXPECT_EQ(f.RichEdit1.SelStart(), 5);
    EXPECT_EQ(f.RichEdit1.SelLength(), 9);
    EXPECT_EQ(view->textCursor().selectedText().size(), 9);
}
