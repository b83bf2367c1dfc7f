// What the two calculation pages share: the mark of a failed calculation and the
// "Shift" command. Used by CPage_Image and CPage_Lenvara.
#pragma once

#include <QString>

class CLenvaraApp;
class QWidget;

// The texts a page gives for the failures that depend on its input.
struct SPageFailureTexts
{
    const char* pszNothingEntered; // the input reads as 0 (empty, 0 or no number)
    const char* pszNoResult;       // the input or a result is no finite number
};

// Marks a failed calculation of the page whose input is nInputId, with the reason
// the calculation failed, in the order it tests them: a gain that is no finite
// number ("Gain out of range", the gain box marked too), a model name the catalogue
// lacks ("Unknown projector model"), nothing entered, else no finite result. The
// main dialog's luminance panel, which still shows an earlier calculation's numbers,
// is marked with the same reason. Every field keeps its text; the page's next
// successful calculation takes the marks away. Returns the reason.
QString ShowCalculationFailure(CLenvaraApp& app, QWidget* pPage, int nInputId,
                               const SPageFailureTexts& texts);

// The "Shift" command after the page's recalculation (bCalculated when it
// succeeded): the message for a model without shift data, which does not depend on
// the calculation; else, after a successful one, the Shift Calculator, run modally
// over pParent's window, for the installation given as a mode and the six view
// values (the WA triple, then the TP triple) with the model's shift capability and
// angles. A failed recalculation has already been marked on its page.
void RunShiftCommand(CLenvaraApp& app, QWidget* pParent, bool bCalculated, int nMode,
                     const float afView[6]);
