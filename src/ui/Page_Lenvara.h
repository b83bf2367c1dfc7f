// The "Screen Dimensions" page (template 130): the user gives a projection
// distance (1012) and gets the screen widths (1014 tele, 1009 wide), heights (1015,
// 1010) and diagonals (1013, 1011) that the zoom lens covers, in the main dialog's
// unit.
#pragma once

#include "ui/CalcPage.h"

class CPage_Lenvara : public CCalcPage
{
    Q_OBJECT

public:
    explicit CPage_Lenvara(QWidget* pParent = nullptr);

    // Distance to size for the distance edit.
    SCalculationRequest GetRequest() const override;
    // Also re-writes the distance with two decimals.
    void ShowResult(const SCalculation& result) override;
    // All seven numbers, the distance included.
    void ConvertUnits(int nFromUnit, int nToUnit) override;

protected:
    bool OnInitDialog() override;
    int InputId() const override;
};
