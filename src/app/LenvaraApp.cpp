#include "app/LenvaraApp.h"

#include "model/CatalogueRows.h"
#include "platform/Controls.h"
#include "platform/DC.h"
#include "platform/Dialog.h"
#include "platform/MaskedBitmap.h"
#include "platform/Resources.h"

#include <QPainter>
#include <QRect>

#include <algorithm>

namespace
{
// The placeholder of an own projector without a picture: a grey projector seen from
// the front (body, lens, feet) over "No picture", on a light ground, drawn to size.
QImage OwnPicturePlaceholder(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xF2, 0xF2, 0xF2));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    const double unit = std::min(w, h * 1.2) / 10.0; // the drawing is 8 x 6 units
    const QPointF centre(w / 2.0, h * 0.42);
    const QRectF body(centre.x() - 3.6 * unit, centre.y() - 1.6 * unit, 7.2 * unit, 3.2 * unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xA8, 0xA8, 0xA8));
    for (double dx : {-2.6, 2.0}) // feet
        painter.drawRoundedRect(
            QRectF(centre.x() + dx * unit, body.bottom() - 0.2 * unit, 0.6 * unit, 0.6 * unit),
            0.15 * unit, 0.15 * unit);
    painter.setBrush(QColor(0xBD, 0xBD, 0xBD));
    painter.drawRoundedRect(body, 0.5 * unit, 0.5 * unit);
    const QPointF lens(body.left() + 2.2 * unit, centre.y());
    painter.setBrush(QColor(0x8C, 0x8C, 0x8C));
    painter.drawEllipse(lens, 1.15 * unit, 1.15 * unit);
    painter.setBrush(QColor(0xD6, 0xD6, 0xD6));
    painter.drawEllipse(lens, 0.7 * unit, 0.7 * unit);
    painter.setBrush(QColor(0x9A, 0x9A, 0x9A)); // vents
    for (int i = 0; i < 3; ++i)
        painter.drawRoundedRect(QRectF(body.left() + 4.2 * unit,
                                       centre.y() - 0.8 * unit + i * 0.65 * unit, 2.2 * unit,
                                       0.3 * unit),
                                0.15 * unit, 0.15 * unit);
    QFont font = painter.font();
    font.setPixelSize(std::max(9, static_cast<int>(unit * 0.9)));
    painter.setFont(font);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawText(QRectF(0, body.bottom() + 0.8 * unit, w, 1.6 * unit), Qt::AlignCenter,
                     QStringLiteral("No picture"));
    return image;
}

// The own projector's picture, or its placeholder, as it fills the rectangle's size:
// the picture scaled to fit, keeping its shape, centred on white. The last one is
// kept, as the dialog paints the same picture again and again.
QImage OwnPictureFrame(int nPictureId, const QSize& size)
{
    static qint64 nKey = 0;
    static QSize sizeKept;
    static QImage kept;
    const QImage picture = LoadOwnPicture(nPictureId);
    // A null picture has key 0, which stands for the placeholder.
    const qint64 nPicture = picture.isNull() ? 0 : picture.cacheKey();
    if (!kept.isNull() && nKey == nPicture && sizeKept == size)
        return kept;
    QImage frame;
    if (picture.isNull())
        frame = OwnPicturePlaceholder(size);
    else
    {
        frame = QImage(size, QImage::Format_RGB32);
        frame.fill(Qt::white);
        const QSize fitted = picture.size().scaled(size, Qt::KeepAspectRatio);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint((size.width() - fitted.width()) / 2,
                                       (size.height() - fitted.height()) / 2),
                                fitted),
                          picture);
    }
    nKey = nPicture;
    sizeKept = size;
    kept = frame;
    return frame;
}
} // namespace

CLenvaraApp::CLenvaraApp(MainDialogFactory factory) : m_factory(std::move(factory)) {}

CLenvaraApp::~CLenvaraApp() = default;

bool CLenvaraApp::InitInstance()
{
    if (CreateMainDialog())
        m_pMainDlg->DoModal();
    return false;
}

int CLenvaraApp::ExitInstance()
{
    m_pMainDlg.reset();
    return 0;
}

CDialog* CLenvaraApp::CreateMainDialog()
{
    if (!m_pMainDlg && m_factory)
        return AdoptMainDialog(m_factory(*this));
    return m_pMainDlg.get();
}

CDialog* CLenvaraApp::AdoptMainDialog(std::unique_ptr<CDialog> pDialog)
{
    m_pMainDlg = std::move(pDialog);
    if (m_pMainDlg)
        m_pMainDlg->Create();
    return m_pMainDlg.get();
}

void CLenvaraApp::DrawPicture(int nPictureId, const QRect& rect, CDC& dc)
{
    if (nPictureId == 0)
        return;
    if (nPictureId >= kOwnPictureBase)
    {
        const QRect inner = rect.adjusted(2, 2, -2, -2);
        if (inner.isEmpty())
            return;
        const QImage frame = OwnPictureFrame(nPictureId, inner.size());
        dc.SetStretchMode(EStretchMode::ColorOnColor);
        dc.StretchBlt(inner, frame, frame.rect(), ERasterOp::SrcCopy);
        return;
    }
    CMaskedBitmap bitmap;
    if (!bitmap.LoadFromResource(nPictureId))
        return;
    bitmap.Draw(dc, rect.adjusted(2, 2, -2, -2));
}

float CLenvaraApp::GetControlNumber(const QWidget* pWnd, int nId) const
{
    return ReadControlNumber(pWnd, nId);
}

int CLenvaraApp::SetControlNumber(QWidget* pWnd, int nId, float fValue) const
{
    if (!pWnd)
        return 0;
    WriteControlNumber(pWnd, nId, fValue);
    return 1;
}

int CLenvaraApp::GetControlCheck(const QWidget* pWnd, int nId) const
{
    return GetCheck(pWnd, nId);
}
