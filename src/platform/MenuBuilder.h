// Fills menus from a menu table: a menu bar with its drop-down menus, items and
// separators, or one popup menu with the items of one drop-down of the table. Each
// item's objectName is its command id and triggering it calls the given handler
// with that id. Used by CDialog for the main dialog's menu and by the GL views for
// their context menu.
#pragma once

#include "platform/DialogTemplate.h"

#include <functional>

class QMenu;
class QMenuBar;

class CMenuBuilder
{
public:
    static void Build(const SMenuTemplate& tpl, QMenuBar* pMenuBar,
                      const std::function<void(int)>& onCommand);
    // Fills pMenu with drop-down nSubMenu (0 = the first) of the table: its title
    // and its items and separators. Returns 1, or 0 when the table has no such
    // drop-down (pMenu is then left as it was).
    static int BuildPopup(const SMenuTemplate& tpl, int nSubMenu, QMenu* pMenu,
                          const std::function<void(int)>& onCommand);
};
