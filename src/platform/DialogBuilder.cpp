#include "platform/DialogBuilder.h"

#include "platform/Controls.h"
#include "platform/GroupBox.h"
#include "platform/PlainRadioButton.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace
{
// Natural heights, in dialog units, of controls that the tables give no size.
constexpr int kStaticHeightDu = 8;
constexpr int kRadioHeightDu = 10;

int MulDivRound(int a, int b, int c)
{
    const long long n = static_cast<long long>(a) * b;
    return static_cast<int>(n >= 0 ? (n + c / 2) / c : (n - c / 2) / c);
}
} // namespace

CDialogBuilder::CDialogBuilder(const QFont& font) : m_font(font)
{
    // Average width over the 52 Latin letters, rounded up, as dialog managers do.
    const QFontMetrics fm(m_font);
    const int nAlphabet = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_sizeBase = QSize((nAlphabet / 26 + 1) / 2, fm.height());
}

QFont CDialogBuilder::DialogFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(9.0);
    return font;
}

int CDialogBuilder::UnitsToPixelsX(int x) const
{
    return MulDivRound(x, m_sizeBase.width(), 4);
}

int CDialogBuilder::UnitsToPixelsY(int y) const
{
    return MulDivRound(y, m_sizeBase.height(), 8);
}

QRect CDialogBuilder::UnitsToPixels(int x, int y, int cx, int cy) const
{
    return QRect(UnitsToPixelsX(x), UnitsToPixelsY(y), UnitsToPixelsX(cx), UnitsToPixelsY(cy));
}

void CDialogBuilder::Build(const SDialogTemplate& tpl, QWidget* pParent, const QPoint& ptOrigin,
                           const CreateHook& hook) const
{
    for (int i = 0; i < tpl.nControls; ++i)
    {
        const SControlTemplate& ctl = tpl.pControls[i];
        QWidget* pWidget = hook ? hook(ctl, pParent) : nullptr;
        if (!pWidget)
            pWidget = CreateStandard(ctl, pParent);
        pWidget->setObjectName(ControlName(ctl.nId));
        pWidget->setFont(m_font);

        QRect rc = UnitsToPixels(ctl.x, ctl.y, ctl.cx, ctl.cy);
        if (ctl.eKind == EControlKind::ComboDropDown)
            rc.setHeight(std::max(pWidget->sizeHint().height(), UnitsToPixelsY(12)));
        else if (ctl.cx == 0 || ctl.cy == 0)
        {
            // Natural size, vertically centred on the row a label of that height takes.
            const int nRowHeight = UnitsToPixelsY(
                ctl.eKind == EControlKind::RadioButton ? kRadioHeightDu : kStaticHeightDu);
            const QSize hint = pWidget->sizeHint();
            const int nHeight = std::max(hint.height(), nRowHeight);
            rc = QRect(rc.left(), rc.top() + (nRowHeight - nHeight) / 2, hint.width(), nHeight);
        }
        pWidget->setGeometry(rc.translated(ptOrigin));

        // Controls without a tab stop are still reached by the mouse.
        if (!(ctl.nStyle & kCsTabStop) && (pWidget->focusPolicy() & Qt::TabFocus))
            pWidget->setFocusPolicy(Qt::ClickFocus);
        if (ctl.nStyle & kCsDisabled)
            pWidget->setEnabled(false);
        if (ctl.nStyle & kCsHidden)
            pWidget->setVisible(false);
        else
            pWidget->setVisible(true);
    }
}

QWidget* CDialogBuilder::CreateStandard(const SControlTemplate& ctl, QWidget* pParent) const
{
    const QString strText = QString::fromUtf8(ctl.pszText ? ctl.pszText : "");
    switch (ctl.eKind)
    {
    case EControlKind::GroupBox:
        return new CGroupBox(strText, pParent);
    case EControlKind::Static:
    {
        auto* pLabel = new QLabel(strText, pParent);
        pLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        pLabel->setTextFormat(Qt::PlainText);
        return pLabel;
    }
    case EControlKind::Frame:
    {
        auto* pFrame = new QFrame(pParent);
        pFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return pFrame;
    }
    case EControlKind::Edit:
    {
        auto* pEdit = new QLineEdit(strText, pParent);
        if (ctl.nStyle & kCsRight)
            pEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pEdit->setTextMargins(1, 0, 1, 0);
        if (ctl.nStyle & kCsReadOnly)
            SetReadOnlyLook(pEdit, true);
        return pEdit;
    }
    case EControlKind::PushButton:
    {
        auto* pButton = new QPushButton(strText, pParent);
        // Enter belongs to the dialog's own handler, never to the focused button.
        pButton->setAutoDefault(false);
        pButton->setDefault((ctl.nStyle & kCsDefault) != 0);
        return pButton;
    }
    case EControlKind::RadioButton:
        return new CPlainRadioButton(strText, pParent);
    case EControlKind::ComboDropDown:
    {
        auto* pCombo = new QComboBox(pParent);
        pCombo->setEditable(true);
        pCombo->setInsertPolicy(QComboBox::NoInsert);
        pCombo->setCompleter(nullptr);
        return pCombo;
    }
    case EControlKind::TrackBar:
    {
        auto* pSlider = new QSlider(Qt::Vertical, pParent);
        // The top end is the minimum, and the arrow keys, Page Up/Down and the wheel
        // move the handle the way they point (up towards the minimum).
        pSlider->setInvertedAppearance(true);
        pSlider->setInvertedControls(true);
        pSlider->setTickPosition(QSlider::TicksRight);
        pSlider->setTickInterval(5);
        return pSlider;
    }
    }
    return new QWidget(pParent);
}
