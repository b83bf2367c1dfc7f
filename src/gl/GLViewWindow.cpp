#include "gl/GLViewWindow.h"

#include "gl/GLWnd.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

namespace
{
// Immediate mode needs a compatibility context; depth testing needs 24 bits.
QSurfaceFormat ViewFormat()
{
    QSurfaceFormat fmt = QSurfaceFormat::defaultFormat();
    if (fmt.profile() == QSurfaceFormat::CoreProfile)
        fmt.setProfile(QSurfaceFormat::CompatibilityProfile);
    if (fmt.depthBufferSize() < 24)
        fmt.setDepthBufferSize(24);
    return fmt;
}

// The views' contexts form one share group, as the GL widgets of one window do, so
// object names (the label font lists) never repeat between views: the group is held
// by a context of its own from the first view to the last.
QOpenGLContext* g_pShareRoot = nullptr;
int g_nViews = 0;

QOpenGLContext* AcquireShareRoot()
{
    if (g_nViews++ == 0)
    {
        g_pShareRoot = new QOpenGLContext;
        g_pShareRoot->setFormat(ViewFormat());
        if (!g_pShareRoot->create())
        {
            delete g_pShareRoot;
            g_pShareRoot = nullptr;
        }
    }
    return g_pShareRoot;
}

void ReleaseShareRoot()
{
    if (--g_nViews == 0)
    {
        delete g_pShareRoot;
        g_pShareRoot = nullptr;
    }
}
} // namespace

CGLViewWindow::CGLViewWindow(CGLWnd& view)
    : QOpenGLWindow(AcquireShareRoot(), QOpenGLWindow::NoPartialUpdate), m_view(view)
{
    setFormat(ViewFormat());
    // The keyboard focus stays in the dialog's window, where a click gives it to the
    // view's widget: Tab, Enter, Escape and the menu key then work as they do on any
    // other control.
    setFlag(Qt::WindowDoesNotAcceptFocus);
}

CGLViewWindow::~CGLViewWindow()
{
    if (isValid())
    {
        makeCurrent();
        m_pFrame.reset();
        doneCurrent();
    }
    ReleaseShareRoot();
}

void CGLViewWindow::initializeGL()
{
    m_view.initializeGL();
}

void CGLViewWindow::resizeGL(int w, int h)
{
    // Only the first resize comes with the context current.
    makeCurrent();
    m_view.resizeGL(w, h);
}

void CGLViewWindow::paintGL()
{
    // The window's own depth buffer may have another precision than a capture's
    // frame, which would settle coincident lines differently: paint through the
    // same kind of frame and copy it (where the driver cannot, paint directly).
    const qreal dRatio = devicePixelRatio();
    const QSize size(qRound(width() * dRatio), qRound(height() * dRatio));
    if (!size.isEmpty() && QOpenGLFramebufferObject::hasOpenGLFramebufferBlit())
    {
        if (!m_pFrame || m_pFrame->size() != size)
            m_pFrame = std::make_unique<QOpenGLFramebufferObject>(
                size, QOpenGLFramebufferObject::CombinedDepthStencil);
        if (m_pFrame->isValid() && m_pFrame->bind())
        {
            m_view.paintGL();
            m_pFrame->release();
            const QRect rect(QPoint(0, 0), size);
            QOpenGLFramebufferObject::blitFramebuffer(nullptr, rect, m_pFrame.get(), rect);
            return;
        }
    }
    m_view.paintGL();
}

bool CGLViewWindow::event(QEvent* pEvent)
{
    switch (pEvent->type())
    {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (m_view.isEnabled())
            ForwardMouse(*static_cast<QMouseEvent*>(pEvent));
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_view.isEnabled())
            ForwardKey(*static_cast<QKeyEvent*>(pEvent));
        return true;
    default:
        return QOpenGLWindow::event(pEvent);
    }
}

void CGLViewWindow::ForwardMouse(QMouseEvent& event)
{
    // The window covers the view exactly: its positions are the view's.
    const QPointF pt = event.position();
    QMouseEvent copy(event.type(), pt, m_view.mapTo(m_view.window(), pt), event.globalPosition(),
                     event.button(), event.buttons(), event.modifiers(), event.pointingDevice());
    copy.setTimestamp(event.timestamp());
    const bool bPress = event.type() == QEvent::MouseButtonPress;
    if (bPress)
    {
        // As a click on any control: the dialog becomes active, the view takes the focus.
        if (!m_view.isActiveWindow())
            m_view.activateWindow();
        if (m_view.focusPolicy() & Qt::ClickFocus)
            m_view.setFocus(Qt::MouseFocusReason);
    }
    QCoreApplication::sendEvent(&m_view, &copy);
    // On X11 a widget's context menu opens when the right button goes down.
    if (bPress && event.button() == Qt::RightButton)
    {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, pt.toPoint(),
                               event.globalPosition().toPoint(), event.modifiers());
        QCoreApplication::sendEvent(&m_view, &menu);
    }
}

void CGLViewWindow::ForwardKey(QKeyEvent& event)
{
    // Should this window ever hold the keyboard focus, the menu key still opens the
    // view's menu (the window system's own context menu event is not delivered to a
    // window) and every other key still reaches the view and the dialog.
    if (event.type() == QEvent::KeyPress && event.key() == Qt::Key_Menu)
    {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(0, 0),
                               m_view.mapToGlobal(QPoint(0, 0)), event.modifiers());
        QCoreApplication::sendEvent(&m_view, &menu);
        return;
    }
    QKeyEvent copy(event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
                   event.nativeVirtualKey(), event.nativeModifiers(), event.text(),
                   event.isAutoRepeat(), static_cast<quint16>(event.count()), event.device());
    QCoreApplication::sendEvent(&m_view, &copy);
}
