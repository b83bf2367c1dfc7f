#include "gl/GLShiftWnd_Verticale.h"

CGLShiftWnd_Verticale::CGLShiftWnd_Verticale(QWidget* parent)
    : CGLShiftWnd(EShiftAxis::Vertical, parent)
{
}
