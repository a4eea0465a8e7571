// Build-time generator of the graphics unit's glyph table: rasterises Liberation Mono Regular
// 1.07 (Debian's fonts-liberation) without smoothing for every Windows-1252 byte at text sizes
// 1 to 5, and writes the cells as C++ tables. Usage: fontgen <output glyphs.cpp>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kMinSize = 1;
constexpr int kMaxSize = 5;

// Character size at text size 2, in 1/64 point at 72 dpi (so 1/64 pixel): an 8-pixel advance
// and capitals 9 pixels high. Other sizes scale it.
constexpr int kCharWidth2 = 853;
constexpr int kCharHeight2 = 904;
// Row of the cell whose top edge is the baseline, at size 2 (other sizes scale it). The command
// bar's labels lose rows 11 to 15 of their cells at the window's bottom edge, so capitals and
// digits must end on row 10; only descenders (and the tail of Q) are lost.
constexpr int kBaseline2 = 11;

// Unicode of each Windows-1252 byte; 0 where the byte has no character (control bytes and the
// five undefined bytes), which draws nothing.
uint32_t Cp1252ToUnicode(uint8_t byte) {
    static constexpr uint16_t kHigh[32] = {  // bytes 0x80 to 0x9F
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (byte < 0x20 || byte == 0x7F) return 0;
    if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
    return byte;
}

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "fontgen: " << message << '\n';
    std::exit(1);
}

bool IsVersion107(int fontVersion) {  // 16.16 fixed point, as in the font's head table
    return std::lround(fontVersion * 100.0 / 65536.0) == 107;
}

// The file of Liberation Mono Regular 1.07. Liberation 2.x draws differently and is refused.
std::string FindFontFile() {
    if (!FcInit()) Fail("cannot initialise fontconfig");
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("Liberation Mono"));
    FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>("Regular"));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_FONTVERSION, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    std::vector<std::string> accepted, refused;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8* file = nullptr;
        int version = 0;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
        FcPatternGetInteger(fonts->fonts[i], FC_FONTVERSION, 0, &version);
        const std::string path = reinterpret_cast<const char*>(file);
        (IsVersion107(version) ? accepted : refused).push_back(path);
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (accepted.empty()) {
        std::string message =
            "Liberation Mono Regular version 1.07 not found; install Debian's fonts-liberation "
            "(not fonts-liberation2)";
        for (const auto& path : refused) message += "\n  refused (not version 1.07): " + path;
        Fail(message);
    }
    return *std::min_element(accepted.begin(), accepted.end());  // deterministic choice
}

struct Cell {
    int width = 0, height = 0;
    std::vector<uint32_t> rows;  // bit (31 - x) is pixel x
};

Cell Rasterise(FT_Face face, int size, uint8_t byte) {
    Cell cell;
    cell.width = 4 * size;
    cell.height = 8 * size;
    cell.rows.assign(cell.height, 0);
    const uint32_t code = Cp1252ToUnicode(byte);
    if (code == 0) return cell;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0) Fail("the face has no glyph for U+" + std::to_string(code));
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0)
        Fail("cannot rasterise U+" + std::to_string(code));
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    const int baseline = (kBaseline2 * size + 1) / 2;
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        const int y = baseline - slot->bitmap_top + int(r);
        if (y < 0 || y >= cell.height) continue;
        const unsigned char* line = bitmap.buffer + int(r) * bitmap.pitch;
        for (unsigned c = 0; c < bitmap.width; ++c) {
            const int x = slot->bitmap_left + int(c);
            if (x < 0 || x >= cell.width) continue;
            if (line[c / 8] & (0x80 >> (c % 8))) cell.rows[y] |= 0x80000000u >> x;
        }
    }
    return cell;
}

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) Fail("usage: fontgen <output glyphs.cpp>");
    const std::string fontFile = FindFontFile();

    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) != 0) Fail("cannot initialise FreeType");
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) Fail("cannot open " + fontFile);
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) Fail("no Unicode map in " + fontFile);

    std::ostringstream out;
    out << "// Generated at build time by fontgen from Liberation Mono Regular 1.07; do not edit.\n"
           "#include \"platform/font.h\"\n\nnamespace {\n";
    for (int size = kMinSize; size <= kMaxSize; ++size) {
        if (FT_Set_Char_Size(face, (kCharWidth2 * size + 1) / 2, (kCharHeight2 * size + 1) / 2, 72,
                             72) != 0)
            Fail("cannot set size " + std::to_string(size));
        out << "\nconst uint32_t kSize" << size << "[256][" << 8 * size << "] = {\n";
        for (int byte = 0; byte < 256; ++byte) {
            const Cell cell = Rasterise(face, size, uint8_t(byte));
            out << "    {";
            for (std::size_t r = 0; r < cell.rows.size(); ++r)
                out << (r ? "," : "") << Hex(cell.rows[r]);
            out << "},\n";
        }
        out << "};\n";
    }
    out << "\n}  // namespace\n\n"
           "GlyphCell Glyph(int size, uint8_t ch) {\n"
           "    switch (size <= 1 ? 1 : size >= 5 ? 5 : size) {\n"
           "        case 1: return {4, 8, kSize1[ch]};\n"
           "        case 2: return {8, 16, kSize2[ch]};\n"
           "        case 3: return {12, 24, kSize3[ch]};\n"
           "        case 4: return {16, 32, kSize4[ch]};\n"
           "        default: return {20, 40, kSize5[ch]};\n"
           "    }\n"
           "}\n";

    FT_Done_Face(face);
    FT_Done_FreeType(library);

    // Written beside the target and renamed, so a failed run never leaves a partial table.
    const std::string temporary = std::string(argv[1]) + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << out.str();
        if (!file.flush()) Fail("cannot write " + temporary);
    }
    std::error_code error;
    std::filesystem::rename(temporary, argv[1], error);
    if (error) Fail(std::string("cannot write ") + argv[1] + ": " + error.message());
    return 0;
}
