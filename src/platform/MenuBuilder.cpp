#include "platform/MenuBuilder.h"

#include "platform/Controls.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace
{
QString ItemText(const SMenuItem& item)
{
    return QString::fromUtf8(item.pszText ? item.pszText : "");
}

// Adds one level-1 entry of a table to a drop-down: a separator for a null text,
// otherwise an item reporting its command id.
void AddItem(QMenu* pMenu, const SMenuItem& item, const std::function<void(int)>& onCommand)
{
    if (!item.pszText)
    {
        pMenu->addSeparator();
        return;
    }
    QAction* pAction = pMenu->addAction(ItemText(item));
    pAction->setObjectName(ControlName(item.nCommand));
    if (item.pszShortcut)
        pAction->setShortcut(QKeySequence(QString::fromLatin1(item.pszShortcut)));
    const int nCommand = item.nCommand;
    QObject::connect(pAction, &QAction::triggered, pMenu,
                     [onCommand, nCommand] { onCommand(nCommand); });
}
} // namespace

void CMenuBuilder::Build(const SMenuTemplate& tpl, QMenuBar* pMenuBar,
                         const std::function<void(int)>& onCommand)
{
    QMenu* pMenu = nullptr;
    for (int i = 0; i < tpl.nItems; ++i)
    {
        const SMenuItem& item = tpl.pItems[i];
        if (item.nLevel == 0)
            pMenu = pMenuBar->addMenu(ItemText(item));
        else if (pMenu)
            AddItem(pMenu, item, onCommand);
    }
}

int CMenuBuilder::BuildPopup(const SMenuTemplate& tpl, int nSubMenu, QMenu* pMenu,
                             const std::function<void(int)>& onCommand)
{
    int nFirst = -1; // the level-0 entry of that drop-down
    for (int i = 0, nSeen = 0; i < tpl.nItems && nFirst < 0; ++i)
        if (tpl.pItems[i].nLevel == 0 && nSeen++ == nSubMenu)
            nFirst = i;
    if (nFirst < 0 || !pMenu)
        return 0;
    pMenu->setTitle(ItemText(tpl.pItems[nFirst]));
    for (int i = nFirst + 1; i < tpl.nItems && tpl.pItems[i].nLevel != 0; ++i)
        AddItem(pMenu, tpl.pItems[i], onCommand);
    return 1;
}
