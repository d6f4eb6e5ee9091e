// The graph tests draw into images and open windows: a QApplication exists before the first
// test, on the offscreen platform unless another one is asked for. The settings store is
// redirected into a scratch folder so the tests never touch the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath("settings"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
