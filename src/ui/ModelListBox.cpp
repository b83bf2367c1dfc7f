#include "ui/ModelListBox.h"

#include <QMouseEvent>

CModelListBox::CModelListBox(QWidget* pParent) : QListView(pParent)
{
    setMouseTracking(true);
}

void CModelListBox::mouseMoveEvent(QMouseEvent* pEvent)
{
    // The drop-down list's selection follows the mouse; fall back to the entry under it.
    QModelIndex index = currentIndex();
    const QModelIndex indexUnder = indexAt(pEvent->position().toPoint());
    if (indexUnder.isValid() && (indexUnder.flags() & Qt::ItemIsEnabled)) // not the separator
        index = indexUnder;
    if (index.isValid())
    {
        const QString strName = index.data(Qt::DisplayRole).toString();
        if (strName != m_strLastName)
        {
            m_strLastName = strName;
            emit pictureChanged(strName);
        }
    }
    QListView::mouseMoveEvent(pEvent);
}
