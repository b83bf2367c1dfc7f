// A tabbed container of property pages, embedded as a child of a dialog. A page's
// initialisation runs the first time it becomes active. Base of the calculation
// sheet.
#pragma once

#include <QTabWidget>

class CPropertyPage;

class CPropertySheet : public QTabWidget
{
    Q_OBJECT

public:
    explicit CPropertySheet(QWidget* pParent = nullptr);

    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return count(); }
    CPropertyPage* GetPage(int nIndex) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return currentIndex(); }
    void SetActivePage(int nIndex);
};
