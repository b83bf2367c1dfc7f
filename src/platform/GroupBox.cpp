#include "platform/GroupBox.h"

#include <QPainter>

#include <algorithm>

CGroupBox::CGroupBox(const QString& strTitle, QWidget* pParent) : QGroupBox(strTitle, pParent) {}

int CGroupBox::FrameTop() const
{
    return fontMetrics().height() / 2;
}

void CGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& palette = this->palette();
    // An etched frame: a dark line with a light one just inside and below it.
    const QRect frame(0, FrameTop(), width() - 2, height() - FrameTop() - 2);
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));

    const QString strTitle = title();
    if (strTitle.isEmpty())
        return;
    const QFontMetrics metrics = fontMetrics();
    const int nPad = 2;
    const int nTextWidth = metrics.horizontalAdvance(QString(strTitle).remove(QLatin1Char('&')));
    // Indented by about a character, less where a long caption would not fit then.
    const int nLeft =
        std::clamp(width() - 2 - (nTextWidth + 2 * nPad), 0, metrics.averageCharWidth() + 2);
    const QRect caption(nLeft, 0, std::min(nTextWidth + 2 * nPad, width() - nLeft),
                        metrics.height());
    painter.fillRect(caption, palette.color(backgroundRole()));
    painter.setPen(
        palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption.adjusted(nPad, 0, -nPad, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, strTitle);
}
