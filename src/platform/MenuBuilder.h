// Fills a menu bar from a menu table: drop-down menus with their items and
// separators; each item's objectName is its command id and triggering it calls the
// given handler with that id. Used by CDialog for the main dialog's menu.
#pragma once

#include "platform/DialogTemplate.h"

#include <functional>

class QMenuBar;

class CMenuBuilder
{
public:
    static void Build(const SMenuTemplate& tpl, QMenuBar* pMenuBar,
                      const std::function<void(int)>& onCommand);
};
