#include "ui/ModelListBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace
{
// Draws a row the model marks as a separator as a thin line across the list.
class CSeparatorDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (!IsSeparator(index))
        {
            QStyledItemDelegate::paint(pPainter, option, index);
            return;
        }
        const int y = option.rect.center().y();
        pPainter->save();
        pPainter->setPen(option.palette.color(QPalette::Mid));
        pPainter->drawLine(option.rect.left() + 4, y, option.rect.right() - 4, y);
        pPainter->restore();
    }

    static bool IsSeparator(const QModelIndex& index)
    {
        return index.data(Qt::AccessibleDescriptionRole).toString() == QLatin1String("separator");
    }
};
} // namespace

CModelListBox::CModelListBox(QWidget* pParent) : QListView(pParent)
{
    setMouseTracking(true);
    setItemDelegate(new CSeparatorDelegate(this));
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
