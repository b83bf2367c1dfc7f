#include "ui/PageSupport.h"

#include "app/LenvaraApp.h"
#include "core/TextFormat.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"

#include <QMessageBox>

SMainChoices ReadMainChoices(const CLenvaraApp& app)
{
    SMainChoices choices;
    const QWidget* pMain = app.m_pMainDlg;
    choices.strName = GetControlText(pMain, 1000, 100);
    choices.options.bMeters = app.GetControlCheck(pMain, 1002);
    choices.options.bInches = app.GetControlCheck(pMain, 1003);
    choices.options.bAspect4x3 = app.GetControlCheck(pMain, 1004);
    choices.options.bAspect16x9 = app.GetControlCheck(pMain, 1005);
    choices.options.bFeet = app.GetControlCheck(pMain, 1006);
    choices.options.bAspect235 = app.GetControlCheck(pMain, 1007);
    choices.nAspectCode = kAspectCode4x3;
    if (choices.options.bAspect16x9)
        choices.nAspectCode = kAspectCode16x9;
    if (choices.options.bAspect235)
        choices.nAspectCode = kAspectCode235;
    return choices;
}

void WriteLuminancePanel(const CLenvaraApp& app, float fLumWide, float fLumTele)
{
    QWidget* pMain = app.m_pMainDlg;
    SetControlText(pMain, 1070, FormatLuminance(fLumWide));
    SetControlText(pMain, 1071, FormatLuminance(fLumTele));
    const char* pszLabel = nullptr;
    if (app.GetControlCheck(pMain, 1002))
        pszLabel = "Nits";
    if (app.GetControlCheck(pMain, 1003))
        pszLabel = "FtL";
    if (app.GetControlCheck(pMain, 1006))
        pszLabel = "FtL";
    if (pszLabel)
    {
        SetControlText(pMain, 1067, pszLabel);
        SetControlText(pMain, 1069, pszLabel);
    }
}

void RunShiftCommand(CLenvaraApp& app, QWidget* pParent, int nMode, const float afView[6])
{
    const int nShiftCaps = app.m_model.GetShiftCaps();
    if (nShiftCaps == 0)
    {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Shift Calculator"),
                        QStringLiteral("Shift Data are not available\nfor this projector"),
                        QMessageBox::Ok, pParent);
        box.exec();
        return;
    }
    if (!app.m_pMainDlg)
        return;
    SMainChoices choices = ReadMainChoices(app);
    float afHorz[4] = {};
    float afVert[4] = {};
    app.CalcHorizontalShift(choices.strName.c_str(), choices.nAspectCode, choices.options,
                            afHorz[0], afHorz[1], afHorz[2], afHorz[3]);
    app.CalcVerticalShift(choices.strName.c_str(), choices.nAspectCode, choices.options,
                          afVert[0], afVert[1], afVert[2], afVert[3]);
    // The shift calculator dialog is not part of the program yet. When it is, it is
    // built here with no parent, given SetViewData(nMode, afView[0..5]),
    // SetShiftCaps(nShiftCaps), the horizontal angles for capability 2, the vertical
    // ones for 1, both (horizontal first) for 3, and shown modally.
    (void)nMode;
    (void)afView;
}
