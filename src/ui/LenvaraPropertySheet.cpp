#include "ui/LenvaraPropertySheet.h"

CLenvaraPropertySheet::CLenvaraPropertySheet(QWidget* pParent) : CPropertySheet(pParent)
{
    AddPage(&m_pageImage);
    AddPage(&m_pageLenvara);
}

void CLenvaraPropertySheet::OnUnitsChanged(int nFromUnit, int nToUnit)
{
    if (CCalcPage* pPage = GetActiveCalcPage())
        pPage->ConvertUnits(nFromUnit, nToUnit);
}

CCalcPage* CLenvaraPropertySheet::GetActiveCalcPage() const
{
    return qobject_cast<CCalcPage*>(GetActivePage());
}
