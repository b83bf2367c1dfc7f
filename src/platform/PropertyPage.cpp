#include "platform/PropertyPage.h"

#include "platform/Controls.h"

#include <QAbstractButton>
#include <QKeyEvent>

CPropertyPage::CPropertyPage(const SDialogTemplate& tpl, QWidget* pParent)
    : QWidget(pParent), m_tpl(tpl), m_builder(CDialogBuilder::DialogFont())
{
    setFont(CDialogBuilder::DialogFont());
    setObjectName(QString::number(tpl.nId));
}

QString CPropertyPage::GetCaption() const
{
    return QString::fromUtf8(m_tpl.pszCaption);
}

void CPropertyPage::Create()
{
    if (m_bCreated)
        return;
    m_bCreated = true;
    m_builder.Build(m_tpl, this, QPoint(0, 0));
    for (int i = 0; i < m_tpl.nControls; ++i)
    {
        const int nId = m_tpl.pControls[i].nId;
        if (nId == kIdStatic)
            continue;
        if (auto* pButton = qobject_cast<QAbstractButton*>(FindControl(this, nId)))
            connect(pButton, &QAbstractButton::clicked, this, [this, nId] { OnCommand(nId); });
    }
}

void CPropertyPage::InitOnce()
{
    Create();
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    OnInitDialog();
}

bool CPropertyPage::OnInitDialog()
{
    return true;
}

void CPropertyPage::OnCommand(int)
{
}

bool CPropertyPage::OnReturnKey()
{
    return false;
}

void CPropertyPage::keyPressEvent(QKeyEvent* pEvent)
{
    if ((pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) && OnReturnKey())
    {
        pEvent->accept();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}
