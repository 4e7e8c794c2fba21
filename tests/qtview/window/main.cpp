// The tests that drive the program's own window: the window is started as the program starts
// it, on a screen of a known size (TUBALYX_TEST_SCREEN, "1600x1000" unless given).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "qtview/program_window.h"

namespace {

// The offscreen platform takes its screens from a configuration file.
void ConfigureOffscreenScreen(const QTemporaryDir& dir) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) != "offscreen") return;
    const char* size = std::getenv("TUBALYX_TEST_SCREEN");
    int width = 1600, height = 1000;
    if (size) std::sscanf(size, "%dx%d", &width, &height);
    const QString path = dir.filePath("screen.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(QString(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2,)"
                       R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toUtf8());
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir dir;
    ConfigureOffscreenScreen(dir);
    QApplication app(argc, argv);
    tubalyx::InitProgramPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
