#include "app/main/userguide.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace {

TEST(TUserGuide, ShowsTheGuideFromTheProgramsResources) {
    TUserGuide guide;
    EXPECT_EQ(guide.windowTitle(), "KELDRA User Guide");
    const QString text = guide.document()->toPlainText();
    for (const char* heading :
         {"Getting started: a first wall", "The input windows and tables", "Reading the results",
          "Construction stages, short and long term", "Troubleshooting the run messages"})
        EXPECT_TRUE(text.contains(heading)) << heading;
}

}  // namespace
