#include "gl/GLCamera.h"

#include <cmath>

namespace
{
constexpr float kZoomStep = 1.025f;
constexpr float kMinZoom = 1e-6f;
constexpr float kMaxZoom = 1e6f;
} // namespace

CGLCamera::CGLCamera() : CGLCamera(SViewState{}) {}

CGLCamera::CGLCamera(const SViewState& initialView) : m_viewInitial(initialView)
{
    ApplyView(m_viewInitial);
}

CGLCamera::SViewState CGLCamera::GetView() const
{
    return {m_dRotX, m_dRotY, m_dTransX, m_dTransY, m_dTransZ, m_fZoom};
}

CGLCamera::EMouseMode CGLCamera::GetMouseMode() const
{
    return m_bZoom ? EMouseMode::Zoom : m_bMove ? EMouseMode::Move : EMouseMode::Spin;
}

void CGLCamera::SetMouseMode(EMouseMode eMode)
{
    m_bSpin = eMode == EMouseMode::Spin;
    m_bMove = eMode == EMouseMode::Move;
    m_bZoom = eMode == EMouseMode::Zoom;
}

void CGLCamera::Press(int x, int y)
{
    m_bLButtonDown = true;
    m_nLastX = x;
    m_nLastY = y;
}

void CGLCamera::Release()
{
    m_bLButtonDown = false;
}

bool CGLCamera::Drag(int x, int y)
{
    if (!m_bLButtonDown)
        return false;
    // The step from the new position back to the last one, in whole pixels (held in
    // doubles, which take any difference of two ints exactly).
    const double dx = static_cast<double>(m_nLastX) - x;
    const double dy = static_cast<double>(m_nLastY) - y;
    m_nLastX = x;
    m_nLastY = y;
    if (m_bSpin)
    {
        m_dRotY = m_dRotY - dx * 0.5;
        m_dRotX = m_dRotX - dy * 0.5;
    }
    else if (m_bMove)
    {
        m_dTransY = m_dTransY + dy * 10;
        m_dTransX = m_dTransX - dx * 10;
    }
    else if (m_bZoom)
    {
        const float fZoom = dy < 0 ? m_fZoom * kZoomStep : m_fZoom / kZoomStep;
        if (std::isfinite(fZoom) && fZoom >= kMinZoom && fZoom <= kMaxZoom)
            m_fZoom = fZoom;
    }
    return true;
}

void CGLCamera::Reset()
{
    ApplyView(m_viewInitial);
    m_bLButtonDown = false;
    SetMouseMode(EMouseMode::Spin);
}

void CGLCamera::ApplyView(const SViewState& view)
{
    m_dRotX = view.dRotX;
    m_dRotY = view.dRotY;
    m_dTransX = view.dTransX;
    m_dTransY = view.dTransY;
    m_dTransZ = view.dTransZ;
    m_fZoom = view.fZoom;
}
