#include "platform/Controls.h"

#include "core/TextFormat.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QSlider>
#include <QWidget>

QString ControlName(int nId)
{
    return QString::number(nId);
}

QWidget* FindControl(const QWidget* pWnd, int nId)
{
    if (!pWnd)
        return nullptr;
    return pWnd->findChild<QWidget*>(ControlName(nId), Qt::FindDirectChildrenOnly);
}

namespace
{
QString RawText(const QWidget* pControl)
{
    if (auto* pEdit = qobject_cast<const QLineEdit*>(pControl))
        return pEdit->text();
    if (auto* pCombo = qobject_cast<const QComboBox*>(pControl))
        return pCombo->currentText();
    if (auto* pLabel = qobject_cast<const QLabel*>(pControl))
        return pLabel->text();
    if (auto* pButton = qobject_cast<const QAbstractButton*>(pControl))
        return pButton->text();
    return pControl->windowTitle();
}
} // namespace

std::string GetControlText(const QWidget* pWnd, int nId, int nMaxCount)
{
    const QWidget* pControl = FindControl(pWnd, nId);
    if (!pControl || nMaxCount <= 1)
        return {};
    std::string text = RawText(pControl).toStdString();
    const size_t nLimit = static_cast<size_t>(nMaxCount - 1);
    if (text.size() > nLimit)
    {
        size_t nCut = nLimit;
        // Step back over UTF-8 continuation bytes so no character is cut in two.
        while (nCut > 0 && (static_cast<unsigned char>(text[nCut]) & 0xC0) == 0x80)
            --nCut;
        text.resize(nCut);
    }
    return text;
}

bool SetControlText(QWidget* pWnd, int nId, const std::string& text)
{
    QWidget* pControl = FindControl(pWnd, nId);
    if (!pControl)
        return false;
    const QString str = QString::fromStdString(text);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
    {
        pEdit->setText(str);
        // A read-only edit too narrow for its text shows the text's start (a number's
        // leading digits matter most), and its tooltip gives the whole text.
        if (pEdit->isReadOnly())
            pEdit->setCursorPosition(0);
        const QMargins margins = pEdit->textMargins();
        const int nRoom = pEdit->contentsRect().width() - margins.left() - margins.right() - 4;
        pEdit->setToolTip(pEdit->fontMetrics().horizontalAdvance(str) > nRoom ? str : QString());
    }
    else if (auto* pCombo = qobject_cast<QComboBox*>(pControl))
        pCombo->setEditText(str);
    else if (auto* pLabel = qobject_cast<QLabel*>(pControl))
        pLabel->setText(str);
    else if (auto* pButton = qobject_cast<QAbstractButton*>(pControl))
        pButton->setText(str);
    else
        pControl->setWindowTitle(str);
    return true;
}

int GetCheck(const QWidget* pWnd, int nId)
{
    auto* pButton = qobject_cast<const QAbstractButton*>(FindControl(pWnd, nId));
    return pButton && pButton->isChecked() ? 1 : 0;
}

void SetCheck(QWidget* pWnd, int nId, int nCheck)
{
    if (auto* pButton = qobject_cast<QAbstractButton*>(FindControl(pWnd, nId)))
    {
        pButton->setCheckable(true);
        pButton->setChecked(nCheck != 0);
    }
}

bool IsReadOnly(const QWidget* pWnd, int nId)
{
    auto* pEdit = qobject_cast<const QLineEdit*>(FindControl(pWnd, nId));
    return pEdit && pEdit->isReadOnly();
}

void SetReadOnlyLook(QLineEdit* pEdit, bool bReadOnly)
{
    pEdit->setReadOnly(bReadOnly);
    QPalette pal = pEdit->palette();
    const QPalette base = pEdit->parentWidget() ? pEdit->parentWidget()->palette() : QPalette();
    pal.setBrush(QPalette::Base,
                 bReadOnly ? base.brush(QPalette::Window) : base.brush(QPalette::Base));
    pEdit->setPalette(pal);
}

void SetWarningLook(QLineEdit* pEdit, bool bWarning, const QString& strTip)
{
    if (!bWarning)
    {
        if (pEdit->property("lenvaraWarning").toBool())
            pEdit->setToolTip(QString());
        pEdit->setProperty("lenvaraWarning", false);
        SetReadOnlyLook(pEdit, pEdit->isReadOnly());
        return;
    }
    QPalette pal = pEdit->palette();
    pal.setColor(QPalette::Base, QColor(255, 222, 173));
    pEdit->setPalette(pal);
    pEdit->setToolTip(strTip);
    pEdit->setProperty("lenvaraWarning", true);
}

void SetWarning(QWidget* pWnd, int nId, bool bWarning, const QString& strTip)
{
    if (auto* pEdit = qobject_cast<QLineEdit*>(FindControl(pWnd, nId)))
        SetWarningLook(pEdit, bWarning, strTip);
}

void SetReadOnly(QWidget* pWnd, int nId, bool bReadOnly)
{
    if (auto* pEdit = qobject_cast<QLineEdit*>(FindControl(pWnd, nId)))
        SetReadOnlyLook(pEdit, bReadOnly);
}

void EnableControl(QWidget* pWnd, int nId, bool bEnable)
{
    if (QWidget* pControl = FindControl(pWnd, nId))
        pControl->setEnabled(bEnable);
}

void ShowControl(QWidget* pWnd, int nId, bool bShow)
{
    if (QWidget* pControl = FindControl(pWnd, nId))
        pControl->setVisible(bShow);
}

QRect GetControlRect(const QWidget* pWnd, int nId)
{
    const QWidget* pControl = FindControl(pWnd, nId);
    return pControl ? pControl->geometry() : QRect();
}

void MoveControl(QWidget* pWnd, int nId, const QRect& rect)
{
    if (QWidget* pControl = FindControl(pWnd, nId))
        pControl->setGeometry(rect);
}

QRect PlaceOverControl(QWidget* pChild, const QWidget* pDialog, int nPlaceholderId, int nGrow)
{
    if (!FindControl(pDialog, nPlaceholderId))
        return QRect();
    const QRect rect =
        GetControlRect(pDialog, nPlaceholderId).adjusted(-nGrow, -nGrow, nGrow, nGrow);
    pChild->setGeometry(rect);
    pChild->show();
    return rect;
}

QRect GetWindowPlacement(const QWidget* pWindow)
{
    if (!pWindow)
        return QRect();
    if (!pWindow->isWindow())
        return pWindow->geometry();
    if (pWindow->isVisible() || pWindow->testAttribute(Qt::WA_Moved))
        return pWindow->frameGeometry();
    // Not placed yet: centred where a dialog comes up.
    const QWidget* pParent = pWindow->parentWidget() ? pWindow->parentWidget()->window() : nullptr;
    QRect area;
    if (pParent)
        area = pParent->frameGeometry();
    else if (const QScreen* pScreen = pWindow->screen())
        area = pScreen->availableGeometry();
    QRect rect(QPoint(0, 0), pWindow->frameGeometry().size());
    rect.moveCenter(area.center());
    return rect;
}

void SetWindowPlacement(QWidget* pWindow, const QRect& rect)
{
    if (!pWindow)
        return;
    if (!pWindow->isWindow())
    {
        pWindow->setGeometry(rect);
        pWindow->show();
        return;
    }
    // The frame around the client area, as far as the window system told us.
    const QRect frame = pWindow->frameGeometry();
    const QRect client = pWindow->geometry();
    const QSize size(rect.width() - (frame.width() - client.width()),
                     rect.height() - (frame.height() - client.height()));
    if (pWindow->minimumSize() == pWindow->maximumSize())
        pWindow->setFixedSize(size);
    else
        pWindow->resize(size);
    pWindow->move(rect.topLeft());
    if (pWindow->isVisible())
        pWindow->showNormal();
}

QRect GetControlPlacement(const QWidget* pWnd, int nId)
{
    const QWidget* pControl = FindControl(pWnd, nId);
    return pControl ? GetWindowPlacement(pControl) : QRect();
}

void SetControlPlacement(QWidget* pWnd, int nId, const QRect& rect)
{
    if (QWidget* pControl = FindControl(pWnd, nId))
        SetWindowPlacement(pControl, rect);
}

void MoveControlTo(QWidget* pWnd, int nId, int nFromId)
{
    if (!FindControl(pWnd, nFromId))
        return;
    SetControlPlacement(pWnd, nId, GetControlPlacement(pWnd, nFromId));
    ShowControl(pWnd, nFromId, false);
}

void SetTrackBarRange(QWidget* pWnd, int nId, int nMin, int nMax)
{
    if (auto* pSlider = qobject_cast<QSlider*>(FindControl(pWnd, nId)))
        pSlider->setRange(nMin, nMax);
}

int GetTrackBarMax(const QWidget* pWnd, int nId)
{
    auto* pSlider = qobject_cast<const QSlider*>(FindControl(pWnd, nId));
    return pSlider ? pSlider->maximum() : 0;
}

int GetTrackBarPos(const QWidget* pWnd, int nId)
{
    auto* pSlider = qobject_cast<const QSlider*>(FindControl(pWnd, nId));
    return pSlider ? pSlider->value() : 0;
}

void SetTrackBarPos(QWidget* pWnd, int nId, int nPos)
{
    if (auto* pSlider = qobject_cast<QSlider*>(FindControl(pWnd, nId)))
        pSlider->setValue(nPos);
}

float ReadControlNumber(const QWidget* pWnd, int nId)
{
    if (!pWnd || !FindControl(pWnd, nId))
        return 0.0f;
    return ReadLeadingFloat(GetControlText(pWnd, nId, 80));
}

bool WriteControlNumber(QWidget* pWnd, int nId, float fValue)
{
    return pWnd && SetControlText(pWnd, nId, FormatLength(fValue));
}
