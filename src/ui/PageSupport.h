// The common part of the two calculation pages' "Shift" command. Used by
// CPage_Image and CPage_Lenvara.
#pragma once

class CLenvaraApp;
class QWidget;

// The "Shift" command after the page recalculated: the message for a model
// without shift data, else the shift limits for the installation given as a mode
// and the six view values (wide/tele screens as the shift calculator wants them).
void RunShiftCommand(CLenvaraApp& app, QWidget* pParent, int nMode, const float afView[6]);
