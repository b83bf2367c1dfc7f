// The native child window that shows a GL view's picture: one window with its own GL
// context per view (the views' contexts share one group of objects), embedded in
// the view with QWidget::createWindowContainer, so that the dialog around it keeps
// its own window and its raster painting. Set-up, resizing and painting (sizes in
// device-independent pixels) run the view's GL code; each paint renders into an
// offscreen frame with 24-bit depth, as a capture does, and copies it to the window.
// Mouse and key events arrive here (the window system delivers them to the native
// window) and are passed on to the view, with the context menu events the view
// expects (mouse: right button pressed; keyboard: the menu key). Used only by CGLWnd.
#pragma once

#include <QOpenGLWindow>

#include <memory>

class CGLWnd;
class QOpenGLFramebufferObject;
class QKeyEvent;
class QMouseEvent;

class CGLViewWindow : public QOpenGLWindow
{
public:
    explicit CGLViewWindow(CGLWnd& view);
    ~CGLViewWindow() override;

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    bool event(QEvent* pEvent) override;

private:
    void ForwardMouse(QMouseEvent& event);
    void ForwardKey(QKeyEvent& event);

    CGLWnd& m_view;
    // The offscreen frame each paint renders into before it is copied to the window.
    std::unique_ptr<QOpenGLFramebufferObject> m_pFrame;
};
