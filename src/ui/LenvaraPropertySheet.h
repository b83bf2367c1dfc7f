// The calculation sheet embedded in the main dialog: the "Projection Distance" and
// "Screen Dimensions" pages, in this tab order. Forwards the main dialog's two
// notices (unit changed, recalculate) to whichever page is active.
#pragma once

#include "platform/PropertySheet.h"
#include "ui/Page_Image.h"
#include "ui/Page_Lenvara.h"

class CLenvaraApp;

class CLenvaraPropertySheet : public CPropertySheet
{
    Q_OBJECT

public:
    CLenvaraPropertySheet(CLenvaraApp& app, QWidget* pParent);

    void OnUnitsChanged();
    // The active page's Calculate: 1 when it succeeded.
    int Recalculate();

    CPage_Image m_pageImage;
    CPage_Lenvara m_pageLenvara;
};
