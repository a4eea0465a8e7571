// The main module: the start-up sequence and the language and introduction screen, whose
// language bar chooses the language the viewer speaks.
#include "DRELMIKS.h"

#include "../Units/UNTGRAPHICS.h"
#include "../Units/UNTPROGDELEN.h"
#include "../platform/WinGraph.h"
#include "../platform/checked.h"
#include "DRELMIKS_texts.h"
#include "UNTVOCH1.h"

namespace DRELMIKS {

int16_t TAAL = 0;
int16_t KTL = 0;
int16_t KMM = 0;
bool UIT = false;
char KR = 0;

namespace {

constexpr int16_t YBALK = 460;

// The y of introduction line REG.
int16_t RegelY(int16_t REG) { return Checked<int16_t>(Add(88, Mul(16, REG))); }

// The highlight of cell K of the language bar, in the drawing colour.
void Markering(int16_t K) {
    Rectangle(Checked<int16_t>(Add(Mul(96, Sub(K, 1)), 178)), 452,
              Checked<int16_t>(Add(Mul(96, K), 177)), 476);
}

}  // namespace

void INITIEER() {
    KTL = 1;
    TAAL = 1;
}

void KIES(int16_t& KK, int16_t NN, int16_t NX) {
    UNTPROGDELEN::LEESKEY(KR);
    UIT = false;
    switch (KR) {
        case 'H':
        case 'K':
            KK = KK > NN ? Checked<int16_t>(Sub(KK, 1)) : NX;
            break;
        case 'M':
        case 'P':
            KK = KK < NX ? Checked<int16_t>(Add(KK, 1)) : NN;
            break;
        default:
            UIT = true;
    }
}

void KIESTAAL() {
    using namespace UNTGRAPHICS;

    GRSCHERM(Yellow, Black);
    SetTextStyle(FNT, 0, 4);
    GRKLEUR(Yellow);
    OutTextXY(90, 10, AOPSCHR[TAAL]);
    SetTextStyle(FNT, 0, 2);
    OutTextXY(244, 40, kSubtitle);
    GRETIKET(70, 80, 580, 370, Yellow, Blue);
    for (int16_t REG = 1; REG <= 16; ++REG) OutTextXY(96, RegelY(REG), ATEKST[TAAL][REG]);
    OutTextXY(130, 436, ANAVIGATIE[TAAL]);

    for (;;) {
        // On later passes the bar's inside is red already, so the border fill leaves the
        // names and the highlight alone.
        GRETIKET(178, 452, 465, 476, Red, Red);
        GRKLEUR(Yellow);
        OutTextXY(178, YBALK, SBALK);
        SetLineStyle(SolidLn, 0, 1);
        Markering(KTL);
        KMM = KTL;
        KIES(KTL, 1, 3);
        TAAL = KTL;
        if (UIT) return;

        // Each old text is removed by drawing it again in the colour beneath it.
        SetTextStyle(FNT, 0, 4);
        GRKLEUR(Black);
        OutTextXY(90, 10, AOPSCHR[KMM]);
        GRKLEUR(Yellow);
        OutTextXY(90, 10, AOPSCHR[TAAL]);
        SetTextStyle(FNT, 0, 2);
        for (int16_t REG = 1; REG <= 16; ++REG) {
            GRKLEUR(Blue);
            OutTextXY(96, RegelY(REG), ATEKST[KMM][REG]);
            GRKLEUR(Yellow);
            OutTextXY(96, RegelY(REG), ATEKST[TAAL][REG]);
        }
        GRKLEUR(Black);
        OutTextXY(130, 436, ANAVIGATIE[KMM]);
        GRKLEUR(Yellow);
        OutTextXY(130, 436, ANAVIGATIE[TAAL]);
        GRKLEUR(Red);
        Markering(KMM);
        GRKLEUR(Yellow);
        Markering(KTL);
    }
}

void MainSequence() {
    UNTGRAPHICS::GRHAALDRIVER();
    INITIEER();
    KIESTAAL();
    UNTVOCH1::BIJSCHRIFT(TAAL);
    UNTVOCH1::GEEFLYSIM();
}

}  // namespace DRELMIKS
