// Scene geometry read back exactly: one frame of a view rendered in GL_FEEDBACK
// mode, its line segments (with their colours) grouped by the pass-through markers
// the view emits before each drawing operation, and sets of edges to compare them
// with, in thousandths of a scene unit.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

struct SVertex
{
    float x, y, z;
    float r, g, b, a;
};
struct SSegment
{
    SVertex p, q;
};

// One frame of the view in an orthographic 4000 x 4000 window with the scene at
// the origin, unrotated: scene unit u lands at window 2000 + k u. TWnd is a
// CTestView; its view is left at the origin, unrotated.
template <class TWnd> std::map<int, std::vector<SSegment>> CaptureFeedback(TWnd& wnd, float k)
{
    wnd.m_dTransX = wnd.m_dTransY = wnd.m_dTransZ = 0.0;
    wnd.m_dRotX = wnd.m_dRotY = 0.0;
    wnd.makeCurrent();
    glViewport(0, 0, 4000, 4000);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2000, 2000, -2000, 2000, -4000, 4000);
    glMatrixMode(GL_MODELVIEW);
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    wnd.RenderScene();
    const GLint nCount = glRenderMode(GL_RENDER);
    wnd.resizeGL(wnd.width(), wnd.height());
    wnd.doneCurrent();

    // Window back to scene units; depth 0.5 - z_eye / 8000.
    auto vertex = [&](const GLfloat* p)
    {
        return SVertex{
            (p[0] - 2000) / k, (p[1] - 2000) / k, (0.5f - p[2]) * 8000 / k, p[3], p[4], p[5], p[6]};
    };
    std::map<int, std::vector<SSegment>> sections;
    int nSection = 0;
    for (GLint i = 0; i < nCount;)
    {
        const auto token = static_cast<GLenum>(buffer[i++]);
        if (token == GL_PASS_THROUGH_TOKEN)
            nSection = static_cast<int>(buffer[i++]);
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
        {
            sections[nSection].push_back({vertex(&buffer[i]), vertex(&buffer[i + 7])});
            i += 14;
        }
        else if (token == GL_POLYGON_TOKEN)
            i += 1 + 7 * static_cast<int>(buffer[i]);
        else // point, bitmap, pixel tokens: one vertex
            i += 7;
    }
    return sections;
}

using Point = std::array<int, 3>; // scene coordinates x 1000, rounded
using Edge = std::pair<Point, Point>;

inline Point Key(const SVertex& v)
{
    return {static_cast<int>(std::lround(v.x * 1000)), static_cast<int>(std::lround(v.y * 1000)),
            static_cast<int>(std::lround(v.z * 1000))};
}

// Unordered, non-degenerate edges of a section.
inline std::set<Edge> Edges(const std::vector<SSegment>& segments)
{
    std::set<Edge> edges;
    for (const SSegment& s : segments)
    {
        Point a = Key(s.p), b = Key(s.q);
        if (a == b)
            continue;
        if (b < a)
            std::swap(a, b);
        edges.insert({a, b});
    }
    return edges;
}

inline Edge E(Point a, Point b)
{
    return b < a ? Edge{b, a} : Edge{a, b};
}

// Every vertex of the segments has that colour (and there is at least one).
inline bool AllColoured(const std::vector<SSegment>& segments, float r, float g, float b,
                        float a = 1.0f)
{
    for (const SSegment& s : segments)
        for (const SVertex& v : {s.p, s.q})
            if (std::fabs(v.r - r) > 0.01f || std::fabs(v.g - g) > 0.01f ||
                std::fabs(v.b - b) > 0.01f || std::fabs(v.a - a) > 0.01f)
                return false;
    return !segments.empty();
}
