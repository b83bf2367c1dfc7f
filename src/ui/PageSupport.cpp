#include "ui/PageSupport.h"

#include "app/LenvaraApp.h"
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
