// Delivers the notifications of a built dialog's or page's controls to its
// handlers: push and radio buttons clicked -> onCommand(id); an edit receiving the
// focus -> onSetFocus(id, reason), before the edit itself handles the focus; a
// track bar (a QSlider with a control id) moved by the user with the mouse, the
// wheel or the keyboard -> onVScroll(id, new position), after the slider has taken
// the new value (a position set by code reports nothing). Controls are found by
// their ids among the owner's direct children. Held as a member by CDialog and
// CPropertyPage: nothing reaches the handlers once the notifier is destroyed,
// so an owner's controls never call into it while it is being torn down.
#pragma once

#include "platform/DialogTemplate.h"

#include <QHash>
#include <QObject>

#include <functional>

class QWidget;

// Empty handlers are left out.
struct SControlHandlers
{
    std::function<void(int nId)> onCommand;
    std::function<void(int nId, Qt::FocusReason eReason)> onSetFocus;
    std::function<void(int nId, int nPos)> onVScroll;
};

class CControlNotifier : public QObject
{
    Q_OBJECT

public:
    CControlNotifier() = default;

    // Connects every control of the template that pOwner holds; once per notifier.
    void Connect(QWidget* pOwner, const SDialogTemplate& tpl, const SControlHandlers& handlers);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    SControlHandlers m_handlers;
    QHash<const QObject*, int> m_mapEditIds;
};
