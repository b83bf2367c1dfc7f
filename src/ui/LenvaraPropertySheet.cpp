#include "ui/LenvaraPropertySheet.h"

CLenvaraPropertySheet::CLenvaraPropertySheet(CLenvaraApp& app, QWidget* pParent)
    : CPropertySheet(pParent), m_pageImage(app), m_pageLenvara(app)
{
    AddPage(&m_pageImage);
    AddPage(&m_pageLenvara);
}

void CLenvaraPropertySheet::OnUnitsChanged()
{
    if (GetActivePage() == &m_pageImage)
        m_pageImage.ConvertUnits();
    else if (GetActivePage() == &m_pageLenvara)
        m_pageLenvara.ConvertUnits();
}

void CLenvaraPropertySheet::Recalculate()
{
    if (GetActivePage() == &m_pageImage)
        m_pageImage.Calculate();
    else if (GetActivePage() == &m_pageLenvara)
        m_pageLenvara.Calculate();
}
