#include "ui/PrintInfoDialog.h"

#include "DialogTemplates.h"
#include "PrintInfoDlgIds.h"
#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "platform/MaskedBitmap.h"
#include "platform/PainterDC.h"

#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>

using namespace PrintInfoDlgIds;

namespace
{
constexpr int kLogoBitmapId = 135;
// Buffer sizes with the terminator: 99 and 254 characters.
constexpr int kLineBuffer = 100;
constexpr int kNotesBuffer = 255;
} // namespace

CPrintInfoDialog::CPrintInfoDialog(CLenvaraApp& app, QWidget* pParent)
    : CDialog(PrintInfoDialogTemplate(), nullptr, pParent), m_app(app)
{
}

bool CPrintInfoDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editNotes = qobject_cast<QLineEdit*>(FindControl(this, kIdNotes));
    m_editQuotation = qobject_cast<QLineEdit*>(FindControl(this, kIdQuotation));
    m_editDealer2 = qobject_cast<QLineEdit*>(FindControl(this, kIdDealer2));
    m_editDealer1 = qobject_cast<QLineEdit*>(FindControl(this, kIdDealer1));
    m_editCustomer1 = qobject_cast<QLineEdit*>(FindControl(this, kIdCustomer1));
    m_editCustomer2 = qobject_cast<QLineEdit*>(FindControl(this, kIdCustomer2));
    return true;
}

void CPrintInfoDialog::showEvent(QShowEvent* pEvent)
{
    // The controls are built once; every opening starts like the first. A window
    // system's show (restoring the minimised dialog) keeps what the user typed.
    if (!pEvent->spontaneous())
        Initialise();
    CDialog::showEvent(pEvent);
}

void CPrintInfoDialog::Initialise()
{
    SetControlText(this, kIdDealer1, m_app.GetDealer1Text());
    SetControlText(this, kIdDealer2, m_app.GetDealer2Text());
    SetControlText(this, kIdCustomer1, std::string());
    m_app.SetCustomer1("");
    SetControlText(this, kIdCustomer2, std::string());
    m_app.SetCustomer2("");
    SetControlText(this, kIdQuotation, std::string());
    m_app.SetQuotation("");
    SetControlText(this, kIdNotes, std::string());
    m_app.SetNotes("");
    if (m_editCustomer1)
        m_editCustomer1->setFocus(Qt::OtherFocusReason);
}

void CPrintInfoDialog::OnCommand(int nId)
{
    if (nId == kIdOk)
        OnOK();
    else
        CDialog::OnCommand(nId);
}

void CPrintInfoDialog::OnOK()
{
    m_app.SetDealer1(GetControlText(this, kIdDealer1, kLineBuffer).c_str());
    m_app.SetDealer2(GetControlText(this, kIdDealer2, kLineBuffer).c_str());
    m_app.SetCustomer1(GetControlText(this, kIdCustomer1, kLineBuffer).c_str());
    m_app.SetCustomer2(GetControlText(this, kIdCustomer2, kLineBuffer).c_str());
    m_app.SetQuotation(GetControlText(this, kIdQuotation, kLineBuffer).c_str());
    m_app.SetNotes(GetControlText(this, kIdNotes, kNotesBuffer).c_str());
    accept();
}

void CPrintInfoDialog::paintEvent(QPaintEvent* pEvent)
{
    CDialog::paintEvent(pEvent);
    QPainter painter(this);
    CPainterDC dc(painter);
    CMaskedBitmap logo;
    if (logo.LoadFromResource(kLogoBitmapId))
        logo.DrawTransparent(dc, GetControlRect(this, kIdLogoPlace), QColor(0, 255, 0));
}
