#pragma once
// A synthetic data set of the Morvenbek station, 1 January 1963 to 31 December 1971: the
// daily water-balance file and the moisture-profile file, the same bytes on every run.
#include <string>

struct SampleDataSet {
    std::string daily;     // DRELMIKS.WN1: 3287 records of 81 characters
    std::string profiles;  // DRELMIKS.WN2: blocks of ten records of 91 characters
};

SampleDataSet MakeSampleDataSet();
