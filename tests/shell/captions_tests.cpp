// The viewer's captions per language.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "viewer/UNTVOCH1.h"

namespace {

using namespace UNTVOCH1;

struct Captions {
    std::string BALK, CORRG, WATER, BUISA, BUISB, BUISC, BUISM, NEERS, OPP, GOOT, DRAIN;
};

// The command labels built cell by cell: twenty cells of four characters, the last cut to three.
std::string Cells(const std::vector<std::string>& first11, const std::string& cor) {
    std::string bar;
    for (const std::string& cell : first11) bar += cell;
    return bar + " 1   2   3   4  " + cor + " A   B   C   M ";
}

const Captions kExpected[3] = {
    {Cells({"-1j ", "-3m ", "-1m ", "-7d ", "-1d ", "+1d ", "+7d ", "+1m ", "+3m ", "+1j ", "UIT "},
           "COR "),
     "gecorrigeerd", " water op bakbodem (cm)", "BUIS-A", "BUIS-B", "BUIS-C", "gemiddeld profiel",
     "(mm) neerslag", "opp.", "goot", "(mm) drain"},
    {Cells({"-1y ", "-3m ", "-1m ", "-7d ", "-1d ", "+1d ", "+7d ", "+1m ", "+3m ", "+1y ", "QTT "},
           "COR "),
     "corrected", " free bottom water (cm)", "TUBE-A", "TUBE-B", "TUBE-C", "averaged profile",
     "(mm) precipitation", "surface", "gutter", "(mm) drain"},
    {Cells({"-1J ", "-3M ", "-1M ", "-7T ", "-1T ", "+1T ", "+7T ", "+1M ", "+3M ", "+1J ", "AUS "},
           "KOR "),
     "korrigiert", "freies Bodenwasser (cm)", "ROHRE-A", "ROHRE-B", "ROHRE-C",
     "ermitteltes Feuchtprofil", "(mm) Niederschlag", "Boden", "Rinne", "(mm) Abfluss"},
};

Captions Current() {
    return {SBALK.str(),  SCORRG.str(), SWATER.str(), SBUISA.str(), SBUISB.str(), SBUISC.str(),
            SBUISM.str(), SNEERS.str(), SOPP.str(),   SGOOT.str(),  SDRAIN.str()};
}

void ExpectCaptions(const Captions& want, const std::string& context) {
    const Captions got = Current();
    EXPECT_EQ(got.BALK, want.BALK) << context;
    EXPECT_EQ(got.CORRG, want.CORRG) << context;
    EXPECT_EQ(got.WATER, want.WATER) << context;
    EXPECT_EQ(got.BUISA, want.BUISA) << context;
    EXPECT_EQ(got.BUISB, want.BUISB) << context;
    EXPECT_EQ(got.BUISC, want.BUISC) << context;
    EXPECT_EQ(got.BUISM, want.BUISM) << context;
    EXPECT_EQ(got.NEERS, want.NEERS) << context;
    EXPECT_EQ(got.OPP, want.OPP) << context;
    EXPECT_EQ(got.GOOT, want.GOOT) << context;
    EXPECT_EQ(got.DRAIN, want.DRAIN) << context;
}

TEST(Bijschrift, SetsAllElevenCaptionsOfEachLanguage) {
    // Every language after every other, so no caption survives from the one before.
    for (int16_t before = 1; before <= 3; ++before)
        for (int16_t language = 1; language <= 3; ++language) {
            BIJSCHRIFT(before);
            BIJSCHRIFT(language);
            ExpectCaptions(kExpected[language - 1],
                           "language " + std::to_string(language) + " after " +
                               std::to_string(before));
        }
}

TEST(Bijschrift, CommandLabelsAre79CharactersInFourCharacterCells) {
    for (int16_t language = 1; language <= 3; ++language) {
        BIJSCHRIFT(language);
        EXPECT_EQ(SBALK.length(), 79u);
        EXPECT_EQ(SBALK.copy(77, 4), " M ");
    }
    BIJSCHRIFT(2);
    EXPECT_EQ(SBALK.copy(41, 4), "QTT ");
}

TEST(Bijschrift, FreeWaterCaptionStartsWithABlankExceptInGerman) {
    BIJSCHRIFT(3);
    EXPECT_EQ(SWATER[1], 'f');
    BIJSCHRIFT(1);
    EXPECT_EQ(SWATER[1], ' ');
}

TEST(Bijschrift, CaptionsHaveTheirCapacities) {
    EXPECT_EQ(SBALK.capacity(), 80u);
    EXPECT_EQ(SCORRG.capacity(), 80u);
    EXPECT_EQ(SWATER.capacity(), 80u);
    for (std::size_t capacity : {SBUISA.capacity(), SBUISB.capacity(), SBUISC.capacity(),
                                 SBUISM.capacity(), SNEERS.capacity(), SOPP.capacity(),
                                 SGOOT.capacity(), SDRAIN.capacity()})
        EXPECT_EQ(capacity, 30u);
}

TEST(Bijschrift, LanguageNumbersOutsideOneToThreeLeaveTheCaptionsAsTheyWere) {
    for (int16_t language : {int16_t(0), int16_t(4), int16_t(-1), int16_t(32767)}) {
        BIJSCHRIFT(3);
        BIJSCHRIFT(language);
        ExpectCaptions(kExpected[2], "language " + std::to_string(language));
    }
}

// The captions start empty, so this runs in a process of its own, before anything has set them.
TEST(Bijschrift, FirstCallOutsideOneToThreeLeavesTheCaptionsEmpty) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool emptyAtStart = Current().BALK.empty();
            BIJSCHRIFT(0);
            BIJSCHRIFT(4);
            const Captions c = Current();
            const bool empty = c.BALK.empty() && c.CORRG.empty() && c.WATER.empty() &&
                               c.BUISA.empty() && c.BUISB.empty() && c.BUISC.empty() &&
                               c.BUISM.empty() && c.NEERS.empty() && c.OPP.empty() &&
                               c.GOOT.empty() && c.DRAIN.empty();
            std::exit(emptyAtStart && empty ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
