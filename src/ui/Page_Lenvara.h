// The "Screen Dimensions" page (template 130): the user gives a projection
// distance (1012) and gets the screen widths (1014 tele, 1009 wide), heights (1015,
// 1010) and diagonals (1013, 1011) that the zoom lens covers, in the main dialog's
// unit. Its initialisation also sets the gain (1.00) and luminances (0.00) of the
// main dialog.
#pragma once

#include "platform/PropertyPage.h"

class CLenvaraApp;

class CPage_Lenvara : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CPage_Lenvara(CLenvaraApp& app, QWidget* pParent = nullptr);

    // 1 when the calculation succeeded (the record then holds its results), else 0
    // with every field as it was and the failure marked (ShowCalculationFailure).
    int Calculate();
    // Marks the input in the warning colour with the reason the calculation of what
    // the dialog shows now fails, and the luminance panel the same way; the next
    // successful calculation takes the marks away.
    void ShowCalculationFailure();
    void ConvertUnits();
    // Recalculates; then the message for a model without shift data, whatever the
    // inputs, or, only when the recalculation succeeded, the Shift Calculator for
    // this page's installation.
    void OnShift();

protected:
    bool OnInitDialog() override;
    void OnCommand(int nId) override;
    bool OnReturnKey() override;

private:
    CLenvaraApp& m_app;
};
