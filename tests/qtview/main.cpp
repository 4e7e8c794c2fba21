#include <gtest/gtest.h>
#include <QApplication>

#include "qtview/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tubalyx::InstallQtPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
