#include "platform/PropertyPage.h"

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
    m_notifier.Connect(this, m_tpl,
                       {[this](int nId) { OnCommand(nId); },
                        [this](int nId, Qt::FocusReason eReason) { OnSetFocus(nId, eReason); },
                        [this](int nId, int nPos) { OnVScroll(nId, nPos); }});
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

void CPropertyPage::OnCommand(int) {}

void CPropertyPage::OnSetFocus(int, Qt::FocusReason) {}

void CPropertyPage::OnVScroll(int, int) {}

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
