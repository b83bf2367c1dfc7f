// A catalogue file of many own projectors for the benchmarks: "Bench Projector
// 00001" onwards, each with its own panel, throw pair, shift and distance range, so
// that every row the program derives is a different one.
#pragma once

#include "core/ProjectorCatalogue.h"

#include <cstdio>
#include <string>
#include <vector>

inline std::vector<SOwnProjector> BenchProjectors(int nCount)
{
    std::vector<SOwnProjector> projectors;
    projectors.reserve(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
    {
        char szName[32];
        std::snprintf(szName, sizeof szName, "Bench Projector %05d", i + 1);
        SOwnProjector p;
        p.szName = szName;
        p.szClass = i % 2 ? "DLP" : "LCD";
        p.nWidthPx = 1920 + (i % 7) * 64;
        p.nHeightPx = 1080 + (i % 5) * 30;
        p.dPitchUm = 5.0 + (i % 40) * 0.1;
        p.dLumens = 3000 + i % 5000;
        p.throws[1] = SThrowPair{1.2 + (i % 50) * 0.01, 1.6 + (i % 50) * 0.01};
        if (i % 3 == 0)
            p.throws[0] = SThrowPair{1.5 + (i % 20) * 0.01, 2.0 + (i % 20) * 0.01};
        p.shift = SShiftPercent{50.0, 10.0, 20.0, 20.0, EShiftOf::Image};
        p.distance = SDistanceRange{1.0 + (i % 10) * 0.1, 20.0};
        projectors.push_back(std::move(p));
    }
    return projectors;
}

// Writes the catalogue of nCount bench projectors to szPath (its folder created);
// false when it could not be written.
inline bool WriteBenchCatalogue(const std::string& szPath, int nCount)
{
    return !WriteProjectorCatalogue(szPath, BenchProjectors(nCount)).has_value();
}
