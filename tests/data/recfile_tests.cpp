#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "error_code.h"
#include "platform/recfile.h"
#include "tests/support/files.h"

namespace {

using testing_support::ScopedWorkDir;
using testing_support::WriteFile;

// Records of 4 bytes: "AAAA", "BBBB", ... and then `tail` bytes of a partial record.
std::string Records(int count, int tail = 0) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += std::string(4, char('A' + i));
    return bytes + std::string(std::size_t(tail), 'z');
}

std::string ReadRecord(RecordFile& file) {
    std::string buffer(4, '\0');
    file.read(buffer.data());
    return buffer;
}

TEST(RecordFile, ReadsRecordNAtByteNTimesTheRecordSizeAndMovesOn) {
    ScopedWorkDir dir;
    WriteFile("F", Records(3));
    RecordFile file;
    file.open("F", 4);
    file.seek(1);
    EXPECT_EQ(ReadRecord(file), "BBBB");
    EXPECT_EQ(file.position(), 2);
    EXPECT_EQ(ReadRecord(file), "CCCC");
    EXPECT_TRUE(file.eof());
}

TEST(RecordFile, CountsWholeRecordsOnlyAndNeverReadsThePartialTail) {
    ScopedWorkDir dir;
    WriteFile("F", Records(2, 3));
    RecordFile file;
    file.open("F", 4);
    EXPECT_EQ(file.size(), 2);
    file.seek(2);
    EXPECT_TRUE(file.eof());
    EXPECT_EQ(RunErrorCode([&] { ReadRecord(file); }), 100);
}

TEST(RecordFile, SeesTheFileAsItIsNow) {
    ScopedWorkDir dir;
    WriteFile("F", Records(1));
    RecordFile file;
    file.open("F", 4);
    file.seek(1);
    EXPECT_TRUE(file.eof());
    std::ofstream("F", std::ios::binary | std::ios::app) << "BBBB";
    EXPECT_EQ(file.size(), 2);
    EXPECT_FALSE(file.eof());
    EXPECT_EQ(ReadRecord(file), "BBBB");
}

struct ReadCase {
    const char* name;
    int64_t position;
    int error;
};

class RecordFileReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(RecordFileReadTest, FailsWithTheRunTimeErrorOfItsCause) {
    ScopedWorkDir dir;
    WriteFile("F", Records(3));
    RecordFile file;
    file.open("F", 4);
    EXPECT_EQ(RunErrorCode([&] {
                  file.seek(GetParam().position);
                  ReadRecord(file);
              }),
              GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Positions, RecordFileReadTest,
                         testing::Values(ReadCase{"LastRecord", 2, 0}, ReadCase{"AtTheEnd", 3, 100},
                                         ReadCase{"PastTheEnd", 1000, 100},
                                         ReadCase{"FarPastTheEnd", INT64_MAX / 2, 100},
                                         ReadCase{"BeforeTheFirst", -1, 22}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordFile, OpenFailsWithError2WhenTheFileIsMissing) {
    ScopedWorkDir dir;
    RecordFile file;
    EXPECT_EQ(RunErrorCode([&] { file.open("MISSING", 4); }), 2);
    EXPECT_FALSE(file.isOpen());
}

TEST(RecordFile, OpenFailsWithError21OnADirectory) {
    ScopedWorkDir dir;
    std::filesystem::create_directory("D");
    RecordFile file;
    EXPECT_EQ(RunErrorCode([&] { file.open("D", 4); }), 21);
    EXPECT_FALSE(file.isOpen());
}

TEST(RecordFile, OpenFailsWithError5WhenAccessIsDenied) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser is never denied access";
    ScopedWorkDir dir;
    WriteFile("F", Records(1));
    std::filesystem::permissions("F", std::filesystem::perms::none);
    RecordFile file;
    EXPECT_EQ(RunErrorCode([&] { file.open("F", 4); }), 5);
}

TEST(RecordFile, OpensAFileItMayOnlyRead) {
    ScopedWorkDir dir;
    WriteFile("F", Records(2));
    std::filesystem::permissions("F", std::filesystem::perms::owner_read);
    RecordFile file;
    file.open("F", 4);
    EXPECT_EQ(file.size(), 2);
}

}  // namespace
