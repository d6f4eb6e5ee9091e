#include "app/main/appsettings.h"

#include <gtest/gtest.h>

#include <QSettings>

#include "qtprint.h"

TEST(AppSettings, RoundTripUnderTheProgramsGroupAndValueNames) {
    TAppSettings written;
    written.editorPath = "/usr/bin/gedit";
    written.recentFiles.putOnTop("/walls/B.kd5d");
    written.recentFiles.putOnTop("/walls/A.kd5d");
    writeAppSettings(written);

    QSettings store("Tarvos", "KELDRA");
    EXPECT_EQ(store.value("2015.5.6/Word Processor").toString(), "/usr/bin/gedit");
    EXPECT_EQ(store.value("2015.5.6/File1").toString(), "/walls/A.kd5d");
    EXPECT_EQ(store.value("2015.5.6/File2").toString(), "/walls/B.kd5d");
    EXPECT_TRUE(store.contains("2015.5.6/File10"));
    EXPECT_EQ(store.value("2015.5.6/File10").toString(), "");

    TAppSettings read;
    readAppSettings(read);
    EXPECT_EQ(read.editorPath, "/usr/bin/gedit");
    EXPECT_EQ(read.recentFiles.count(), 2);
    EXPECT_EQ(read.recentFiles.at(0), "/walls/A.kd5d");
    EXPECT_EQ(read.recentFiles.at(1), "/walls/B.kd5d");
}

TEST(AppSettings, AnEmptyStoredEditorKeepsTheCurrentOne) {
    TAppSettings stored;
    writeAppSettings(stored);
    TAppSettings read;
    read.editorPath = "kate";
    readAppSettings(read);
    EXPECT_EQ(read.editorPath, "kate");
    EXPECT_EQ(read.recentFiles.count(), 0);
}
