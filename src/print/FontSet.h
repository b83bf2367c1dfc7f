// The seven fonts of the printed report for one device: "Arial" (a metric-compatible
// face where Arial itself is missing) at 10, 12 and 20 points, 10 and 12 points bold,
// 10 and 12 points italic. Heights are character heights in device pixels from the
// device's horizontal resolution: -(pixels per inch x points) / 72, truncated.
// Lives for one drawing pass on one device context; the report's boxes select its
// fonts by index 1 to 7.
#pragma once

#include "platform/DC.h"

#include <array>

class CFontSet
{
public:
    explicit CFontSet(const CDC& dc);
    virtual ~CFontSet() = default;

    // Font nIndex (1 to 7); nullptr for any other index.
    const SLogFont* GetFont(int nIndex) const;

private:
    std::array<SLogFont, 7> m_fonts;
};
