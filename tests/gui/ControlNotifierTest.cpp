// Notifications of a dialog's controls (clicks, an edit receiving the focus, a
// track bar moved by the user) reaching its handlers, and child windows laid over
// placeholder controls.
#include "DialogDriver.h"

#include "platform/Controls.h"
#include "platform/Dialog.h"

#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
using D = CDialogDriver;

// The probe's own control ids.
constexpr int kIdProbeButton = 1046;
constexpr int kIdProbeRadio = 1002;
constexpr int kIdProbeEdit = 1009;
constexpr int kIdProbeNextEdit = 1010;
constexpr int kIdProbeSlider = 1032;
constexpr int kIdProbePlaceholder = 1034;

const SControlTemplate kProbeControls[] = {
    {kIdProbeButton, EControlKind::PushButton, "Shift", 5, 5, 50, 12, kCsTabStop},
    {kIdProbeRadio, EControlKind::RadioButton, "Meters", 5, 20, 0, 0, kCsTabStop},
    {kIdProbeEdit, EControlKind::Edit, "", 5, 35, 50, 12, kCsTabStop},
    {kIdProbeNextEdit, EControlKind::Edit, "", 5, 50, 50, 12, kCsTabStop},
    {kIdProbeSlider, EControlKind::Static, "", 70, 5, 20, 60, kCsTabStop}, // the track bar
};
const SDialogTemplate kProbeTemplate = {900, "Probe", 100, 70, kProbeControls, 5, 0};

// Writes down every notification, with the slider's value at the time.
class CProbeDialog : public CDialog
{
public:
    CProbeDialog() : CDialog(kProbeTemplate) {}

    QStringList m_vEvents;

protected:
    QWidget* CreateControl(const SControlTemplate& ctl, QWidget* pParent) override
    {
        if (ctl.nId != kIdProbeSlider)
            return nullptr;
        auto* pSlider = new QSlider(Qt::Vertical, pParent);
        pSlider->setRange(-15, 15);
        return pSlider;
    }
    void OnCommand(int nId) override { m_vEvents << QStringLiteral("command %1").arg(nId); }
    void OnSetFocus(int nId, Qt::FocusReason eReason) override
    {
        m_vEvents << QStringLiteral("focus %1 reason %2").arg(nId).arg(eReason);
    }
    void OnVScroll(int nId, int nPos) override
    {
        const int nValue = static_cast<QSlider*>(FindControl(this, nId))->value();
        m_vEvents << QStringLiteral("scroll %1 to %2 value %3").arg(nId).arg(nPos).arg(nValue);
    }
};
} // namespace

TEST(ControlNotifier, ClicksFocusAndUserMovedTrackBarsReachTheHandlers)
{
    CProbeDialog dlg;
    dlg.Create();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    auto* pSlider = static_cast<QSlider*>(D::Control(&dlg, kIdProbeSlider));

    D::Click(&dlg, kIdProbeButton);
    D::Click(&dlg, kIdProbeRadio);
    D::Click(&dlg, kIdProbeEdit);
    D::PressTab(&dlg); // into the next edit
    EXPECT_EQ(dlg.m_vEvents, QStringList({"command 1046", "command 1002", "focus 1009 reason 0",
                                          "focus 1010 reason 1"}));

    dlg.m_vEvents.clear();
    D::PressKey(pSlider, Qt::Key_Up);       // one step up: 1
    D::PressKey(pSlider, Qt::Key_PageDown); // a page (10) down: -9
    D::PressKey(pSlider, Qt::Key_Home);     // to the minimum
    D::PressKey(pSlider, Qt::Key_Home);     // already there: nothing moves
    pSlider->setValue(15);                  // by code: no notification
    D::PressKey(pSlider, Qt::Key_Up);       // at the maximum: nothing moves
    // A drag: the position follows the mouse, the value follows the position.
    pSlider->setSliderDown(true);
    pSlider->setSliderPosition(3);
    pSlider->setSliderDown(false);
    EXPECT_EQ(dlg.m_vEvents,
              QStringList({"scroll 1032 to 1 value 1", "scroll 1032 to -9 value -9",
                           "scroll 1032 to -15 value -15", "scroll 1032 to 3 value 3"}));
}

TEST(ControlNotifier, ChildWindowCoversThePlaceholderGrownOrShrunk)
{
    QWidget dialog;
    auto* pPlaceholder = new QWidget(&dialog);
    pPlaceholder->setObjectName(ControlName(kIdProbePlaceholder));
    pPlaceholder->setGeometry(10, 20, 30, 40);
    auto* pView = new QWidget(&dialog);
    pView->hide();
    EXPECT_EQ(PlaceOverControl(pView, &dialog, kIdProbePlaceholder, 1), QRect(9, 19, 32, 42));
    EXPECT_FALSE(pView->isHidden());
    EXPECT_EQ(PlaceOverControl(pView, &dialog, kIdProbePlaceholder, -1), QRect(11, 21, 28, 38));
    EXPECT_EQ(pView->geometry(), QRect(11, 21, 28, 38));
}
