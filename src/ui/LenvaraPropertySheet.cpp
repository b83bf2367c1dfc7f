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

int CLenvaraPropertySheet::Recalculate()
{
    if (GetActivePage() == &m_pageImage)
        return m_pageImage.Calculate();
    if (GetActivePage() == &m_pageLenvara)
        return m_pageLenvara.Calculate();
    return 0;
}
