#include "ui/AboutDialog.h"

#include "DialogTemplates.h"
#include "platform/Controls.h"
#include "platform/PainterDC.h"
#include "ui/MaskedBitmap.h"

#include <QPainter>

namespace
{
constexpr int kLogoBitmapId = 135;
}

CAboutDialog::CAboutDialog(QWidget* pParent) : CDialog(AboutDialogTemplate(), nullptr, pParent)
{
}

bool CAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetControlText(this, 1059, "Lenvara Calculator Version 1.0");
    SetControlText(this, 1060, "Projector planning for installers");
    return true;
}

void CAboutDialog::paintEvent(QPaintEvent* pEvent)
{
    CDialog::paintEvent(pEvent);
    QPainter painter(this);
    CPainterDC dc(painter);
    CMaskedBitmap logo;
    if (logo.LoadFromResource(kLogoBitmapId))
        logo.DrawTransparent(dc, GetControlRect(this, 1017), QColor(0, 255, 0));
}
