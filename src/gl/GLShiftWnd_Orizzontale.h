// The horizontal shift view of the shift calculator: the WA and TP pictures moved
// sideways by the shift slider, with the outline of the area the shift can reach,
// a dimension marker above the pictures from the lens axis to the edge they move
// to, and the "H Shift" labels (see CGLShiftWnd). The angles are those to the left
// (minus) and right (plus); the ratio runs from -1 (full left) to 1 (full right).
// Used by the shift calculator dialog.
#pragma once

#include "gl/GLShiftWnd.h"

class CGLShiftWnd_Orizzontale : public CGLShiftWnd
{
    Q_OBJECT

public:
    explicit CGLShiftWnd_Orizzontale(QWidget* parent = nullptr);
};
