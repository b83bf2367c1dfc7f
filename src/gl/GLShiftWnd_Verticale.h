// The vertical shift view of the shift calculator, the vertical twin of the
// horizontal one: the WA and TP pictures moved up or down by the shift slider, with
// the outline of the area the shift can reach, a dimension marker beside the
// pictures from the lens axis to the edge they move to, and the "V Shift" labels
// (see CGLShiftWnd). The angles are those downwards (minus) and upwards (plus); the
// ratio runs from -1 (full down) to 1 (full up). Used by the shift calculator dialog.
#pragma once

#include "gl/GLShiftWnd.h"

class CGLShiftWnd_Verticale : public CGLShiftWnd
{
    Q_OBJECT

public:
    explicit CGLShiftWnd_Verticale(QWidget* parent = nullptr);
};
