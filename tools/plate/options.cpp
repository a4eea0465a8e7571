#include "options.h"

#include <cctype>
#include <charconv>
#include <map>
#include <string_view>

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::optional<int> SmallNumber(const std::string& s, int lo, int hi) {
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi) return std::nullopt;
    return v;
}

}  // namespace

std::string UsageText() {
    return "usage: drelmiks-plate [options]\n"
           "Renders plates of the lysimeter viewer to PNG files (640 x 480, the viewer's palette).\n"
           "\n"
           "  --data DIR          folder with DRELMIKS.WN1 and DRELMIKS.WN2 (default: .)\n"
           "  --lang nl|en|de     language of the captions (default: nl)\n"
           "  --lysimeter 1-4     lysimeter (default: 3)\n"
           "  --tube A|B|C|M      tube, or M for the mean of the tubes (default: M)\n"
           "  --cor               show the estimated surface-height correction\n"
           "  --day DAY           first day of the plate: a record number (0 = 1963-01-01)\n"
           "                      or a date YYYY-MM-DD (default: 1461, 1967-01-01)\n"
           "  --to DAY            one plate per successive 93-day window from --day up to DAY\n"
           "  --keys LIST         run the whole program on these keys and write the picture\n"
           "                      at every key wait; LIST is comma-separated: up down left\n"
           "                      right enter esc space tab close home end pgup pgdn ins del\n"
           "                      f1..f10, or a single character\n"
           "  --out PREFIX        output name: PREFIX.png, or PREFIX-NNN.png for several\n"
           "                      pictures (default: plate)\n"
           "  --csv               beside each plate PNG, the plate's days as PREFIX.csv\n"
           "  --help              this text\n";
}

std::optional<std::vector<Key>> ParseKeyList(const std::string& list, std::string& why) {
    static const std::map<std::string, Key> kNamed = {
        {"up", keys::Up},         {"down", keys::Down},     {"left", keys::Left},
        {"right", keys::Right},   {"enter", keys::Enter},   {"esc", keys::Escape},
        {"space", keys::Space},   {"tab", keys::Tab},       {"close", keys::Close},
        {"home", keys::Home},     {"end", keys::End},       {"pgup", keys::PageUp},
        {"pgdn", keys::PageDown}, {"ins", keys::Insert},    {"del", keys::Delete},
        {"comma", Key::Char(',')}};
    std::vector<Key> out;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find(',', start), list.size());
        const std::string token = list.substr(start, end - start);
        start = end + 1;
        if (token.size() == 1) {
            out.push_back(Key::Char(static_cast<uint8_t>(token[0])));
            continue;
        }
        const std::string name = Lower(token);
        if (auto it = kNamed.find(name); it != kNamed.end()) {
            out.push_back(it->second);
        } else if (name.size() >= 2 && name[0] == 'f' && SmallNumber(name.substr(1), 1, 10)) {
            out.push_back(keys::F(*SmallNumber(name.substr(1), 1, 10)));
        } else {
            why = "unknown key \"" + token + "\" in --keys";
            return std::nullopt;
        }
    }
    return out;
}

std::optional<PlateOptions> ParseOptions(int argc, char** argv, std::string& why) {
    PlateOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= argc) {
                why = arg + " needs a value";
                return std::nullopt;
            }
            return std::string(argv[++i]);
        };
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--cor") {
            o.correction = true;
        } else if (arg == "--csv") {
            o.csv = true;
        } else if (arg == "--data" || arg == "--out" || arg == "--day" || arg == "--to") {
            auto v = value();
            if (!v) return std::nullopt;
            if (arg == "--data") o.dataDir = *v;
            if (arg == "--out") o.out = *v;
            if (arg == "--day") o.firstDay = *v;
            if (arg == "--to") o.lastDay = *v;
        } else if (arg == "--lang") {
            auto v = value();
            if (!v) return std::nullopt;
            const std::string l = Lower(*v);
            if (l == "nl") o.language = 1;
            else if (l == "en") o.language = 2;
            else if (l == "de") o.language = 3;
            else {
                why = "--lang takes nl, en or de, not \"" + *v + "\"";
                return std::nullopt;
            }
        } else if (arg == "--lysimeter") {
            auto v = value();
            if (!v) return std::nullopt;
            auto n = SmallNumber(*v, 1, 4);
            if (!n) {
                why = "--lysimeter takes 1, 2, 3 or 4, not \"" + *v + "\"";
                return std::nullopt;
            }
            o.lysimeter = int16_t(*n);
        } else if (arg == "--tube") {
            auto v = value();
            if (!v) return std::nullopt;
            const std::string t = Lower(*v);
            const size_t tube = std::string_view("abcm").find(t);
            if (t.size() != 1 || tube == std::string_view::npos) {
                why = "--tube takes A, B, C or M, not \"" + *v + "\"";
                return std::nullopt;
            }
            o.tube = int16_t(tube + 1);
        } else if (arg == "--keys") {
            auto v = value();
            if (!v) return std::nullopt;
            o.keys = ParseKeyList(*v, why);
            if (!o.keys) return std::nullopt;
        } else {
            why = "unknown option \"" + arg + "\"";
            return std::nullopt;
        }
    }
    if (o.keys && (o.lastDay || o.csv)) {
        why = "--keys runs the program as a user would; it takes no --to or --csv";
        return std::nullopt;
    }
    return o;
}
