#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/Val.h"

namespace {

struct IntCase {
    std::string text;
    int32_t value;
    int errorPos;
};

class ValIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(ValIntTest, ConvertsTheWholeFieldOrGivesZeroAndTheErrorPosition) {
    const IntCase& c = GetParam();
    int errorPos = -1;
    EXPECT_EQ(ValInt(c.text, errorPos), c.value);
    EXPECT_EQ(errorPos, c.errorPos);
}

INSTANTIATE_TEST_SUITE_P(Fields, ValIntTest, testing::Values(
    IntCase{"  12", 12, 0},
    IntCase{"0012", 12, 0},
    IntCase{"  85", 85, 0},
    IntCase{"12  ", 0, 3},  // a blank after the digits is a character left over
    IntCase{" 85 ", 0, 4},
    IntCase{"-012", -12, 0},
    IntCase{"+7", 7, 0},
    IntCase{"\t 42", 42, 0},
    IntCase{"4\t2", 0, 2},
    IntCase{"    ", 0, 5},  // no digit at all
    IntCase{"", 0, 1},
    IntCase{"-", 0, 2},
    IntCase{"+", 0, 2},
    IntCase{"- 5", 0, 2},
    IntCase{"1.5", 0, 2},
    IntCase{"1e3", 0, 2},
    IntCase{"x", 0, 1},
    IntCase{"$1F", 0, 1},  // base prefixes are no numbers here
    IntCase{"%101", 0, 1},
    IntCase{"&17", 0, 1},
    IntCase{"0x1F", 0, 2},
    IntCase{"X1F", 0, 1},
    IntCase{"2147483647", INT32_MAX, 0},
    IntCase{"-2147483648", INT32_MIN, 0},
    IntCase{"2147483648", 0, 10},  // the digit that leaves the 32-bit range
    IntCase{"-2147483649", 0, 11},
    IntCase{"99999999999999999999", 0, 10}));

struct RealCase {
    std::string text;
    double value;
    int errorPos;
};

class ValRealTest : public testing::TestWithParam<RealCase> {};

TEST_P(ValRealTest, ConvertsTheWholeFieldOrGivesZeroAndTheErrorPosition) {
    const RealCase& c = GetParam();
    int errorPos = -1;
    EXPECT_EQ(ValReal(c.text, errorPos), c.value);
    EXPECT_EQ(errorPos, c.errorPos);
}

INSTANTIATE_TEST_SUITE_P(Fields, ValRealTest, testing::Values(
    RealCase{"  12", 12, 0},
    RealCase{"12  ", 0, 3},
    RealCase{"    ", 0, 5},
    RealCase{" 1.5", 1.5, 0},
    RealCase{"1.5 ", 0, 4},
    RealCase{"-012", -12, 0},
    RealCase{"+1.5", 1.5, 0},
    RealCase{"\t2.5", 2.5, 0},
    RealCase{".5", 0.5, 0},
    RealCase{"5.", 5, 0},
    RealCase{"1e3", 1000, 0},
    RealCase{"1E+2", 100, 0},
    RealCase{"25e-1", 2.5, 0},
    RealCase{"1e", 0, 3},  // an exponent needs digits
    RealCase{"1e+", 0, 4},
    RealCase{"e5", 0, 1},
    RealCase{".", 0, 2},
    RealCase{"-", 0, 2},
    RealCase{"+", 0, 2},
    RealCase{"", 0, 1},
    RealCase{"1 5", 0, 2},
    RealCase{"1.2.3", 0, 4},
    RealCase{"$12", 0, 1},
    RealCase{"0x1F", 0, 2},
    RealCase{"inf", 0, 1},
    RealCase{"nan", 0, 1},
    RealCase{"1e999", 0, 1},  // beyond the range of a double: no number
    RealCase{" -1e999", 0, 2},
    RealCase{"  1e-999", 0, 3}));

}  // namespace
