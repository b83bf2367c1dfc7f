// The "Projection Distance" page (template 129): the user gives one of screen
// width (1009), height (1010) or diagonal (1011) and gets the other two and the
// projection distances at the wide (1012) and tele (1013) ends, in the main
// dialog's unit. The writable size edit is the input; focus entering another size
// edit makes that one the input and zeroes the other two.
#pragma once

#include "ui/CalcPage.h"

class CPage_Image : public CCalcPage
{
    Q_OBJECT

public:
    explicit CPage_Image(QWidget* pParent = nullptr);

    // Size to distance for the writable size edit, the other two counting as 0.
    SCalculationRequest GetRequest() const override;
    void ShowResult(const SCalculation& result) override;
    void ConvertUnits(int nFromUnit, int nToUnit) override;
    // Makes that size edit the input: writable, the other two read-only and 0.00. The
    // mark of a failed calculation moves with the input.
    void ChooseInput(int nId);

protected:
    bool OnInitDialog() override;
    void OnSetFocus(int nId, Qt::FocusReason eReason) override;
    int InputId() const override;
    void OnFailureShown(const QString& strWhy) override { m_strFailure = strWhy; }

private:
    // The reason the last calculation failed; empty after a successful one.
    QString m_strFailure;
};
