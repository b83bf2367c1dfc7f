#include "gl/GLWnd.h"

CGLWnd::CGLWnd(QWidget* parent) : QOpenGLWidget(parent) {}

CGLWnd::~CGLWnd() = default;

void CGLWnd::SetMode(int nMode)
{
    m_nMode = nMode;
    update();
}

int CGLWnd::GetMode() const
{
    return m_nMode;
}

void CGLWnd::SetViewData(float w1, float h1, float d1, float w2, float h2, float d2)
{
    m_fW1 = w1;
    m_fH1 = h1;
    m_fD1 = d1;
    m_fW2 = w2;
    m_fH2 = h2;
    m_fD2 = d2;
    update();
}

void CGLWnd::ResetView()
{
    m_dRotY = -19.0;
    m_dRotX = 34.0;
    m_dTransX = 250.0;
    m_dTransY = 500.0;
    m_dTransZ = -4000.0;
    m_fZoom = 1.0f;
    update();
}

void CGLWnd::initializeGL() {}

void CGLWnd::resizeGL(int, int) {}

void CGLWnd::paintGL() {}
