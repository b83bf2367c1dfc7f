#include "ui/ShiftCommand.h"

#include "core/Calculation.h"
#include "core/ShiftEnvelope.h"
#include "ui/HVShiftDialog.h"

#include <QMessageBox>

void RunShiftCommand(CLenvaraEngine& engine, QWidget* pParent, const SCalculationRequest& request,
                     const SCalculation& result)
{
    // The capability is the catalogue's, whatever the inputs, read into a record of
    // its own: the current record is left as the last calculation left it. After a
    // successful calculation that record holds the same rows.
    CTarsioModel model;
    const bool bKnown = model.LoadModel(request.strName.c_str(), request.nAspectCode) != 0;
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
    if (!result.Succeeded())
        return;
    const char* pszName = request.strName.c_str();
    float afHorz[4] = {};
    float afVert[4] = {};
    const bool bHorizontal = engine.CalcHorizontalShift(
        pszName, request.nAspectCode, request.options, afHorz[0], afHorz[1], afHorz[2], afHorz[3]);
    const bool bVertical = engine.CalcVerticalShift(pszName, request.nAspectCode, request.options,
                                                    afVert[0], afVert[1], afVert[2], afVert[3]);
    // A direction of the model's whose limits are no finite numbers has nothing to show.
    if (((nShiftCaps & 2) && !bHorizontal) || ((nShiftCaps & 1) && !bVertical))
        return;

    // Over the window the command came from, which it keeps above.
    CHVShiftDialog dlg(pParent ? pParent->window() : nullptr);
    const SInstallation& inst = result.shift;
    dlg.SetViewData(inst.nMode, inst.first.fWidth, inst.first.fHeight, inst.first.fDistance,
                    inst.second.fWidth, inst.second.fHeight, inst.second.fDistance);
    dlg.SetShiftCaps(nShiftCaps);
    if (nShiftCaps == 2 || nShiftCaps == 3)
        dlg.SetHorizontalAngles(afHorz[0], afHorz[1], afHorz[2], afHorz[3]);
    if (nShiftCaps == 1 || nShiftCaps == 3)
        dlg.SetVerticalAngles(afVert[0], afVert[1], afVert[2], afVert[3]);
    if (nShiftCaps == 3)
        dlg.SetShiftEnvelope(ModelShiftEnvelope(request.strName, request.nAspectCode));
    dlg.DoModal();
}
