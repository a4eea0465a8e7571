#pragma once
// A simple soil-water balance of one lysimeter: a root zone that rain fills and evaporation
// empties, a slow passage down through the subsoil, and free water on the container bottom
// that leaves through the drain once it stands above the gutter, 25 cm over the bottom.
#include <vector>

#include "random.h"
#include "weather.h"

struct LysimeterSoil {
    double availableWater;  // root-zone storage between wilting and field capacity, mm
    double cropFactor;      // evaporation relative to the potential
    double drainRate;       // share of the water above the gutter that drains in a day
    double drainCapacity;   // what the drain pipe passes in a day at most, mm
    double residual;        // moisture of a dried-out layer, per mille
    double fieldCapacity;   // per mille
    double saturated;       // per mille
};

struct LysimeterDay {
    int drainHundredths = 0;  // drain outflow, hundredths of a millimetre
    double freeWaterCm = 0;   // free water on the container bottom
    double wetness = 0;       // root zone, 0 (dry) to 1 (field capacity)
    double deepWetness = 0;   // the subsoil, which follows the root zone slowly
};

// The four lysimeters, 1 to 4 at index 0 to 3: loamy sand, sandy loam, loam, sand.
extern const LysimeterSoil kLysimeterSoils[4];

std::vector<LysimeterDay> SimulateLysimeter(const LysimeterSoil& soil,
                                            const std::vector<DayWeather>& weather);

// The neutron-probe reading (per mille) at a depth below the surface on a day, for a tube
// that reads `tubeOffset` above the lysimeter's mean.
int MoistureReading(const LysimeterSoil& soil, const LysimeterDay& day, int depthCm, double tubeOffset,
                    SampleRandom& random);
