// Where the keys a user types go: the program opens on its start text, and the page built after
// it has the keyboard in the questionnaire's first question. The window starts with a user gas,
// so every calculation's page opens with the medium data section and its first question is the
// density of the gas (`rbg`), never the data sheet's margin beside the "Data sheet" label.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include "numerics/decimal_separator.h"
#include "ui/form1.h"
#include "window_driver.h"

using namespace tubalyx;

namespace {

QString TextOf(QWidget* edit) { return qobject_cast<QLineEdit*>(edit)->text(); }

}  // namespace

using KeyboardFocus = ProgramWindow;

TEST_F(KeyboardFocus, ThePageAfterTheStartTextTakesKeysInItsFirstQuestion) {
    TForm1& f = Form1();
    struct Way {
        const char* name;
        const TMenuItem* function;  // nullptr: a click on the start text
    };
    const Way ways[] = {{"a click on the start text", nullptr},
                        {"the device page", f.Strypsnabb},
                        {"the thermodynamics page", f.Termosnabb},
                        {"the pressure-loss page", f.Tryckfsnabb},
                        {"the valve page", f.Ventiler3}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        ReopenWithSeparator(DecimalSeparator());
        ASSERT_TRUE(Widget(f.Memo2)->isVisible()) << "the window does not open on its start text";
        if (way.function)
            ChooseMenu({way.function});
        else
            Click(f.Memo2);
        QWidget* density = Widget(f.rbg);
        ASSERT_TRUE(density->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), density)
            << "the keyboard is in " << QApplication::focusWidget()->objectName().toStdString();
        EXPECT_TRUE(f.rbg.Focused());
        // The value is selected, so what the user types replaces it.
        Type("7");
        EXPECT_EQ(TextOf(density), "7");
        EXPECT_EQ(f.rbg.Text(), "7");
        if (Widget(f.vmargbox)->isVisible()) {
            EXPECT_EQ(TextOf(Widget(f.vmargbox)), "5");
        }
    }
}

// An edit the user typed into that the next page does not show hands the keyboard to that
// page's first question; an edit the page still shows keeps it.
TEST_F(KeyboardFocus, APageThatHidesTheTypedEditGivesTheKeysToItsFirstQuestion) {
    TForm1& f = Form1();
    ChooseMenu({f.Strypsnabb});
    TypeInto(f.Dstorkallmm, "100");
    ASSERT_EQ(QApplication::focusWidget(), Widget(f.Dstorkallmm));
    ChooseMenu({f.Termosnabb});
    ASSERT_FALSE(Widget(f.Dstorkallmm)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Widget(f.rbg));
    EXPECT_TRUE(f.rbg.Focused());
    TypeInto(f.temp, "30");
    ChooseMenu({f.Tryckfsnabb});
    ASSERT_TRUE(Widget(f.temp)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Widget(f.temp));
    EXPECT_TRUE(f.temp.Focused());
}

// On a desktop that activates the window at the user's first click, the click on the start
// text reaches the program before the activation, and the activation gives the keyboard back
// to the start text after the click has put it away, before the page is on the screen: the
// page's first question has the keyboard all the same.
TEST_F(KeyboardFocus, AClickThatAlsoActivatesTheWindowLeavesTheKeysInTheFirstQuestion) {
    ReopenInactive();
    TForm1& f = Form1();
    auto* memo = qobject_cast<QAbstractScrollArea*>(Widget(f.Memo2));
    ASSERT_TRUE(memo->isVisible()) << "the window does not open on its start text";
    ASSERT_EQ(QApplication::focusWidget(), nullptr) << "the window was activated before the click";
    // Press and release reach the start text at once, before the window shows the page.
    QWidget* surface = memo->viewport();
    const QPointF at(surface->width() / 2, surface->height() / 2);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, surface->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &click);
    }
    ASSERT_FALSE(f.Memo2.Visible()) << "the click did not put the start text away";
    ASSERT_TRUE(memo->isVisible());
    QApplication::setActiveWindow(&Window());
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), Widget(f.rbg))
        << "the keyboard is in " << QApplication::focusWidget()->objectName().toStdString();
    EXPECT_TRUE(f.rbg.Focused());
}
