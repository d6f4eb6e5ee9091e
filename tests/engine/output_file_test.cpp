// The output file remembers whether everything written to it arrived.
#include "engine/output_file.h"

#include <gtest/gtest.h>

#include <string>

#include "engine_run.h"

namespace keldra {

TEST(OutputFile, WhatIsWrittenArrivesAndTheCloseSaysSo) {
    testing::EngineRun scratch;
    const std::string path = (scratch.dir() / "out.txt").string();
    OutputFile file;
    ASSERT_TRUE(file.Open(path.c_str()));
    file.WriteLine("A");
    file.Format("%d %.1E\n", 7, 2.5);
    file.Write("B");
    EXPECT_FALSE(file.failed());
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(testing::ReadFile(path), "A\n7 2.5E+00\nB");
}

TEST(OutputFile, AFullDeviceFailsAtTheCloseAtLatest) {
    OutputFile file;
    ASSERT_TRUE(file.Open("/dev/full"));
    file.WriteLine("one short line stays in the buffer");
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(file.failed());

    ASSERT_TRUE(file.Open("/dev/full"));
    EXPECT_FALSE(file.failed()) << "a new open starts afresh";
    for (int k = 0; k < 10000; ++k) file.WriteLine("more than any buffer holds");
    EXPECT_TRUE(file.failed()) << "known before the close";
    EXPECT_FALSE(file.Close());
}

TEST(OutputFile, AFileThatCannotBeCreatedCountsAsFailed) {
    testing::EngineRun scratch;
    OutputFile file;
    EXPECT_FALSE(file.Open((scratch.dir() / "no" / "such" / "folder").c_str()));
    EXPECT_TRUE(file.failed());
    file.WriteLine("dropped");
    EXPECT_FALSE(file.Close());
}

TEST(OutputFile, AFileNeverOpenedDropsWritesAndClosesClean) {
    OutputFile file;
    file.WriteLine("dropped");
    EXPECT_FALSE(file.failed());
    EXPECT_TRUE(file.Close());
}

}  // namespace keldra
