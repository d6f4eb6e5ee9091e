#include "app/main/caption.h"

#include <gtest/gtest.h>

#include "qtprint.h"

TEST(Caption, ShowsTheDisplayNameOfTheProjectFile) {
    const struct {
        QString fileName;
        QString display;
    } cases[] = {
        {"NewWall.kd5d", "NewWall.kd5d"},
        {"/home/eng/walls/pit.kd5d", "Pit.kd5d"},
        {"/home/eng/walls/anchored.kdd", "Anchored"},
        {"/home/eng/walls/OLD.KDD", "OLD"},
        {"/home/eng/walls/cut.kd4d", "Cut.kd4d"},
        {"/walls/w", "w"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(displayName(c.fileName), c.display) << c.fileName.toStdString();
        EXPECT_EQ(mainCaption(c.fileName), "KELDRA 2015.5.6 - " + c.display);
    }
}
