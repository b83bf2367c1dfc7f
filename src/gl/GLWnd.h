// The 3D installation preview: a GL window that draws the screen, the projector and
// the light beam between them in immediate mode, with mouse spin/move/zoom and a
// context menu. Inputs: a mode (0 = front projection, others set by derived views)
// and six lengths in the record's unit (w1/h1/d1, w2/h2/d2: screen width and height,
// distances). Used by the main dialog (preview pane), the shift views and the print
// snapshot.
#pragma once

#include <QOpenGLWidget>
#include <QPoint>

class QContextMenuEvent;
class QMouseEvent;

class CGLWnd : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit CGLWnd(QWidget* parent = nullptr);
    ~CGLWnd() override;

    void SetMode(int nMode);
    int GetMode() const;
    // Stores the six lengths and schedules a repaint.
    void SetViewData(float w1, float h1, float d1, float w2, float h2, float d2);
    // Restores the initial rotation, translation and zoom and repaints.
    virtual void ResetView();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

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
};
