#include "engine/free_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

namespace keldra {

namespace {

// A reader over an in-memory text.
class TextFile {
  public:
    explicit TextFile(const std::string& text) : text_(text) {
        file_ = fmemopen(text_.data(), text_.size(), "r");
    }
    ~TextFile() { std::fclose(file_); }
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    std::FILE* get() const { return file_; }

  private:
    std::string text_;
    std::FILE* file_;
};

// The first value of `text`, read as a T, is no number.
template <typename T>
void ExpectNotANumber(const std::string& text) {
    TextFile file(text);
    FreeFormatReader reader(file.get(), "test");
    T value{};
    EXPECT_FALSE(reader.Read(value)) << text;
    EXPECT_EQ(reader.failure(), ReadFailure::kNotANumber) << text;
}

}  // namespace

TEST(FreeFormatReader, EachReadStartsOnANewLineAndSpansLines) {
    for (const char* eol : {"\n", "\r\n"}) {
        const std::string e = eol;
        TextFile file("1 2.5 99 skipped" + e + "3" + e + e + "\t4,5" + e + "6 7" + e + "8" + e);
        FreeFormatReader reader(file.get(), "test");
        int a = 0, c = 0, d = 0, g = 0;
        double b = 0, f = 0;
        ASSERT_TRUE(reader.Read(a, b));
        EXPECT_EQ(a, 1);
        EXPECT_EQ(b, 2.5);
        // Starts on the line after the first; empty lines are passed over.
        ASSERT_TRUE(reader.Read(c, d, f));
        EXPECT_EQ(c, 3);
        EXPECT_EQ(d, 4);
        EXPECT_EQ(f, 5.0);
        ASSERT_TRUE(reader.Read(g));
        EXPECT_EQ(g, 6) << "7 is left on its line";
        ASSERT_TRUE(reader.Read(g));
        EXPECT_EQ(g, 8);
        EXPECT_FALSE(reader.failed());
    }
}

TEST(FreeFormatReader, RealForms) {
    TextFile file("1E-5 -2.5e+3 1.5D2 100 .5 -0.0000025\n");
    FreeFormatReader reader(file.get(), "test");
    double v[6] = {};
    ASSERT_TRUE(reader.Read(v[0], v[1], v[2], v[3], v[4], v[5]));
    EXPECT_EQ(v[0], 1e-5);
    EXPECT_EQ(v[1], -2500.0);
    EXPECT_EQ(v[2], 150.0);
    EXPECT_EQ(v[3], 100.0);
    EXPECT_EQ(v[4], 0.5);
    EXPECT_EQ(v[5], -2.5e-6);
}

TEST(FreeFormatReader, FailuresNameTheLine) {
    struct Case {
        const char* text;
        ReadFailure failure;
        int line;
    };
    const Case cases[] = {
        {"1\n2\nx\n", ReadFailure::kNotANumber, 3},
        {"1\n2\n3.5\n", ReadFailure::kNotANumber, 3},  // an integer with a point
        {"1\n2\n0x10\n", ReadFailure::kNotANumber, 3},
        {"1\n2\n99999999999\n", ReadFailure::kNotANumber, 3},
        {"1\n2\n", ReadFailure::kEndOfFile, 3},
        {"1\r\n2\r\n", ReadFailure::kEndOfFile, 3},
        {"1\n2", ReadFailure::kEndOfFile, 2},
    };
    for (const Case& c : cases) {
        TextFile file(c.text);
        FreeFormatReader reader(file.get(), "test");
        int a = 0, b = 0, k = 0;
        ASSERT_TRUE(reader.Read(a)) << c.text;
        ASSERT_TRUE(reader.Read(b)) << c.text;
        EXPECT_FALSE(reader.Read(k)) << c.text;
        EXPECT_EQ(reader.failure(), c.failure) << c.text;
        EXPECT_EQ(reader.failure_line(), c.line) << c.text;
        // The failure sticks.
        EXPECT_FALSE(reader.Read(k));
        EXPECT_EQ(reader.failure_line(), c.line);
    }
}

TEST(FreeFormatReader, RealsRejectNonNumbers) {
    for (const char* text : {"inf\n", "nan\n", "1.2.3\n", "--1\n", "1e999\n", "abc\n"}) {
        TextFile file(text);
        FreeFormatReader reader(file.get(), "test");
        double v = 0;
        EXPECT_FALSE(reader.Read(v)) << text;
        EXPECT_EQ(reader.failure(), ReadFailure::kNotANumber) << text;
    }
}

TEST(FreeFormatReader, SignsAndTheEdgesOfTheRealRange) {
    TextFile file("+2.5 5. -.5 1e-400 4.9e-324 +7 -2147483648\n");
    FreeFormatReader reader(file.get(), "test");
    double v[5] = {};
    int plus = 0, lowest = 0;
    ASSERT_TRUE(reader.Read(v[0], v[1], v[2], v[3], v[4], plus, lowest));
    EXPECT_EQ(v[0], 2.5);
    EXPECT_EQ(v[1], 5.0);
    EXPECT_EQ(v[2], -0.5);
    EXPECT_EQ(v[3], 0.0) << "below the smallest subnormal reads as zero";
    EXPECT_EQ(v[4], std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(plus, 7);
    EXPECT_EQ(lowest, std::numeric_limits<int>::min());

    // Not numbers of the kind read, a NUL byte inside a value included.
    const std::string not_reals[] = {"+-1\n",
                                     "-+1\n",
                                     "1e\n",
                                     ".\n",
                                     "e5\n",
                                     "1e+\n",
                                     "1.7976931348623159e308\n",
                                     std::string("2\0\n", 3)};
    for (const std::string& text : not_reals) ExpectNotANumber<double>(text);
    const std::string not_integers[] = {"2147483648\n", "+\n",   "-\n",
                                        "1e3\n",        "+-1\n", std::string("1\0x\n", 4)};
    for (const std::string& text : not_integers) ExpectNotANumber<int>(text);
}

TEST(FreeFormatReader, LinesAreCutAndPadded) {
    TextFile file("1 2 3\r\nA title line\r\nLonger than eight\n0\n");
    FreeFormatReader reader(file.get(), "test");
    int a = 0;
    char text[9];
    ASSERT_TRUE(reader.Read(a));
    ASSERT_TRUE(reader.ReadLine(text, 8));
    EXPECT_STREQ(text, "A title ");
    ASSERT_TRUE(reader.ReadLine(text, 8));
    EXPECT_STREQ(text, "Longer t");
    ASSERT_TRUE(reader.Read(a));
    EXPECT_EQ(a, 0);
    EXPECT_FALSE(reader.ReadLine(text, 8));
    EXPECT_EQ(reader.failure(), ReadFailure::kEndOfFile);
    EXPECT_STREQ(text, "        ");
}

TEST(FreeFormatReader, OverlongTokenIsNotANumber) {
    TextFile file(std::string(200, '1') + "\n");
    FreeFormatReader reader(file.get(), "test");
    double v = 0;
    EXPECT_FALSE(reader.Read(v));
    EXPECT_EQ(reader.failure(), ReadFailure::kNotANumber);
}

}  // namespace keldra
