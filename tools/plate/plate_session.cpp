#include "plate_session.h"

#include <charconv>
#include <chrono>

#include "Units/UNTGRAPHICS.h"
#include "platform/Val.h"
#include "platform/WinGraph.h"
#include "viewer/DRELMIKS.h"
#include "viewer/GEEFLYSIM.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/UNTVOCH1.h"
#include "viewer/fields.h"

PlateSession::PlateSession(int16_t language) {
    SetBackend(&backend_);
    UNTVOCH0::UNTVOCH0_INIT();
    UNTGRAPHICS::GRHAALDRIVER();
    DRELMIKS::INITIEER();
    for (int16_t step = 1; step < language; ++step) backend_.addKeys({keys::Right});
    backend_.addKeys({keys::Enter});
    DRELMIKS::KIESTAAL();
    UNTVOCH1::BIJSCHRIFT(DRELMIKS::TAAL);
}

PlateSession::~PlateSession() {
    CloseGraph();
    UNTVOCH0::UNTVOCH0_DONE();
    SetBackend(nullptr);
}

PaletteImage PlateSession::render(const PlateView& view, int32_t& windowStart, int16_t& days) {
    UNTVOCH0::RECNR = view.firstDay;
    UNTVOCH0::LYSIM = view.lysimeter;
    UNTVOCH0::BUIS = view.tube;
    UNTVOCH0::COR = view.correction;
    UNTVOCH1::GeefLysimFrame frame;
    UNTVOCH1::MAAKPLAAT(frame);
    windowStart = frame.ADRES;
    days = frame.TELLER;

    PaletteImage picture;
    backend_.onKeyWait([&](std::size_t, const PaletteImage& image) { picture = image; });
    try {
        UNTVOCH1::KEUZE(frame);  // the script is empty: the bar is drawn, then the wait ends it
    } catch (const ScriptExhausted&) {
    }
    backend_.onKeyWait(nullptr);
    return picture;
}

std::optional<int32_t> ResolveDay(const std::string& text, std::string& why) {
    int32_t record = 0;
    const char* end = text.data() + text.size();
    if (auto [p, ec] = std::from_chars(text.data(), end, record); ec == std::errc() && p == end)
        return record;

    int y = 0;
    unsigned m = 0, d = 0;
    const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                        std::from_chars(text.data(), text.data() + 4, y).ptr == text.data() + 4 &&
                        std::from_chars(text.data() + 5, text.data() + 7, m).ptr == text.data() + 7 &&
                        std::from_chars(text.data() + 8, end, d).ptr == end;
    using namespace std::chrono;
    const year_month_day date{year{y}, month{m}, day{d}};
    if (!shaped || !date.ok()) {
        why = "\"" + text + "\" is neither a record number nor a date YYYY-MM-DD";
        return std::nullopt;
    }
    const auto days = (sys_days{date} - sys_days{1963y / January / 1}).count();
    if (days < 0 || days > UNTVOCH0::XRECNR) {
        why = text + " lies outside the daily records (record " + std::to_string(days) + ")";
        return std::nullopt;
    }
    UNTVOCH0::F.seek(days);
    UNTVOCH0::ReadDailyRecord();
    int fc = 0;
    const int32_t dayField =
        ValInt(UNTVOCH0::SREC.copy(fields::kDayOfMonth, fields::kDayOfMonthWidth), fc);
    if (fc != 0 || dayField != int32_t(d)) {
        why = "record " + std::to_string(days) + " holds day \"" +
              std::string(UNTVOCH0::SREC.copy(fields::kDayOfMonth, fields::kDayOfMonthWidth)) +
              "\", not day " + std::to_string(d) + " of " + text;
        return std::nullopt;
    }
    return int32_t(days);
}
