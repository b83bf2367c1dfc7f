#include "gl/GLShiftWnd_Orizzontale.h"

CGLShiftWnd_Orizzontale::CGLShiftWnd_Orizzontale(QWidget* parent)
    : CGLShiftWnd(EShiftAxis::Horizontal, parent)
{
}
