// The "Shift" command of the calculation pages, which the main dialog runs after
// recalculating the page: the message for a model without shift data, or the
// Shift Calculator for the calculated installation.
#pragma once

struct SCalculation;
struct SCalculationRequest;
class CLenvaraEngine;
class QWidget;

// After the page's recalculation of request gave result: the message for a model
// without shift data, which does not depend on the calculation; else, after a
// successful one, the Shift Calculator, run modally over pParent's window, for the
// result's installation (the WA triple, then the TP triple) with the model's shift
// capability and angles. A failed recalculation has already been marked.
void RunShiftCommand(CLenvaraEngine& engine, QWidget* pParent, const SCalculationRequest& request,
                     const SCalculation& result);
