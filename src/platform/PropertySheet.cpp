#include "platform/PropertySheet.h"

#include "platform/PropertyPage.h"

CPropertySheet::CPropertySheet(QWidget* pParent) : QTabWidget(pParent)
{
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QTabWidget::currentChanged, this,
            [this](int nIndex)
            {
                if (CPropertyPage* pPage = GetPage(nIndex))
                    pPage->InitOnce();
            });
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    pPage->Create();
    const QSignalBlocker blocker(this);
    addTab(pPage, pPage->GetCaption());
}

CPropertyPage* CPropertySheet::GetPage(int nIndex) const
{
    return qobject_cast<CPropertyPage*>(widget(nIndex));
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(currentIndex());
}

void CPropertySheet::SetActivePage(int nIndex)
{
    if (CPropertyPage* pPage = GetPage(nIndex))
        pPage->InitOnce();
    setCurrentIndex(nIndex);
}
