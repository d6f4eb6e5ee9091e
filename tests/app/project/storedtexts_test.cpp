#include "app/project/storedtexts.h"

#include <gtest/gtest.h>

#include "app/project/projectwriter.h"
#include "projectfixture.h"

namespace {

// A title the file cannot keep is named with the text it would hold instead, which is what
// the writer writes; keeping the stored texts makes the project hold that text.
TEST(StoredTexts, TitlesOutsideLatin1AreNamedWithWhatTheFileKeeps) {
    const struct {
        QString title;
        QString stored;  // empty when the file keeps the title as it is
    } cases[] = {
        {QStringLiteral("Sheet-pile wall"), {}},
        {QStringLiteral("Kaimauer K\u00f6ln, \u00a7 4"), {}},
        {QStringLiteral("\u65e5\u672c"), QStringLiteral("??")},
        {QStringLiteral("Wall \u2013 stage A"), QStringLiteral("Wall ? stage A")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        TProjectFixture fixture;
        fixture.project.title = c.title;
        const QString written = crlfLines(TProjectWriter(fixture.project).projectFile()).first();
        const QList<TStoredTextChange> changes = storedTextChanges(fixture.project);
        if (c.stored.isEmpty()) {
            EXPECT_TRUE(changes.isEmpty());
            EXPECT_EQ(written, c.title);
            continue;
        }
        ASSERT_EQ(changes.size(), 1);
        EXPECT_EQ(changes[0].what, "Title");
        EXPECT_EQ(changes[0].text, c.title);
        EXPECT_EQ(changes[0].stored, c.stored);
        EXPECT_EQ(written, c.stored);

        keepStoredTexts(fixture.project);
        EXPECT_EQ(fixture.project.title, c.stored);
        EXPECT_TRUE(storedTextChanges(fixture.project).isEmpty());
    }
}

}  // namespace
