// The preview's label font: its lists, the glyph-run bitmaps and label textures that
// must draw what the lists draw, blanks, one font per view, and labels kept whole at
// the view's edge.
#include "TestGLWnd.h"

#include <GL/gl.h>

#include <QWidget>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
int CountRedPixels(const QImage& frame)
{
    int n = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
        {
            const QRgb p = frame.pixel(x, y);
            n += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
        }
    return n;
}

TEST(PreviewFont, LabelsNeedTheFontAndNothingElseDoes)
{
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.SetViewData(4, 2.25f, 6, 4, 2.25f, 7.5f);
    wnd.ResetView();
    const QImage withFont = wnd.grabFramebuffer();
    ASSERT_NE(wnd.m_labelFont.GetBase(), 0u);
    wnd.makeCurrent();
    for (unsigned int i = 0; i < 96; ++i)
        EXPECT_TRUE(glIsList(wnd.m_labelFont.GetBase() + i));
    wnd.doneCurrent();

    // Without lists the labels vanish and the rest of the frame is unchanged.
    CGLLabelFont noFont;
    std::swap(wnd.m_labelFont, noFont);
    const QImage withoutFont = wnd.grabFramebuffer();
    std::swap(wnd.m_labelFont, noFont);
    wnd.m_bSuppressLabels = true;
    const QImage withoutLabels = wnd.grabFramebuffer();
    EXPECT_EQ(withoutFont, withoutLabels);
    EXPECT_NE(withFont, withoutFont);
    // The label text adds red pixels to the red dimension lines.
    EXPECT_GT(CountRedPixels(withFont), CountRedPixels(withoutFont) + 100);
}

// The font's lists for text in window pixels.
class CFontProbeWnd : public CTestGLWnd
{
public:
    enum class EWay
    {
        Lists,
        GlyphRun,
        LabelRun,
    };
    // Clears, draws the text from (x, 20) moved by fMove (a move may leave the view on
    // the left while the position stays valid) by the font's lists, as one glyph run
    // bitmap or as the view's label texture; returns the frame and where the raster
    // position ends.
    QImage DrawText(float x, float fMove, const char* pszText, EWay eWay, float& fEnd)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0, width(), 0, height(), -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
        glRasterPos2f(x, 20.0f);
        glBitmap(0, 0, 0.0f, 0.0f, fMove, 0.0f, nullptr);
        if (eWay == EWay::GlyphRun)
            m_labelFont.DrawBitmap(pszText);
        else if (eWay == EWay::LabelRun)
            m_labelFont.Draw(pszText);
        else
            CGLLabelFont::DrawLabelText(m_labelFont.GetBase(), pszText);
        GLfloat afPos[4] = {};
        glGetFloatv(GL_CURRENT_RASTER_POSITION, afPos);
        fEnd = afPos[0];
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        std::vector<GLubyte> pixels(static_cast<size_t>(width()) * height() * 4);
        glReadPixels(0, 0, width(), height(), GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return QImage(pixels.data(), width(), height(), QImage::Format_RGBA8888).copy();
    }
    // Where the raster position stands after the text, drawn from x = 5.
    float EndOf(const char* pszText)
    {
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0, width(), 0, height(), -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glRasterPos2i(5, 20);
        CGLLabelFont::DrawLabelText(m_labelFont.GetBase(), pszText);
        GLfloat afPos[4] = {};
        glGetFloatv(GL_CURRENT_RASTER_POSITION, afPos);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        return afPos[0];
    }
};

TEST(PreviewFont, AGlyphRunAndALabelTextureDrawWhatTheListsDraw)
{
    struct SRow
    {
        float x;
        float fMove;
        const char* pszText;
    };
    const SRow rows[] = {
        {5.0f, 0.0f, "P_TP=7.50"},
        {5.5f, 0.0f, "H Shift(TP)= -0.35 m"},
        {6.999f, 0.0f, "fjf/|\\Wg_Qy ()"},
        {10.25f, -18.0f, "W=12345.67"}, // starts left of the view
        {3.75f, 0.0f, "  A  "},
        {8.5f, 0.0f,
         " !\"#$%&'*+,-.0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^`"
         "abcdefghijklmnopqrstuvwxyz{}~\x7f\xe9\x01"},
    };
    CFontProbeWnd wnd;
    wnd.ShowAt(40, 40, 900, 60);
    wnd.makeCurrent();
    for (const SRow& row : rows)
    {
        using W = CFontProbeWnd::EWay;
        float fListsEnd = 0.0f;
        const QImage lists = wnd.DrawText(row.x, row.fMove, row.pszText, W::Lists, fListsEnd);
        EXPECT_GT(CountRedPixels(lists), 0) << row.pszText;
        // The label texture twice: made, then kept.
        for (W eWay : {W::GlyphRun, W::LabelRun, W::LabelRun})
        {
            float fEnd = 0.0f;
            EXPECT_EQ(wnd.DrawText(row.x, row.fMove, row.pszText, eWay, fEnd), lists)
                << row.pszText << " way " << static_cast<int>(eWay);
            EXPECT_EQ(fEnd, fListsEnd) << row.pszText << " way " << static_cast<int>(eWay);
        }
    }
    wnd.doneCurrent();
}

// The preview, with its labels drawn either way.
class CLabelWayWnd : public CTestGLWnd
{
public:
    void SetLabelTextures(bool bTextures) { m_labelFont.SetTextures(bTextures); }
};

TEST(PreviewFont, LabelTexturesDrawTheScenesTheBitmapsDraw)
{
    struct SRow
    {
        int nMode;
        float afData[6];
        double dRotY;
    };
    // Turned so that lines pass in front of and behind the labels' depths.
    const SRow rows[] = {
        {0, {4, 2.25f, 6, 4, 2.25f, 7.5f}, 0.0},    {0, {4, 2.25f, 6, 4, 2.25f, 7.5f}, 40.0},
        {0, {4, 2.25f, 6, 4, 2.25f, 7.5f}, -70.0},  {1, {6.57f, 3.7f, 9, 5.42f, 3.05f, 9}, 25.0},
        {0, {2, 1.125f, 1, 2, 1.125f, 1.3f}, 10.0},
    };
    CLabelWayWnd wnd;
    wnd.ShowAt(40, 40);
    for (const SRow& row : rows)
    {
        wnd.SetMode(row.nMode);
        const float* d = row.afData;
        wnd.SetViewData(d[0], d[1], d[2], d[3], d[4], d[5]);
        wnd.m_dRotY = row.dRotY;
        wnd.SetLabelTextures(false);
        const QImage bitmaps = wnd.grabFramebuffer();
        wnd.SetLabelTextures(true);
        const QImage textures = wnd.grabFramebuffer();
        EXPECT_EQ(textures, bitmaps) << row.nMode << " " << row.dRotY;
        EXPECT_GT(CountRedPixels(textures), 50) << row.nMode << " " << row.dRotY;
    }
}

TEST(PreviewFont, BlanksMoveTheRasterPosition)
{
    CFontProbeWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.makeCurrent();
    const float fSpace = wnd.EndOf(" ") - 5;
    const float fTwoLetters = wnd.EndOf("AA");
    const float fSpaced = wnd.EndOf("A A");
    wnd.doneCurrent();
    EXPECT_GT(fSpace, 0.0f);
    EXPECT_EQ(fSpaced, fTwoLetters + fSpace);
}

TEST(PreviewFont, WindowsSideBySideEachHaveTheirContextAndFont)
{
    // Two views in one window, as in the shift dialog: Qt lets their contexts share
    // objects, so each must have built lists of its own, and each draws its labels.
    QWidget parent;
    parent.resize(480, 200);
    CTestGLWnd left(&parent), right(&parent);
    left.setGeometry(0, 0, 226, 193);
    right.setGeometry(240, 0, 226, 193);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    std::vector<QImage> frames;
    for (CTestGLWnd* pWnd : {&left, &right})
    {
        pWnd->SetViewData(4, 2.25f, 6, 4, 2.25f, 7.5f);
        frames.push_back(pWnd->grabFramebuffer());
    }
    EXPECT_NE(left.context(), right.context());
    EXPECT_NE(left.m_labelFont.GetBase(), 0u);
    EXPECT_NE(right.m_labelFont.GetBase(), 0u);
    EXPECT_NE(left.m_labelFont.GetBase(), right.m_labelFont.GetBase());
    EXPECT_EQ(frames[0], frames[1]);
    EXPECT_GT(CountRedPixels(frames[1]), 500); // the lines alone give about 150
}

TEST(PreviewFont, LabelsAtTheRightEdgeStayWhole)
{
    // The scene moved right until the "H=" and "P_WA=" labels would run past the edge:
    // they are moved left to end there, so as many label pixels show as before.
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.SetViewData(4, 2.25f, 6, 4, 2.25f, 7.5f);
    auto labelPixels = [&wnd]
    {
        wnd.m_bSuppressLabels = false;
        const int nAll = CountRedPixels(wnd.grabFramebuffer());
        wnd.m_bSuppressLabels = true;
        return nAll - CountRedPixels(wnd.grabFramebuffer());
    };
    const int nCentred = labelPixels();
    wnd.m_dTransX += 700.0;
    const int nAtEdge = labelPixels();
    wnd.m_bSuppressLabels = false;
    EXPECT_GT(nCentred, 300);
    EXPECT_GE(nAtEdge, nCentred * 9 / 10);
}

} // namespace
