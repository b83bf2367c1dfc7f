// The 3D installation preview: a GL window that draws the screen(s), the light beam
// from each screen to the lens, a box around the installation, dimension lines and
// numeric labels, in immediate mode through the system's libGL/libGLU. The mouse
// spins, moves or zooms the scene; a context menu picks the mouse mode.
// Inputs: a mode (0 = one screen at two distances, from the projection-distance
// page; 1 = two screens at one distance, from the screen-dimensions page) and two
// (width, height, distance) triples in the user's unit of length (no unit is shown).
// Used by the main dialog (its preview pane), the frame capture for the printed
// report, and the shift views, which derive from it and override the drawing.
#pragma once

#include <QCursor>
#include <QFont>
#include <QOpenGLWidget>
#include <QPoint>

#include <array>

class QContextMenuEvent;
class QMouseEvent;

class CGLWnd : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit CGLWnd(QWidget* parent = nullptr);
    ~CGLWnd() override;

    // Context-menu command ids ("OpenGL Menu", menu 139).
    enum
    {
        kIdMenu = 139,
        kIdMove = 32775,
        kIdSpin = 32776,
        kIdZoom = 32777,
        kIdResize = 32778,
    };

    void SetMode(int nMode);
    int GetMode() const;
    // Stores the six lengths in that order and schedules a repaint.
    void SetViewData(float w1, float h1, float d1, float w2, float h2, float d2);
    // The six values in the order SetViewData takes them.
    std::array<float, 6> GetViewData() const { return {m_fW1, m_fH1, m_fD1, m_fW2, m_fH2, m_fD2}; }
    // Restores the initial rotation, translation and zoom, releases the button,
    // returns to Spin mode and repaints. The data and the mode stay.
    virtual void ResetView();

protected:
    // The drawing operations. Each takes a translation (x, y, z), applied inside a
    // push/pop of the model-view matrix, and a width, height and depth.
    virtual void DrawScreenRect(float x, float y, float z, float w, float h, float d);
    virtual void DrawProjector(float x, float y, float z, float w, float h, float d);
    virtual void RenderScene();
    virtual void DrawLabelsDistance(float x, float y, float z, float w, float h, float d);
    virtual void DrawLabelsScreen(float x, float y, float z, float w, float h, float d);
    virtual void DrawDimensionLines(float x, float y, float z, float w, float h, float d);
    virtual void DrawBoundingBox(float x, float y, float z, float w, float h, float d);
    virtual void DrawBeam(float x, float y, float z, float w, float h, float d, float fSpare1,
                          float fSpare2);
    virtual void DrawPyramid(float x, float y, float z, float w, float h, float d);

    // One label: sets the raster position (integer scene units of the current frame)
    // and draws the text there with the label font.
    virtual void DrawLabel(int x, int y, int z, const char* pszText);

    // The common frame of every scene. BeginScene clears, works out the largest
    // width, height and distance of the two triples, applies translation and
    // rotations, draws the labels of the mode and applies the automatic scale times
    // the zoom. It returns false (with nothing pushed) when there is nothing to draw.
    // EndScene pops the matrix and flushes.
    bool BeginScene(float& fW, float& fH, float& fD);
    void EndScene();

    // Label scale: zoom x 1800 / largest distance (0 when the distance is 0).
    float LabelScale(float fD) const;
    // The "W=" and "H=" rows shared by both label layouts.
    void DrawSizeLabels(float w, float h, float g);
    // Truncates a raster coordinate towards zero, clamped to the int range.
    static int TruncRaster(float fValue);

    // The label font: the face at a pixel size, weight and slant, without antialiasing.
    static QFont MakeLabelFont(const char* pszFace, int nHeight, int nWeight, bool bItalic);
    // Builds 96 display lists (codes 32..127) of bitmap glyphs for the face, pixel
    // height, weight (100..900) and italic flag; returns the first list, 0 if none.
    static unsigned int BuildLabelFont(const char* pszFace, int nHeight, int nWeight,
                                       bool bItalic);
    // Draws the text at the current raster position; nothing when nBase is 0 or the
    // text is null. Characters outside 32..127 are skipped.
    static void DrawLabelText(unsigned int nBase, const char* pszText);

    // Context-menu commands by id.
    void OnCommand(int nId);
    // Screen position of the context menu for an event (keyboard: top-left + (5, 5)).
    QPoint ContextMenuPosition(const QContextMenuEvent& event) const;

    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    bool m_bLButtonDown = false;
    bool m_bSpin = true;
    bool m_bMove = false;
    bool m_bZoom = false;
    QPoint m_ptLast;
    double m_dRotY = -19.0;
    double m_dRotX = 34.0;
    double m_dTransX = 250.0;
    double m_dTransY = 500.0;
    double m_dTransZ = -4000.0;
    unsigned int m_nFontBase = 0;
    float m_fZoom = 1.0f;
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
};
