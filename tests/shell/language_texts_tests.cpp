// The language screen's texts, byte for byte where a plain reading of them could mislead.
#include <gtest/gtest.h>

#include "viewer/DRELMIKS_texts.h"

namespace {

using namespace DRELMIKS;

TEST(LanguageTexts, IntroductionLinesKeepTheirTrailingBlanks) {
    EXPECT_EQ(ATEKST[1][14].view(),
              "worden in- en uitgeschakeld.                             ");
    EXPECT_EQ(ATEKST[2][7].view(),
              "the bottomside of the container stood on surface and then ");
    EXPECT_EQ(ATEKST[2][10].view(), "The actual level can be rowly estimated departing from  ");
    for (int16_t language = 1; language <= 3; ++language)
        for (int16_t line = 1; line <= 16; ++line)
            EXPECT_EQ(ATEKST[language][line].capacity(), 60u);
}

TEST(LanguageTexts, NonAsciiCharactersAreWindows1252Bytes) {
    EXPECT_EQ(ATEKST[1][5].copy(26, 5), "ge\x8bns");
    EXPECT_EQ(uint8_t(ATEKST[1][5][28]), 139);
    EXPECT_EQ(ATEKST[3][6].copy(39, 4), "\xfc" "ber");
    EXPECT_EQ(ATEKST[3][8].copy(42, 4), "H\xf6he");
    EXPECT_EQ(ATEKST[3][9].copy(35, 9), "gesch\xe4tzt");
}

TEST(LanguageTexts, QuotesInsideTextsBelongToThem) {
    EXPECT_EQ(ATEKST[1][16].copy(1, 35), "gelijknamige verslag: \"Quorvalend\".");
    EXPECT_EQ(ATEKST[3][12].copy(1, 5), "\"COR\"");
}

TEST(LanguageTexts, TitlesKeyLinesAndBar) {
    EXPECT_EQ(AOPSCHR[1].view(), " QUORVALEND ");
    EXPECT_EQ(AOPSCHR[3].view(), "QUORVALEND");
    EXPECT_EQ(ANAVIGATIE[1].view(), " navigeren met pijltoetsen,  bevestigen met KEY ");
    EXPECT_EQ(ANAVIGATIE[2].view(), "navigation with arrow-key, confirmation with KEY");
    EXPECT_EQ(ANAVIGATIE[3].view(), "navigation mit Pfeiltasten,  accordieren mit KEY");
    EXPECT_EQ(SBALK.length(), 33u);
    // Each name lies inside its 12-character (96-pixel) cell of the bar.
    EXPECT_EQ(SBALK.copy(1, 12), " Nederlands ");
    EXPECT_EQ(SBALK.copy(13, 12), "  English   ");
    EXPECT_EQ(SBALK.copy(25, 12), "  Deutsch");
}

}  // namespace
