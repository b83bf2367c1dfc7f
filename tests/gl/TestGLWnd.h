// GL views for the tests: opens the protected state of a view class and records
// every label (raster position and text) as the scene draws it. CTestGLWnd is the
// preview; CTestView<CGLShiftWnd_Orizzontale> and the like are the other views.
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

template <class TView> class CTestView : public TView
{
public:
    using TView::BeginFrame;
    using TView::m_camera;
    using TView::m_labelFont;
    using TView::OnCommand;
    using TView::RenderScene;
    using TView::resizeGL;
    using TView::TView;
    // The view's camera, by the names of its members.
    bool& m_bLButtonDown = m_camera.m_bLButtonDown;
    bool& m_bMove = m_camera.m_bMove;
    bool& m_bSpin = m_camera.m_bSpin;
    bool& m_bZoom = m_camera.m_bZoom;
    double& m_dRotX = m_camera.m_dRotX;
    double& m_dRotY = m_camera.m_dRotY;
    double& m_dTransX = m_camera.m_dTransX;
    double& m_dTransY = m_camera.m_dTransY;
    double& m_dTransZ = m_camera.m_dTransZ;
    float& m_fZoom = m_camera.m_fZoom;

    std::vector<SLabelCall> m_vLabels;
    bool m_bSuppressLabels = false;

    // Shows the window at its preview size and waits until it is on screen with its
    // GL context.
    void ShowAt(int x, int y, int w = 226, int h = 193)
    {
        this->setGeometry(x, y, w, h);
        this->show();
        (void)QTest::qWaitForWindowExposed(this);
        WaitForContext();
    }

    // The GL context comes with the GL window's first exposure.
    bool WaitForContext()
    {
        return QTest::qWaitFor([this]() { return this->IsValid(); }, 5000);
    }

    QOpenGLContext* context() const { return this->GetContext(); }
    void makeCurrent()
    {
        WaitForContext();
        this->MakeCurrent();
    }
    void doneCurrent() { this->DoneCurrent(); }
    // A fresh frame of the whole view.
    QImage grabFramebuffer()
    {
        WaitForContext();
        return this->RenderFrame(this->size());
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
            TView::DrawLabel(x, y, z, pszText);
    }
};

using CTestGLWnd = CTestView<CGLWnd>;
