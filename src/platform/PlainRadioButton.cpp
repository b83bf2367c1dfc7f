#include "platform/PlainRadioButton.h"

CPlainRadioButton::CPlainRadioButton(const QString& strText, QWidget* pParent)
    : QRadioButton(strText, pParent)
{
    setAutoExclusive(false);
}

void CPlainRadioButton::nextCheckState()
{
    // Left to the click handler.
}
