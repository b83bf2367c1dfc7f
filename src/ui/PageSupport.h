// Steps the two calculation pages share: reading the main dialog's choices (model
// name, the six radio states, the aspect code), writing the luminance panel, and
// the common part of the "Shift" command. Used by CPage_Image and CPage_Lenvara.
#pragma once

#include "core/LenvaraEngine.h"

#include <string>

class CLenvaraApp;
class QWidget;

struct SMainChoices
{
    std::string strName; // at most 99 characters of the combo box text
    TarsioDisplayOptions options{};
    int nAspectCode = kAspectCode4x3;
};

// Valid only while the main dialog exists.
SMainChoices ReadMainChoices(const CLenvaraApp& app);

// Luminances with "%3.2f" into 1070/1071 and their label into 1067/1069.
void WriteLuminancePanel(const CLenvaraApp& app, float fLumWide, float fLumTele);

// The "Shift" command after the page recalculated: the message for a model
// without shift data, else the shift limits for the installation given as a mode
// and the six view values (wide/tele screens as the shift calculator wants them).
void RunShiftCommand(CLenvaraApp& app, QWidget* pParent, int nMode, const float afView[6]);
