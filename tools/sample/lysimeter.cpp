#include "lysimeter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPorosity = 0.35;                    // of the gravel bed on the bottom
constexpr double kGutterWater = 25 * 10 * kPorosity;  // mm of free water at gutter height
constexpr double kSubsoilRate = 0.35;                 // share of the subsoil store passed on daily
constexpr double kContainerDepthCm = 250;
constexpr double kUptakeShare = 0.4;  // of the potential evaporation
constexpr double kFringeCm = 40;      // capillary fringe above free water

}  // namespace

const LysimeterSoil kLysimeterSoils[4] = {
    {110, 1.00, 0.50, 8, 130, 260, 370},
    {140, 1.05, 0.45, 7, 150, 295, 390},
    {170, 1.10, 0.40, 6, 170, 325, 410},
    {90, 0.95, 0.55, 9, 120, 240, 360},
};

std::vector<LysimeterDay> SimulateLysimeter(const LysimeterSoil& soil,
                                            const std::vector<DayWeather>& weather) {
    std::vector<LysimeterDay> days;
    days.reserve(weather.size());
    // Midwinter start: the soil at field capacity, the free water just above the gutter.
    double rootZone = soil.availableWater;
    double subsoil = 15;
    double freeWater = kGutterWater + 5;
    double snow = 0;
    double deepWetness = 1;
    for (const DayWeather& w : weather) {
        const double precipitation = w.precipitationTenths / 10.0;
        double input = 0;
        if (w.code == '5')
            snow += precipitation;
        else
            input = precipitation;
        if (!w.frost) {
            const double melt = std::min(snow, 4.0);
            snow -= melt;
            input += melt;
        }

        const double demand = w.potentialEvaporation * soil.cropFactor;
        const double evaporation = demand * std::min(1.0, rootZone / (0.5 * soil.availableWater));
        rootZone = std::max(0.0, rootZone + input - evaporation);
        double percolation = 0;
        if (rootZone > soil.availableWater) {
            percolation += rootZone - soil.availableWater;
            rootZone = soil.availableWater;
        }
        if (rootZone > 0.85 * soil.availableWater) {
            const double seep = 0.04 * (rootZone - 0.85 * soil.availableWater);
            percolation += seep;
            rootZone -= seep;
        }

        subsoil += percolation;
        const double recharge = kSubsoilRate * subsoil;
        subsoil -= recharge;
        // In summer the roots and capillary rise draw on the free water as well.
        const double uptake = std::min(freeWater, kUptakeShare * w.potentialEvaporation *
                                                      std::sqrt(std::min(1.0, freeWater / kGutterWater)));
        freeWater += recharge - uptake;
        // A heavy recharge overtaxes the drain pipe, and the free water rises above the gutter.
        const double free = freeWater > kGutterWater ? soil.drainRate * (freeWater - kGutterWater) : 0;
        const double drain = free * soil.drainCapacity / (free + soil.drainCapacity);
        freeWater -= drain;

        const double wetness = rootZone / soil.availableWater;
        deepWetness += (wetness - deepWetness) / 30;
        days.push_back({std::min(9999, int(std::lround(drain * 100))), freeWater / (10 * kPorosity), wetness,
                        deepWetness});
    }
    return days;
}

int MoistureReading(const LysimeterSoil& soil, const LysimeterDay& day, int depthCm, double tubeOffset,
                    SampleRandom& random) {
    // The roots reach 40 cm fully and 150 cm not at all; below, the subsoil stays moist.
    const double rootShare = std::clamp((150.0 - depthCm) / 110.0, 0.0, 1.0);
    const double wetness = rootShare * day.wetness + (1 - rootShare) * (0.6 + 0.4 * day.deepWetness);
    double moisture = soil.residual + (soil.fieldCapacity - soil.residual) * wetness;

    const double aboveFreeWater = kContainerDepthCm - depthCm - day.freeWaterCm;
    if (aboveFreeWater <= 0) {
        moisture = soil.saturated;
    } else if (aboveFreeWater < kFringeCm) {
        const double share = 1 - aboveFreeWater / kFringeCm;
        moisture += (soil.saturated - moisture) * share * share;
    }
    // At the surface the probe loses part of its neutrons to the air.
    if (depthCm == 0) moisture *= 0.8;
    moisture += tubeOffset + random.uniform(-6, 6);
    return std::clamp(int(std::lround(moisture)), 100, 450);
}
