#include "ui/PageSupport.h"

#include "app/LenvaraApp.h"
#include "ui/HVShiftDialog.h"
#include "ui/LenvaraDlg.h"

#include <QMessageBox>

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
    const CLenvaraDlg* pMain = MainDialogOf(app);
    if (!pMain)
        return;
    const SMainChoices choices = pMain->GetChoices();
    float afHorz[4] = {};
    float afVert[4] = {};
    const bool bHorizontal = app.CalcHorizontalShift(choices.strName.c_str(), choices.nAspectCode,
                                                     choices.options, afHorz[0], afHorz[1],
                                                     afHorz[2], afHorz[3]);
    const bool bVertical = app.CalcVerticalShift(choices.strName.c_str(), choices.nAspectCode,
                                                 choices.options, afVert[0], afVert[1], afVert[2],
                                                 afVert[3]);
    // A direction of the model's whose limits are no finite numbers has nothing to show.
    if (((nShiftCaps & 2) && !bHorizontal) || ((nShiftCaps & 1) && !bVertical))
        return;

    // Over the window the command came from, which it keeps above.
    CHVShiftDialog dlg(pParent ? pParent->window() : nullptr);
    dlg.SetViewData(nMode, afView[0], afView[1], afView[2], afView[3], afView[4], afView[5]);
    dlg.SetShiftCaps(nShiftCaps);
    if (nShiftCaps == 2 || nShiftCaps == 3)
        dlg.SetHorizontalAngles(afHorz[0], afHorz[1], afHorz[2], afHorz[3]);
    if (nShiftCaps == 1 || nShiftCaps == 3)
        dlg.SetVerticalAngles(afVert[0], afVert[1], afVert[2], afVert[3]);
    dlg.DoModal();
}
