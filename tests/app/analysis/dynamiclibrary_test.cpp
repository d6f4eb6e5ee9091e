#include "app/analysis/dynamiclibrary.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "tests/app/main/qtprint.h"

namespace {

std::string fixture(const char* name) { return std::string(KELDRA_FIXTURE_LIBS) + "/" + name; }

template <typename E>
void expectOpenThrows(TDynamicLibrary& library, const char* message) {
    try {
        library.open();
        ADD_FAILURE() << "no error for " << library.libraryName();
    } catch (const E& e) {
        EXPECT_STREQ(e.what(), message);
        EXPECT_FALSE(e.detail().empty());
    }
    EXPECT_FALSE(library.isOpen());
}

}  // namespace

TEST(DynamicLibrary, LoadsLooksUpAndUnloads) {
    TDynamicLibrary library(fixture("libkeldra_fixture_entry.so"));
    EXPECT_FALSE(library.isOpen());
    library.open();
    ASSERT_TRUE(library.isOpen());
    library.open();  // already loaded: nothing happens
    auto entry = reinterpret_cast<int (*)(int)>(library.entryAddress("keldra_fixture_entry"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(21), 42);
    EXPECT_EQ(library.entryAddress("no_such_entry"), nullptr);
    EXPECT_FALSE(library.close());
    EXPECT_FALSE(library.isOpen());
}

TEST(DynamicLibrary, AMissingFileLeavesItClosedWithoutError) {
    TDynamicLibrary library(fixture("libnot_there.so"));
    EXPECT_NO_THROW(library.open());
    EXPECT_FALSE(library.isOpen());
    EXPECT_NE(library.lastError().find("libnot_there.so"), std::string::npos);
    try {
        (void)library.entryAddress("keldra_fixture_entry");
        ADD_FAILURE() << "entry of a closed library";
    } catch (const EDLLNotOpenError& e) {
        EXPECT_STREQ(e.what(), "Library is not open");
    }
}

TEST(DynamicLibrary, LoadFailuresRaiseTheirErrors) {
    TDynamicLibrary dependent(fixture("libkeldra_fixture_dependent.so"));
    expectOpenThrows<EFileNotFoundError>(dependent, "Library could not be located");

    TDynamicLibrary unresolved(fixture("libkeldra_fixture_unresolved.so"));
    expectOpenThrows<EInitError>(unresolved, "Library failed to properly initialize");

    QTemporaryDir dir;
    const QString text = dir.filePath("libtext.so");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library\n");
    file.close();
    TDynamicLibrary damaged(text.toStdString());
    expectOpenThrows<EInitError>(damaged, "Library failed to properly initialize");
}

TEST(DynamicLibrary, RenamingUnloadsFirst) {
    TDynamicLibrary library(fixture("libkeldra_fixture_entry.so"));
    library.open();
    library.setLibraryName(fixture("libnot_there.so"));
    EXPECT_FALSE(library.isOpen());
    EXPECT_EQ(library.libraryName(), fixture("libnot_there.so"));
}
