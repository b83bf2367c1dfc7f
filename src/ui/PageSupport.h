// The common part of the two calculation pages' "Shift" command. Used by
// CPage_Image and CPage_Lenvara.
#pragma once

class CLenvaraApp;
class QWidget;

// The "Shift" command after the page recalculated successfully: the message for a
// model without shift data, else the Shift Calculator, run modally over pParent's
// window, for the installation given as a mode and the six view values (the WA
// triple, then the TP triple) with the record's shift capability and angles.
void RunShiftCommand(CLenvaraApp& app, QWidget* pParent, int nMode, const float afView[6]);
