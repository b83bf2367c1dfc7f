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
    using TView::TView;
    using TView::BeginFrame;
    using TView::OnCommand;
    using TView::RenderScene;
    using TView::resizeGL;
    using TView::m_bLButtonDown;
    using TView::m_bMove;
    using TView::m_bSpin;
    using TView::m_bZoom;
    using TView::m_dRotX;
    using TView::m_dRotY;
    using TView::m_dTransX;
    using TView::m_dTransY;
    using TView::m_dTransZ;
    using TView::m_fZoom;
    using TView::m_nFontBase;

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
