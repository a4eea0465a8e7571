#include <gtest/gtest.h>

#include "viewer/fields.h"

namespace {

using namespace fields;

struct LysimeterFields {
    int lysimeter, drain, level, flag, pointerFirst, pointerLast;
};

class DailyLayout : public testing::TestWithParam<LysimeterFields> {};

TEST_P(DailyLayout, EachLysimeterHasItsFieldsAtFixedDistancesFromItsBase) {
    const LysimeterFields& f = GetParam();
    const int pos = LysimeterPos(f.lysimeter);
    EXPECT_EQ(pos + kDrainOffset, f.drain);
    EXPECT_EQ(pos + kLevelOffset, f.level);
    EXPECT_EQ(pos + kLevelFlagOffset, f.flag);
    EXPECT_EQ(pos + kPointerOffset, f.pointerFirst);
    EXPECT_EQ(pos + kPointerOffset + kPointerWidth - 1, f.pointerLast);
}

INSTANTIATE_TEST_SUITE_P(Lysimeters, DailyLayout,
                         testing::Values(LysimeterFields{1, 22, 42, 46, 62, 66},
                                         LysimeterFields{2, 27, 47, 51, 67, 71},
                                         LysimeterFields{3, 32, 52, 56, 72, 76},
                                         LysimeterFields{4, 37, 57, 61, 77, 81}));

TEST(ProfileLayout, FifteenReadingsFillCharacters17To90) {
    EXPECT_EQ(ReadingPos(0), 17);
    EXPECT_EQ(ReadingPos(5), 42);
    EXPECT_EQ(ReadingPos(kReadings - 1) + kReadingWidth - 1, 90);
    EXPECT_EQ(kReadingDepthCm[4], 60);
    EXPECT_EQ(kReadingDepthCm[kReadings - 1], 240);
}

TEST(ProfileLayout, LysimetersOneAndFourHaveTwoTubesTheOthersThree) {
    EXPECT_EQ(TubeCount(1) + TubeCount(2) + TubeCount(3) + TubeCount(4), kSamplingBlock);
    EXPECT_EQ(TubeCount(1), 2);
    EXPECT_EQ(TubeCount(3), 3);
}

}  // namespace
