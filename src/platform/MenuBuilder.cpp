#include "platform/MenuBuilder.h"

#include "platform/Controls.h"

#include <QMenu>
#include <QMenuBar>

void CMenuBuilder::Build(const SMenuTemplate& tpl, QMenuBar* pMenuBar,
                         const std::function<void(int)>& onCommand)
{
    QMenu* pMenu = nullptr;
    for (int i = 0; i < tpl.nItems; ++i)
    {
        const SMenuItem& item = tpl.pItems[i];
        const QString strText = QString::fromUtf8(item.pszText ? item.pszText : "");
        if (item.nLevel == 0)
        {
            pMenu = pMenuBar->addMenu(strText);
            continue;
        }
        if (!pMenu)
            continue;
        if (!item.pszText)
        {
            pMenu->addSeparator();
            continue;
        }
        QAction* pAction = pMenu->addAction(strText);
        pAction->setObjectName(ControlName(item.nCommand));
        const int nCommand = item.nCommand;
        QObject::connect(pAction, &QAction::triggered, pMenuBar,
                         [onCommand, nCommand] { onCommand(nCommand); });
    }
}
