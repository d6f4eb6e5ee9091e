// Widget tests need a QApplication before the first widget; the settings
// store and the per-user data folder are redirected into a scratch folder so
// the tests never touch the user's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);

    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tarvos");
    QApplication::setApplicationName("KELDRA");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath("settings"));

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
