// The viewer's captions in the chosen language.
#include <array>
#include <string_view>

#include "UNTVOCH1.h"

namespace UNTVOCH1 {

ShortString<80> SBALK;
ShortString<80> SCORRG;
ShortString<80> SWATER;
ShortString<30> SBUISA, SBUISB, SBUISC, SBUISM;
ShortString<30> SNEERS;
ShortString<30> SOPP;
ShortString<30> SGOOT;
ShortString<30> SDRAIN;

namespace {

struct Captions {
    std::string_view BALK, CORRG, WATER, BUISA, BUISB, BUISC, BUISM, NEERS, OPP, GOOT, DRAIN;
};

// The command labels are twenty cells of four characters, the last one cut to three.
constexpr std::array<Captions, 3> kCaptions = {{
    {"-1j -3m -1m -7d -1d +1d +7d +1m +3m +1j UIT  1   2   3   4  COR  A   B   C   M ",
     "gecorrigeerd", " water op bakbodem (cm)", "BUIS-A", "BUIS-B", "BUIS-C",
     "gemiddeld profiel", "(mm) neerslag", "opp.", "goot", "(mm) drain"},
    {"-1y -3m -1m -7d -1d +1d +7d +1m +3m +1y QTT  1   2   3   4  COR  A   B   C   M ",
     "corrected", " free bottom water (cm)", "TUBE-A", "TUBE-B", "TUBE-C", "averaged profile",
     "(mm) precipitation", "surface", "gutter", "(mm) drain"},
    {"-1J -3M -1M -7T -1T +1T +7T +1M +3M +1J AUS  1   2   3   4  KOR  A   B   C   M ",
     "korrigiert", "freies Bodenwasser (cm)", "ROHRE-A", "ROHRE-B", "ROHRE-C",
     "ermitteltes Feuchtprofil", "(mm) Niederschlag", "Boden", "Rinne", "(mm) Abfluss"},
}};

static_assert(kCaptions[0].BALK.size() == 79 && kCaptions[1].BALK.size() == 79 &&
              kCaptions[2].BALK.size() == 79);

}  // namespace

void BIJSCHRIFT(int16_t TAAL) {
    if (TAAL < 1 || TAAL > 3) return;
    const Captions& c = kCaptions[TAAL - 1];
    SBALK = c.BALK;
    SCORRG = c.CORRG;
    SWATER = c.WATER;
    SBUISA = c.BUISA;
    SBUISB = c.BUISB;
    SBUISC = c.BUISC;
    SBUISM = c.BUISM;
    SNEERS = c.NEERS;
    SOPP = c.OPP;
    SGOOT = c.GOOT;
    SDRAIN = c.DRAIN;
}

}  // namespace UNTVOCH1
