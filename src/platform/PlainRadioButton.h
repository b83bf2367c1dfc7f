// A radio button that never changes its own check mark: a click only reports
// itself, and the dialog's handler checks and clears the buttons. Not exclusive
// with its siblings. Used by the main dialog's unit and aspect choices.
#pragma once

#include <QRadioButton>

class CPlainRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit CPlainRadioButton(const QString& strText, QWidget* pParent = nullptr);

protected:
    void nextCheckState() override;
};
