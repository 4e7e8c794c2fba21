// The window opens nine tenths of the screen wide and of the available height high, centred and
// resizable, and every calculation's page shows its "Run" label without scrolling.
#include <QScreen>
#include <QScrollArea>

#include "ui/form1.h"
#include "window_driver.h"

using namespace tubalyx;

using WindowSize = ProgramWindow;

TEST_F(WindowSize, OpensAtNineTenthsOfTheScreenWithEveryRunLabelInView) {
    TForm1& f = Form1();
    const QRect screen = Window().screen()->geometry(), available = Window().screen()->availableGeometry();
    const QRect frame = Window().frameGeometry();
    EXPECT_NEAR(frame.height(), available.height() * 9 / 10, available.height() / 100);
    EXPECT_NEAR(frame.width(), screen.width() * 9 / 10, screen.width() / 50);
    EXPECT_NEAR(frame.center().x(), screen.center().x(), screen.width() / 100);
    EXPECT_TRUE(available.contains(frame));
    EXPECT_TRUE(Window().minimumHeight() < frame.height() && Window().maximumHeight() > available.height());
    for (const TMenuItem* function : {f.Strypsnabb, f.Commersialflowmeters1, f.Termosnabb, f.Tryckfsnabb,
                                      f.Flowgeneral1, f.Ventiler3, f.Restrictionorifice2}) {
        ChooseMenu({function});
        const QWidget* run = Widget(f.Label1);
        EXPECT_TRUE(Page().viewport()->rect().contains(QRect(run->mapTo(Page().viewport(), QPoint()), run->size())))
            << function->Name() << ": the Run label ends at "
            << run->mapTo(Page().viewport(), QPoint()).y() + run->height() << ", the page shows "
            << Page().viewport()->height() << " pixels";
        Screenshot(("page_" + function->Name()).c_str());
    }
}
