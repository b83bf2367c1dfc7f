// The About box (template 100): the version line, a one-line credit and the logo
// drawn with pure green transparent. Shown modally from the Help menu, built for
// each showing.
#pragma once

#include "platform/Dialog.h"

class CAboutDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* pParent = nullptr);

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* pEvent) override;
};
