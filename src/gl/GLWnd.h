// gl/: the 3D views in immediate-mode GL: host and frame, camera, label font, the
// installation preview, the two shift views and the frame capture.
//
// The GL window base and the 3D installation preview, drawn in immediate mode
// through the system's libGL/libGLU. Every instance owns its GL context and its
// label font (CGLLabelFont), and shares with its derived views the perspective
// projection, the mouse modes (spin, move, zoom) with their context menu, the view
// (CGLCamera), the offscreen frame and the common frame of a scene (extents,
// automatic scale, translation and rotations, labels by mode). Its own drawing operations draw the
// preview: the screen(s), the light beam from each screen to the lens, a box around
// the installation, red dimension lines and red numeric labels.
// The view is a widget the dialogs place and size; its picture is drawn by a native
// child window with the view's own GL context (CGLViewWindow), which always covers
// the widget and passes the mouse and keys on to it.
// Inputs: a mode (0 = one screen at two distances, from the projection-distance
// page; 1 = two screens at one distance, from the screen-dimensions page), two
// (width, height, distance) triples in the user's unit of length (no unit is shown)
// and mouse drags in window pixels.
// Used by the main dialog (its preview pane), the frame capture for the printed
// report, and the shift views, which derive from it with their own initial view and
// replace the geometry and the labels.
#pragma once

#include "DialogTemplates.h"
#include "gl/GLCamera.h"
#include "gl/GLLabelFont.h"
#include "gl/LabelLayout.h"

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include <array>
#include <string>

class CGLViewWindow;
class QContextMenuEvent;
class QKeyEvent;
class QMouseEvent;
class QOpenGLContext;

class CGLWnd : public QWidget
{
    Q_OBJECT

public:
    // Context-menu command ids (menu 139; the values live with its table).
    static constexpr int kIdMove = kCmdGLMove;
    static constexpr int kIdSpin = kCmdGLSpin;
    static constexpr int kIdZoom = kCmdGLZoom;
    static constexpr int kIdResize = kCmdGLResize;

    // A view of the scene: rotations, translation and zoom (see CGLCamera).
    using SViewState = CGLCamera::SViewState;

    // The preview, starting with the default view.
    explicit CGLWnd(QWidget* parent = nullptr);
    ~CGLWnd() override;

    void SetMode(int nMode);
    int GetMode() const;
    // Stores the six lengths in that order and schedules a repaint.
    void SetViewData(float w1, float h1, float d1, float w2, float h2, float d2);
    // The six values in the order SetViewData takes them.
    std::array<float, 6> GetViewData() const { return {m_fW1, m_fH1, m_fD1, m_fW2, m_fH2, m_fD2}; }

    // Schedules a repaint of the picture. QWidget::update() on the view does the same.
    void Invalidate();
    // The GL context exists: the view has been on screen once.
    bool IsValid() const;
    // Renders the scene afresh into an offscreen frame in this view's context and
    // returns it: size in device-independent pixels from the view's top-left corner
    // (beyond the view the frame is white), the image in device pixels, drawn with
    // the view's projection. A null image when the view has no GL context yet or the
    // frame cannot be made.
    QImage RenderFrame(const QSize& size);

protected:
    // A derived view: starts with initialView, and ResetView returns to it.
    explicit CGLWnd(const SViewState& initialView, QWidget* parent = nullptr);

    // The drawing operations. Each takes a translation (x, y, z), applied inside a
    // push/pop of the model-view matrix, and a width, height and depth.
    virtual void DrawScreenRect(float x, float y, float z, float w, float h, float d);
    virtual void DrawProjector(float x, float y, float z, float w, float h, float d);
    // The whole scene: BeginFrame, the geometry, EndFrame.
    virtual void RenderScene();
    // The labels of mode 0 and mode 1, called by BeginFrame in the rotated, unscaled
    // frame with (x, y, z) = (-W / (zoom x 2), -H / (zoom x 2), 0) and (w, h, d) = the
    // extents W, H, D. They set their own colours and raster positions.
    virtual void DrawLabelsDistance(float x, float y, float z, float w, float h, float d);
    virtual void DrawLabelsScreen(float x, float y, float z, float w, float h, float d);
    virtual void DrawDimensionLines(float x, float y, float z, float w, float h, float d);
    virtual void DrawBoundingBox(float x, float y, float z, float w, float h, float d);
    // Draws the pyramid with the six values; the last two are spare.
    virtual void DrawBeam(float x, float y, float z, float w, float h, float d, float fSpare1,
                          float fSpare2);
    virtual void DrawPyramid(float x, float y, float z, float w, float h, float d);

public:
    // Restores the initial view, releases the button, returns to Spin mode and
    // repaints. The data and the mode stay.
    virtual void ResetView();

protected:
    // One label: sets the raster position (integer scene units of the current frame)
    // and draws the text there with the label font, in the current colour. A text
    // that would leave the view is moved inside it (one running past the right edge
    // ends there), and one that would overprint a label drawn before it in the same
    // frame goes below it (see CLabelLayout).
    virtual void DrawLabel(int x, int y, int z, const char* pszText);

    // The largest width, height and distance of the two triples (ties take the first).
    struct SExtents
    {
        float fW = 0.0f;
        float fH = 0.0f;
        float fD = 0.0f;
    };

    // The common frame of every scene; a RenderScene reads
    //     SExtents ext;
    //     if (!BeginFrame(ext))
    //         return;
    //     ... geometry in scene units, scaled ...
    //     EndFrame();
    // BeginFrame clears the colour and depth buffers and works out the extents. When
    // the largest of them, M, is above 0 it pushes the model-view matrix, translates,
    // rotates about x and then y, calls DrawLabelsDistance (mode 0) or
    // DrawLabelsScreen (otherwise) and scales by 1800 / M times the zoom; it returns
    // true. Otherwise it flushes and returns false with nothing pushed. It sets no
    // colour and draws nothing of its own. EndFrame pops the matrix and flushes.
    bool BeginFrame(SExtents& ext);
    void EndFrame();

    // Label scale g = zoom x 1800 / M, M the largest of the extents: the geometry's
    // own scale, so labels stand on their lines even where a screen is wider than its
    // distance. 0 when the distance fD is 0 (no labels then).
    float LabelScale(float fW, float fH, float fD) const;
    // Truncates a raster coordinate towards zero, clamped to the int range.
    static int TruncRaster(float fValue);
    // DrawLabel at (x, y, z), each coordinate truncated towards zero.
    void DrawLabelAt(float x, float y, float z, const std::string& strText);
    // The distance labels below the installation with the largest width w and height
    // h at the label scale g: "P_WA=" and "P_TP=" (mode 0), "PJD=" (mode 1).
    void DrawThrowLabels(float w, float h, float g);
    void DrawProjectionLabel(float w, float h, float g);

    // A picture from x = l to r and y = b to t at z = 0 and its four side triangles to
    // the lens at (0, 0, d) (top, bottom, right, left; each a quadrilateral with the
    // lens first and last), in line mode; the polygon mode is fill afterwards.
    static void DrawWirePyramid(float l, float r, float b, float t, float d);

    // Context-menu commands by id.
    void OnCommand(int nId);

    // This view's context (null before the view was first shown), made current on its
    // window and released. MakeCurrent is false without a context.
    QOpenGLContext* GetContext() const;
    bool MakeCurrent();
    void DoneCurrent();

    // Called by the GL window with the context current: once when its context is
    // made, on every resize (size in device-independent pixels), on every paint.
    virtual void initializeGL();
    virtual void resizeGL(int w, int h);
    virtual void paintGL();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Shift+F10 opens the context menu as the menu key does.
    void keyPressEvent(QKeyEvent* event) override;

    CGLCamera m_camera;         // the view, the mouse mode and the drag
    CGLLabelFont m_labelFont;   // this view's label font, built in initializeGL
    CLabelLayout m_labelLayout; // the labels of the frame being drawn
    int m_nMode = 0;
    float m_fW1 = 0.0f;
    float m_fH1 = 0.0f;
    float m_fD1 = 0.0f;
    float m_fW2 = 0.0f;
    float m_fH2 = 0.0f;
    float m_fD2 = 0.0f;

    // Mouse-mode cursors (resources 146 Spin, 143 Move, 145 Zoom).
    QCursor m_cursorSpin;
    QCursor m_cursorMove;
    QCursor m_cursorZoom;

private:
    friend class CGLViewWindow;

    // The preview's labels, in red: the sizes, then the wide and the tele distance
    // (mode 0) or the one distance (mode 1).
    void DrawPreviewLabels(float x, float y, float z, float w, float h, float d, int nMode);
    // The "W=" and "H=" rows of the preview's two label layouts.
    void DrawSizeLabels(float w, float h, float g);
    // The cursor of the mouse mode.
    const QCursor& ModeCursor() const;
    // Screen position of the context menu for an event (keyboard: top-left + (5, 5)).
    QPoint ContextMenuPosition(const QContextMenuEvent& event) const;

    CGLViewWindow* m_pGLWindow = nullptr; // owned by its container
    QWidget* m_pContainer = nullptr;      // child widget holding the GL window
};
