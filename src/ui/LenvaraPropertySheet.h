// The calculation sheet embedded in the main dialog: the "Projection Distance" and
// "Screen Dimensions" pages, in this tab order. Forwards the main dialog's unit
// change to whichever page is active and names the active page.
#pragma once

#include "platform/PropertySheet.h"
#include "ui/Page_Image.h"
#include "ui/Page_Lenvara.h"

class CLenvaraPropertySheet : public CPropertySheet
{
    Q_OBJECT

public:
    explicit CLenvaraPropertySheet(QWidget* pParent);

    // The active page converts its numbers; the other keeps them.
    void OnUnitsChanged(int nFromUnit, int nToUnit);
    // The active calculation page; nullptr when none is.
    CCalcPage* GetActiveCalcPage() const;

    CPage_Image m_pageImage;
    CPage_Lenvara m_pageLenvara;
};
