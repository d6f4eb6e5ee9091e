#include "app/main/recentfiles.h"

#include <gtest/gtest.h>

#include "qtprint.h"

namespace {

QStringList places(const TRecentFiles& recent) {
    QStringList list;
    for (int i = 0; i < TRecentFiles::kCapacity; ++i) list << recent.at(i);
    while (!list.isEmpty() && list.last().isEmpty()) list.removeLast();
    return list;
}

TRecentFiles filled(const QStringList& names) {
    TRecentFiles recent;
    for (auto it = names.crbegin(); it != names.crend(); ++it) recent.putOnTop(*it);
    return recent;
}

}  // namespace

TEST(RecentFiles, PuttingOnTopMovesOrInsertsAndDropsTheTenth) {
    struct Case {
        const char* what;
        QStringList before;
        QString name;
        QStringList after;
        bool changed;
    };
    const QStringList ten = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    const Case cases[] = {
        {"into an empty list", {}, "a", {"a"}, true},
        {"already first", {"a", "b", "c"}, "a", {"a", "b", "c"}, false},
        {"third moves to the top", {"a", "b", "c", "d"}, "c", {"c", "a", "b", "d"}, true},
        {"new name drops the tenth",
         ten,
         "k",
         {"k", "a", "b", "c", "d", "e", "f", "g", "h", "i"},
         true},
        {"tenth moves to the top",
         ten,
         "j",
         {"j", "a", "b", "c", "d", "e", "f", "g", "h", "i"},
         true},
        {"names compare case-sensitively",
         {"Wall.kd5d"},
         "wall.kd5d",
         {"wall.kd5d", "Wall.kd5d"},
         true},
    };
    for (const Case& c : cases) {
        TRecentFiles recent = filled(c.before);
        EXPECT_EQ(recent.putOnTop(c.name), c.changed) << c.what;
        EXPECT_EQ(places(recent), c.after) << c.what;
        EXPECT_EQ(recent.count(), c.after.size()) << c.what;
    }
}

TEST(RecentFiles, MenuTextIsRelativeToTheCurrentDirectoryOnlyInsideIt) {
    const TRecentFiles recent =
        filled({"/walls/Wall.kd5d", "/walls/deep/Pit.kd5d", "/other/A.kd5d"});
    EXPECT_EQ(recent.menuText(0, "/walls"), "1 Wall.kd5d");
    EXPECT_EQ(recent.menuText(0, "/walls/"), "1 Wall.kd5d");
    EXPECT_EQ(recent.menuText(1, "/walls"), "2 deep/Pit.kd5d");
    EXPECT_EQ(recent.menuText(2, "/walls"), "3 /other/A.kd5d");
    EXPECT_EQ(recent.menuText(0, "/wal"), "1 /walls/Wall.kd5d");
}
