#include "ui/ModelListBox.h"

#include "app/LenvaraApp.h"

#include <QMouseEvent>

CModelListBox::CModelListBox(CLenvaraApp& app, QWidget* pParent) : QListView(pParent), m_app(app)
{
    setMouseTracking(true);
}

void CModelListBox::mouseMoveEvent(QMouseEvent* pEvent)
{
    // The drop-down list's selection follows the mouse; fall back to the entry under it.
    QModelIndex index = currentIndex();
    const QModelIndex indexUnder = indexAt(pEvent->position().toPoint());
    if (indexUnder.isValid())
        index = indexUnder;
    if (index.isValid())
    {
        const QString strName = index.data(Qt::DisplayRole).toString();
        if (strName != m_strLastName)
        {
            m_strLastName = strName;
            m_app.SelectPicture(strName.toUtf8().constData());
            m_app.InvalidatePicture();
            emit pictureChanged(strName);
        }
    }
    QListView::mouseMoveEvent(pEvent);
}
