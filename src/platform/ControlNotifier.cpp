#include "platform/ControlNotifier.h"

#include "platform/Controls.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSlider>

#include <memory>
#include <utility>

void CControlNotifier::Connect(QWidget* pOwner, const SDialogTemplate& tpl,
                               const SControlHandlers& handlers)
{
    m_handlers = handlers;
    for (int i = 0; i < tpl.nControls; ++i)
    {
        const int nId = tpl.pControls[i].nId;
        if (nId == kIdStatic)
            continue;
        QWidget* pControl = FindControl(pOwner, nId);
        if (auto* pButton = qobject_cast<QAbstractButton*>(pControl))
            connect(pButton, &QAbstractButton::clicked, this,
                    [this, nId]
                    {
                        if (m_handlers.onCommand)
                            m_handlers.onCommand(nId);
                    });
        else if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
        {
            m_mapEditIds.insert(pEdit, nId);
            pEdit->installEventFilter(this);
        }
        else if (auto* pSlider = qobject_cast<QSlider*>(pControl))
        {
            // A user's action first moves the slider position, then the value follows
            // (at once, or at the release of a drag without tracking): report once the
            // value is there, so the handler reads the same position from the slider.
            auto pPending = std::make_shared<bool>(false);
            connect(pSlider, &QAbstractSlider::actionTriggered, this,
                    [pSlider, pPending](int)
                    {
                        // An action that leaves the position (a press on the handle, a
                        // step at a range end) moves nothing and reports nothing.
                        if (pSlider->sliderPosition() != pSlider->value())
                            *pPending = true;
                    });
            connect(pSlider, &QAbstractSlider::valueChanged, this,
                    [this, pPending, nId](int nPos)
                    {
                        if (!std::exchange(*pPending, false))
                            return;
                        if (m_handlers.onVScroll)
                            m_handlers.onVScroll(nId, nPos);
                    });
        }
    }
}

bool CControlNotifier::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::FocusIn && m_handlers.onSetFocus)
    {
        const auto it = m_mapEditIds.constFind(pWatched);
        if (it != m_mapEditIds.constEnd())
            m_handlers.onSetFocus(it.value(), static_cast<QFocusEvent*>(pEvent)->reason());
    }
    return QObject::eventFilter(pWatched, pEvent);
}
