#include "ui/PageSupport.h"

#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "ui/HVShiftDialog.h"
#include "ui/LenvaraDlg.h"

#include <QMessageBox>

#include <cmath>

namespace
{
// The catalogue rows of the main dialog's model name and aspect, loaded into a
// record of their own: the current record is left as the last calculation left it.
bool LoadChosenModel(const SMainChoices& choices, CTarsioModel& model)
{
    return model.LoadModel(choices.strName.c_str(), choices.nAspectCode) != 0;
}
} // namespace

QString ShowCalculationFailure(CLenvaraApp& app, QWidget* pPage, int nInputId,
                               const SPageFailureTexts& texts)
{
    CLenvaraDlg* pMain = MainDialogOf(app);
    if (!pMain)
        return QString();
    const bool bGainRefused = !std::isfinite(app.GetGain());
    CTarsioModel model;
    const char* pszWhy = texts.pszNoResult;
    if (bGainRefused)
        pszWhy = "Gain out of range";
    else if (!LoadChosenModel(pMain->GetChoices(), model))
        pszWhy = "Unknown projector model";
    else if (app.GetControlNumber(pPage, nInputId) == 0.0f)
        pszWhy = texts.pszNothingEntered;
    const QString strWhy = QString::fromUtf8(pszWhy);
    SetWarning(pPage, nInputId, true, strWhy);
    pMain->ShowFailedCalculation(strWhy, bGainRefused);
    return strWhy;
}

void RunShiftCommand(CLenvaraApp& app, QWidget* pParent, bool bCalculated, int nMode,
                     const float afView[6])
{
    const CLenvaraDlg* pMain = MainDialogOf(app);
    if (!pMain)
        return;
    const SMainChoices choices = pMain->GetChoices();
    // The capability is the catalogue's, whatever the inputs; after a successful
    // calculation the record holds the same rows.
    CTarsioModel model;
    const bool bKnown = LoadChosenModel(choices, model);
    const int nShiftCaps = model.GetShiftCaps();
    if (bKnown && nShiftCaps == 0)
    {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Shift Calculator"),
                        QStringLiteral("Shift Data are not available\nfor this projector"),
                        QMessageBox::Ok, pParent);
        box.exec();
        return;
    }
    // A failed recalculation leaves the record as an earlier calculation, perhaps of
    // the other page or another model, left it: nothing of it belongs here.
    if (!bCalculated)
        return;
    float afHorz[4] = {};
    float afVert[4] = {};
    const bool bHorizontal =
        app.CalcHorizontalShift(choices.strName.c_str(), choices.nAspectCode, choices.options,
                                afHorz[0], afHorz[1], afHorz[2], afHorz[3]);
    const bool bVertical =
        app.CalcVerticalShift(choices.strName.c_str(), choices.nAspectCode, choices.options,
                              afVert[0], afVert[1], afVert[2], afVert[3]);
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
