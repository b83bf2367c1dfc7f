#include "ui/AboutDialog.h"

#include "AboutDlgIds.h"
#include "DialogTemplates.h"
#include "platform/Controls.h"
#include "platform/MaskedBitmap.h"
#include "platform/PainterDC.h"

#include <QPainter>

namespace
{
constexpr int kLogoBitmapId = 135;
}

CAboutDialog::CAboutDialog(QWidget* pParent) : CDialog(AboutDialogTemplate(), nullptr, pParent) {}

bool CAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetControlText(this, AboutDlgIds::kIdVersion, "Lenvara Calculator Version 1.0");
    SetControlText(this, AboutDlgIds::kIdLine2, "Projector planning for installers");
    return true;
}

void CAboutDialog::paintEvent(QPaintEvent* pEvent)
{
    CDialog::paintEvent(pEvent);
    QPainter painter(this);
    CPainterDC dc(painter);
    CMaskedBitmap logo;
    if (logo.LoadFromResource(kLogoBitmapId))
        logo.DrawTransparent(dc, GetControlRect(this, AboutDlgIds::kIdLogoPlace),
                             QColor(0, 255, 0));
}
