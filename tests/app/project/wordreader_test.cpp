#include "app/project/wordreader.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "app/project/inouterror.h"

namespace {

#define EXPECT_INOUT_ERROR(statement, text)        \
    try {                                          \
        (void)(statement);                         \
        ADD_FAILURE() << "no error raised";        \
    } catch (const EInOutError& error) {           \
        EXPECT_EQ(error.message(), QString(text)); \
    }

TEST(WordReader, SplitsOnRunsOfBlanksAndTabsAndKeepsTheLine) {
    const QByteArray line = "  1.5\t\t2   3 ";
    TWordReader reader(line + "\r\nnext\r\n");
    EXPECT_EQ(TWordReader::SplitWords(QString::fromLatin1(line)), QStringList({"1.5", "2", "3"}));
    EXPECT_EQ(reader.ReadFloat(), 1.5);
    EXPECT_EQ(reader.ReadInteger(), 2);
    EXPECT_EQ(reader.ReadLine(), QString::fromLatin1(line));
    EXPECT_EQ(reader.NextWord(), "next");
    EXPECT_FALSE(reader.AtEnd());
}

TEST(WordReader, AfterReadLineTheNextWordIsTheFirstOfTheFollowingLine) {
    TWordReader reader("a b c\nd e\n");
    EXPECT_EQ(reader.NextWord(), "a");
    EXPECT_EQ(reader.ReadLine(), "a b c");
    EXPECT_EQ(reader.NextWord(), "d");
    EXPECT_EQ(reader.NextWord(), "e");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine(), "d e");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(WordReader, LineEndsOfEveryKind) {
    TWordReader reader("1\r\n2\n3\r4");
    EXPECT_EQ(reader.LineCount(), 4);
    for (int expected = 1; expected <= 4; ++expected) EXPECT_EQ(reader.ReadInteger(), expected);
    EXPECT_INOUT_ERROR(reader.NextWord(), "This file either invalid or incomplete.");
}

TEST(WordReader, BlankLinesAreSkippedByNextWord) {
    TWordReader reader("1\r\n\r\n \t \r\n2\r\n");
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(reader.ReadInteger(), 2);
    EXPECT_EQ(reader.CurrentLine(), 3);
}

TEST(WordReader, IntegerConversion) {
    struct Case {
        const char* word;
        bool valid;
        qint32 value;
    };
    const Case cases[] = {
        {"12", true, 12},
        {"12.0", true, 12},
        {"-7", true, -7},
        {"+3", true, 3},
        {"1E3", true, 1000},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"12.5", false, 0},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"x", false, 0},
        {"1,5", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
    };
    for (const Case& c : cases) {
        TWordReader reader(QByteArray("0 ") + c.word);
        (void)reader.NextWord();
        if (c.valid) {
            EXPECT_EQ(reader.ReadInteger(), c.value) << c.word;
        } else {
            EXPECT_INOUT_ERROR(reader.ReadInteger(),
                               "Error on Line 1 Item 2\rAn integer was expected but not found.");
        }
    }
}

TEST(WordReader, FloatUsesThePointWhateverTheLocaleAndLeavesItInForce) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TWordReader reader("2.5E-3 2,5");
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 0.0025);
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    EXPECT_INOUT_ERROR(
        reader.ReadFloat(),
        "Error on Line 1 Item 2\rA floating point number was expected but not found.");
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    QLocale::setDefault(saved);
}

TEST(WordReader, ErrorsNameTheLineAndItemOfTheFailingWord) {
    TWordReader reader("Title line\r\n1 0\t1\r\n10 abc 3\r\n");
    EXPECT_EQ(reader.ReadLine(), "Title line");
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(reader.ReadInteger(), 0);
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(reader.ReadInteger(), 10);
    EXPECT_INOUT_ERROR(
        reader.ReadFloat(),
        "Error on Line 3 Item 2\rA floating point number was expected but not found.");
    // The cursor stays after the failing word.
    EXPECT_EQ(reader.ReadInteger(), 3);
}

TEST(WordReader, EndOfDataAndMissingFile) {
    TWordReader reader("1 2\r\n");
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(reader.ReadInteger(), 2);
    EXPECT_INOUT_ERROR(reader.ReadFloat(), "This file either invalid or incomplete.");
    EXPECT_INOUT_ERROR(TWordReader("").NextWord(), "This file either invalid or incomplete.");
    EXPECT_THROW((void)TWordReader::FromFile("/nonexistent/dir/file.kd5d"), EInOutError);
}

}  // namespace
