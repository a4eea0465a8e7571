// The language screen's texts. The introduction lines are stored with their trailing blanks,
// which draw nothing, to the lengths the screen was laid out with.
#include "DRELMIKS_texts.h"

#include <string_view>

namespace DRELMIKS {

using namespace std::string_view_literals;

namespace {

using Lines = std::array<std::string_view, 16>;

constexpr std::array<Lines, 3> kIntroduction = {{
    {{  // Dutch
        "In de jaren 1960-1971 werden, meestal tweemaal per maand,",
        "in de vier lysimeters vochtprofielen waargenomen met een ",
        "neutronensonde. In elk van de vier lysimeters waren twee ",
        "meetbuizen aangebracht. In juli 1966 werd in lysimeter-2 ",
        "en -3 nog een derde buis ge\x8bnstalleerd.                  ",
        "     De container met de sonde werd over het uiteinde van",
        "de meetbuis gestoken en vervolgens neergelaten tot deze  ",
        "op het oppervlak stond. De sonde kon men dan vervolgens  ",
        "in de buis laten zakken. Nu lag het oppervlak die jaren  ",
        "bepaald niet meer op 375 cm+NAP. De correcte hoogte kon  ",
        "ruw geschat worden vanuit de positie van het phreatisch  ",
        "vlak onderin de vier lysimeters. Met het activeren van   ",
        "het commando \"COR\" kunnen die geschatte hoogtecorrecties ",
        "worden in- en uitgeschakeld.                             ",
        "     Dit showprogramma is een essentiele bijlage bij het ",
        "gelijknamige verslag: \"Quorvalend\".                      ",
    }},
    {{  // English
        "In the years 1960-1971, often two times a month, humidity",
        "profiles are observed with a neutron-sonde. Within each  ",
        "lysimeter were placed two observationpipes. In july 1966 ",
        "in lysimeter-2 and -3 a third pipe was installed.        ",
        "     The container with the radio-active sonde was placed",
        "over the mouth of the observation-pipe, then lowered till",
        "the bottomside of the container stood on surface and then ",
        "the sonde may go down. However, the hight of the surface ",
        "had a long time ago left the designed level 3,75 cm+NAP. ",
        "The actual level can be rowly estimated departing from  ",
        "the hight of the phreatic level above the bottom of the  ",
        "four lysimeters. Activating the command \"COR\", these es- ",
        "timated corrections can be switched on and off.          ",
        "     By presentation of a vast quantity of details, this ",
        "showprogram is an essential annex to the matching report:",
        "\"Quorvalend\" (Engl.summary)                              ",
    }},
    {{  // German
        "Im Jahren 1960-1971, wurde meist zweimal monatlich in die",
        "vier Lysimeter Feuchprofiele gemessen mit ein Neutronen- ",
        "sonde. In die Lysimeter sind am Anfang zwei Messrohre    ",
        "eingebracht. Juli 1966 ist im Lysimeter-2 und -3 noch ein",
        "dritter Rohre installiert.                               ",
        "     Der Behalter mit der Sonde wurde \xfc" "ber dem Mund des  ",
        "Rohres gesteckt und niedergelassen bis am Oberflach. Das ",
        "Oberflach aber, hat schon lange her sein H\xf6he am 375cm+NN",
        "verlassen. Die richtige H\xf6he kann gesch\xe4tzt werden wenn  ",
        "man ausgeht vom H\xf6he der Phreatische Ebene auf 25cm oben ",
        "der Betonflur des Lysimeters. Mit aktivieren vom Kommando",
        "\"COR\" kann man dieser Korrektur ein- und ausschalten.    ",
        "     Mit das sichtbar machen vom sehr grossen Zahl Beson-",
        "derkeiten der Dinamik des Wassereindringens im Boden, ist",
        "dieser Schauprogramm ein essentielle Anlage beim Bericht:",
        "\"Quorvalend\". (Engl. Zusammenfassung)                    ",
    }},
}};

// Every line is 57 characters long, except English line 7 (58) and line 10 (56).
constexpr bool StoredLengthsHold() {
    for (std::size_t language = 0; language < 3; ++language)
        for (std::size_t line = 0; line < 16; ++line) {
            std::size_t expected = 57;
            if (language == 1 && line == 6) expected = 58;
            if (language == 1 && line == 9) expected = 56;
            if (kIntroduction[language][line].size() != expected) return false;
        }
    return true;
}
static_assert(StoredLengthsHold());

OneBased<OneBased<ShortString<60>, 16>, 3> MakeIntroduction() {
    OneBased<OneBased<ShortString<60>, 16>, 3> table;
    for (std::size_t language = 0; language < 3; ++language)
        for (std::size_t line = 0; line < 16; ++line)
            table.items[language].items[line] = kIntroduction[language][line];
    return table;
}

constexpr std::string_view kBar = " Nederlands   English     Deutsch";
static_assert(kBar.size() == 33);

}  // namespace

const OneBased<ShortString<32>, 3> AOPSCHR = {{" QUORVALEND "sv, " QUORVALEND "sv, "QUORVALEND"sv}};

const OneBased<ShortString<60>, 3> ANAVIGATIE = {{
    " navigeren met pijltoetsen,  bevestigen met KEY "sv,
    "navigation with arrow-key, confirmation with KEY"sv,
    "navigation mit Pfeiltasten,  accordieren mit KEY"sv,
}};

const OneBased<OneBased<ShortString<60>, 16>, 3> ATEKST = MakeIntroduction();

const ShortString<255> SBALK = kBar;

}  // namespace DRELMIKS
