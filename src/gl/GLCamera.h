// The view of a GL scene and the mouse drags that change it, with no window, toolkit
// or GL behind it: the rotations about x and y in degrees, the translation in scene
// units, the zoom on top of the automatic scale, the mouse mode (spin, move, zoom)
// and the drag in progress. A plain value: a GL view holds one, applies its rotations
// and translation to every frame, feeds it the left button and the mouse positions in
// window pixels and returns it to its initial view on "Resize".
#pragma once

class CGLCamera
{
public:
    // A view of the scene. The defaults are the preview's initial view; a derived view
    // changes what differs, e.g. SViewState{.dTransX = -250.0, .dTransY = 400.0}.
    struct SViewState
    {
        double dRotX = 34.0;
        double dRotY = -19.0;
        double dTransX = 250.0;
        double dTransY = 500.0;
        double dTransZ = -4000.0;
        float fZoom = 1.0f;
        bool operator==(const SViewState&) const = default;
    };

    enum class EMouseMode
    {
        Spin,
        Move,
        Zoom,
    };

    // The preview's initial view, or another one; Reset returns to it.
    CGLCamera();
    explicit CGLCamera(const SViewState& initialView);

    // The view now (rotations, translation, zoom).
    SViewState GetView() const;
    EMouseMode GetMouseMode() const;
    void SetMouseMode(EMouseMode eMode);

    // The left button went down at (x, y) or came up.
    void Press(int x, int y);
    void Release();
    // The mouse moved to (x, y). With the button held, the step from the last position
    // changes the view by the mouse mode and true is returned: Spin turns half a
    // degree per pixel (right turns positively about y, down about x), Move shifts ten
    // scene units per pixel, Zoom zooms in by 1.025 for a step down and out otherwise,
    // but never beyond 1e-6 or 1e6 (from there no drag could come back). Without the
    // button nothing changes and the answer is false.
    bool Drag(int x, int y);

    // The initial view, the button released, Spin mode.
    void Reset();

    // The state, as a view window reads and (in its tests) sets it. Exactly one of
    // the mode flags is set; SetMouseMode and Reset keep it so.
    bool m_bLButtonDown = false;
    bool m_bSpin = true;
    bool m_bMove = false;
    bool m_bZoom = false;
    int m_nLastX = 0; // the mouse position at the last press or drag step
    int m_nLastY = 0;
    double m_dRotY;
    double m_dRotX;
    double m_dTransX;
    double m_dTransY;
    double m_dTransZ;
    float m_fZoom;

private:
    void ApplyView(const SViewState& view);

    SViewState m_viewInitial;
};
