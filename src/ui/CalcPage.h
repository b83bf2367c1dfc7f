// What the two calculation pages share. A page owns its edits: it gives its input
// as the page's part of a calculation request, shows a result in its edits (lengths
// "%2.2f", in the main dialog's unit), marks a failed calculation on its input and
// converts its numbers when the unit changes. It knows nothing above it: Enter and
// its two buttons only ask, through its signals, and the main dialog, which
// connects them, runs the calculation and answers through the methods below.
// Base of CPage_Image and CPage_Lenvara.
#pragma once

#include "core/Calculation.h"
#include "platform/PropertyPage.h"

#include <QString>

// The texts a page gives for the failures that depend on its input.
struct SPageFailureTexts
{
    const char* pszNothingEntered; // the input reads as 0 (empty, 0 or no number)
    const char* pszNoResult;       // the input or a result is no finite number
};

class CCalcPage : public CPropertyPage
{
    Q_OBJECT

public:
    CCalcPage(const SDialogTemplate& tpl, int nShiftId, const SPageFailureTexts& texts,
              QWidget* pParent = nullptr);

    // The page's part of a request: its mode and its input as the edits show it.
    virtual SCalculationRequest GetRequest() const = 0;
    // Writes a successful result into the edits, marks distances outside the lens
    // range and takes away the marks of a failed calculation.
    virtual void ShowResult(const SCalculation& result) = 0;
    // Converts the numbers in the edits from one unit to another and writes them
    // back with "%2.2f"; the main dialog then recalculates.
    virtual void ConvertUnits(int nFromUnit, int nToUnit) = 0;

    // Marks the input in the warning colour with the reason the calculation failed;
    // every field keeps its text. Returns the reason, which the main dialog also
    // shows on its luminance panel.
    QString ShowCalculationFailure(const SCalculation& result);

    // Asks for a recalculation of this page (Enter, the "Enter" button).
    void Calculate() { emit calculateRequested(); }
    // Asks for the Shift Calculator of this page (the "Shift" button).
    void OnShift() { emit shiftRequested(); }

signals:
    void calculateRequested();
    void shiftRequested();

protected:
    void OnCommand(int nId) override;
    bool OnReturnKey() override;
    // The edit that is the input now.
    virtual int InputId() const = 0;
    // Called with the reason of a failure.
    virtual void OnFailureShown(const QString& strWhy);

private:
    int m_nShiftId;
    SPageFailureTexts m_texts;
};
