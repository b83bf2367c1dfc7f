// A preview window for the tests: opens the protected state and records every label
// (raster position and text) as the scene draws it.
#pragma once

#include "gl/GLWnd.h"

#include <QTest>

#include <string>
#include <vector>

struct SLabelCall
{
    int x;
    int y;
    int z;
    std::string strText;
    bool operator==(const SLabelCall&) const = default;
};

class CTestGLWnd : public CGLWnd
{
public:
    using CGLWnd::CGLWnd;
    using CGLWnd::BeginFrame;
    using CGLWnd::OnCommand;
    using CGLWnd::RenderScene;
    using CGLWnd::resizeGL;
    using CGLWnd::m_bLButtonDown;
    using CGLWnd::m_bMove;
    using CGLWnd::m_bSpin;
    using CGLWnd::m_bZoom;
    using CGLWnd::m_dRotX;
    using CGLWnd::m_dRotY;
    using CGLWnd::m_dTransX;
    using CGLWnd::m_dTransY;
    using CGLWnd::m_dTransZ;
    using CGLWnd::m_fZoom;
    using CGLWnd::m_nFontBase;

    std::vector<SLabelCall> m_vLabels;
    bool m_bSuppressLabels = false;

    // Shows the window at its preview size and waits until it is on screen with its
    // GL context.
    void ShowAt(int x, int y, int w = 226, int h = 193)
    {
        setGeometry(x, y, w, h);
        show();
        (void)QTest::qWaitForWindowExposed(this);
        WaitForContext();
    }

    // The GL context comes with the GL window's first exposure.
    bool WaitForContext() { return QTest::qWaitFor([this]() { return IsValid(); }, 5000); }

    QOpenGLContext* context() const { return GetContext(); }
    void makeCurrent()
    {
        WaitForContext();
        MakeCurrent();
    }
    void doneCurrent() { DoneCurrent(); }
    // A fresh frame of the whole view.
    QImage grabFramebuffer()
    {
        WaitForContext();
        return RenderFrame(size());
    }

    // Draws one frame with the context current and returns the labels it drew.
    std::vector<SLabelCall> RenderLabels()
    {
        m_vLabels.clear();
        makeCurrent();
        RenderScene();
        doneCurrent();
        return m_vLabels;
    }

protected:
    void DrawLabel(int x, int y, int z, const char* pszText) override
    {
        m_vLabels.push_back({x, y, z, pszText});
        if (!m_bSuppressLabels)
            CGLWnd::DrawLabel(x, y, z, pszText);
    }
};
