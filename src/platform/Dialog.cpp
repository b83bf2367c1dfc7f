#include "platform/Dialog.h"

#include "platform/Controls.h"
#include "platform/MenuBuilder.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenuBar>

CDialog::CDialog(const SDialogTemplate& tpl, const SMenuTemplate* pMenu, QWidget* pParent)
    : QDialog(pParent), m_tpl(tpl), m_pMenu(pMenu), m_builder(CDialogBuilder::DialogFont())
{
    setFont(CDialogBuilder::DialogFont());
    setWindowTitle(QString::fromUtf8(tpl.pszCaption));
}

bool CDialog::Create()
{
    if (m_bCreated)
        return true;
    m_bCreated = true;

    if (m_pMenu)
    {
        m_pMenuBar = new QMenuBar(this);
        m_pMenuBar->setObjectName(QStringLiteral("menu%1").arg(m_pMenu->nId));
        CMenuBuilder::Build(*m_pMenu, m_pMenuBar, [this](int nId) { OnCommand(nId); });
        m_ptOrigin = QPoint(0, m_pMenuBar->sizeHint().height());
    }
    const QSize size(m_builder.UnitsToPixelsX(m_tpl.cx), m_builder.UnitsToPixelsY(m_tpl.cy));
    if (m_pMenuBar)
        m_pMenuBar->setGeometry(0, 0, size.width(), m_ptOrigin.y());
    setFixedSize(size.width(), size.height() + m_ptOrigin.y());

    m_builder.Build(m_tpl, this, m_ptOrigin,
                    [this](const SControlTemplate& ctl, QWidget* pParent)
                    { return CreateControl(ctl, pParent); });
    m_notifier.Connect(this, m_tpl,
                       {[this](int nId) { OnCommand(nId); },
                        [this](int nId, Qt::FocusReason eReason) { OnSetFocus(nId, eReason); },
                        [this](int nId, int nPos) { OnVScroll(nId, nPos); }});
    OnInitDialog();
    return true;
}

int CDialog::DoModal()
{
    Create();
    return exec();
}

bool CDialog::OnInitDialog()
{
    return true;
}

QWidget* CDialog::CreateControl(const SControlTemplate&, QWidget*)
{
    return nullptr;
}

void CDialog::OnCommand(int nId)
{
    if (nId == 1)
        accept();
    else if (nId == 2)
        reject();
}

void CDialog::OnSetFocus(int, Qt::FocusReason) {}

void CDialog::OnVScroll(int, int) {}

bool CDialog::OnReturnKey()
{
    return false;
}

void CDialog::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter)
    {
        if (OnReturnKey())
        {
            pEvent->accept();
            return;
        }
        // Otherwise the template's visible default button, as a dialog does.
        for (int i = 0; i < m_tpl.nControls; ++i)
            if (m_tpl.pControls[i].nStyle & kCsDefault)
                if (auto* pButton =
                        qobject_cast<QAbstractButton*>(FindControl(this, m_tpl.pControls[i].nId));
                    pButton && pButton->isVisible() && pButton->isEnabled())
                {
                    pButton->click();
                    pEvent->accept();
                    return;
                }
        pEvent->accept();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}
