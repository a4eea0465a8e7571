#include "language_screen.h"

#include "Units/UNTGRAPHICS.h"
#include "platform/WinGraph.h"
#include "platform/backend.h"
#include "platform/font.h"
#include "platform/headless.h"
#include "viewer/DRELMIKS.h"
#include "viewer/DRELMIKS_texts.h"

namespace shell_tests {

namespace {

// The window and the backend last exactly as long as one run, however it ends.
struct WindowScope {
    explicit WindowScope(HeadlessBackend& backend) { SetBackend(&backend); }
    ~WindowScope() {
        CloseGraph();
        SetBackend(nullptr);
    }
};

void FillRect(PaletteImage& image, int x1, int y1, int x2, int y2, uint8_t entry) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) image.set(x, y, entry);
}

void Outline(PaletteImage& image, int x1, int y1, int x2, int y2, uint8_t entry) {
    FillRect(image, x1, y1, x2, y1, entry);
    FillRect(image, x1, y2, x2, y2, entry);
    FillRect(image, x1, y1, x1, y2, entry);
    FillRect(image, x2, y1, x2, y2, entry);
}

}  // namespace

LanguageScreenRun RunLanguageScreen(const std::vector<Key>& script, const std::vector<Key>& ahead,
                                    const std::function<void()>& afterwards) {
    HeadlessBackend backend(script);
    LanguageScreenRun run;
    backend.onKeyWait(
        [&run](std::size_t, const PaletteImage& image) { run.waits.push_back(image); });
    WindowScope scope(backend);
    UNTGRAPHICS::GRHAALDRIVER();
    backend.typeAhead(ahead);
    DRELMIKS::INITIEER();
    DRELMIKS::KIESTAAL();
    if (afterwards) afterwards();
    run.final = GraphImage();
    run.keysLeft = backend.keysLeft();
    return run;
}

std::vector<PlacedText> ScreenTexts(int16_t language) {
    using namespace DRELMIKS;
    std::vector<PlacedText> texts = {
        {90, 10, 4, AOPSCHR[language].view()},
        {244, 40, 2, kSubtitle},
        {130, 436, 2, ANAVIGATIE[language].view()},
        {178, 460, 2, SBALK.view()},
    };
    for (int16_t line = 1; line <= 16; ++line)
        texts.push_back({96, 88 + 16 * line, 2, ATEKST[language][line].view()});
    return texts;
}

PaletteImage ScreenBackground(int16_t cell) {
    PaletteImage image;
    image.fill(kBlack);
    FillRect(image, 70, 80, 580, 370, kBlue);
    Outline(image, 70, 80, 580, 370, kYellow);
    FillRect(image, 178, 452, 465, 476, kRed);
    Outline(image, 96 * (cell - 1) + 178, 452, 96 * cell + 177, 476, kYellow);
    return image;
}

PaletteImage ExpectedScreen(int16_t language, int16_t cell) {
    PaletteImage image = ScreenBackground(cell);
    for (const PlacedText& placed : ScreenTexts(language)) {
        for (std::size_t i = 0; i < placed.text.size(); ++i) {
            const GlyphCell glyph = Glyph(placed.size, uint8_t(placed.text[i]));
            const int left = placed.x + int(i) * glyph.width;
            for (int row = 0; row < glyph.height; ++row)
                for (int col = 0; col < glyph.width; ++col)
                    if (glyph.rows[row] & (1u << (31 - col)))
                        image.set(left + col, placed.y + row, kYellow);
        }
    }
    return image;
}

}  // namespace shell_tests
