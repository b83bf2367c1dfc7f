// Opening the Shift Calculator: from the "Shift" click on the projection-distance
// page (a model with both shift directions, a calculated installation) to the
// dialog's first completed paint with both views drawn, against a bare dialog of the
// same size holding two GL views of the same sizes, opened modally the same way, in
// the same run. Rounds alternate between the two; prints both medians in
// milliseconds and their ratio. Needs a display (run under xvfb-run, with
// LIBGL_ALWAYS_SOFTWARE=1 for Mesa's software renderer).
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"
#include "app/LenvaraApp.h"
#include "core/TextFormat.h"
#include "gl/GLSurfaceFormat.h"
#include "gl/GLWnd.h"
#include "platform/Controls.h"
#include "ui/HVShiftDialog.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QOpenGLWindow>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

namespace
{
constexpr int kRounds = 21;
constexpr int kWarmUp = 2;

using Clock = std::chrono::steady_clock;

// Watches for the first paint of a top-level window that isTarget accepts; once
// that paint has completed, waits until every GL window inside it has shown a
// frame, notes the time and closes the window.
class CFirstFrameWatch : public QObject
{
public:
    explicit CFirstFrameWatch(std::function<bool(QWidget*)> isTarget)
        : m_isTarget(std::move(isTarget))
    {
    }

    Clock::time_point m_tDone{};
    QSize m_sizeWindow;
    std::vector<QRect> m_vViews; // the shown GL views, in window coordinates

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() != QEvent::Paint || m_pTarget || !pWatched->isWidgetType())
            return false;
        auto* pWidget = static_cast<QWidget*>(pWatched);
        if (!pWidget->isWindow() || !m_isTarget(pWidget))
            return false;
        m_pTarget = pWidget;
        // Queued: runs once this paint has completed.
        QMetaObject::invokeMethod(
            this, [this] { WatchViews(); }, Qt::QueuedConnection);
        return false;
    }

private:
    void WatchViews()
    {
        if (!m_pTarget)
            return;
        m_sizeWindow = m_pTarget->size();
        for (CGLWnd* pView : m_pTarget->findChildren<CGLWnd*>())
            if (pView->isVisible())
                m_vViews.push_back(pView->geometry());
        const QWindow* pTop = m_pTarget->windowHandle();
        for (QWindow* pWindow : QGuiApplication::allWindows())
        {
            auto* pGL = qobject_cast<QOpenGLWindow*>(pWindow);
            const QWindow* p = pWindow;
            while (p && p->parent())
                p = p->parent();
            if (!pGL || p != pTop || !pGL->isExposed())
                continue;
            m_setPending.insert(pGL);
            connect(pGL, &QOpenGLWindow::frameSwapped, this,
                    [this, pGL]
                    {
                        if (!m_setPending.erase(pGL) || !m_setPending.empty())
                            return;
                        m_tDone = Clock::now();
                        QTimer::singleShot(0, m_pTarget,
                                           [pTarget = m_pTarget]
                                           {
                                               if (pTarget)
                                                   static_cast<QDialog*>(pTarget.data())->done(0);
                                           });
                    });
        }
    }

    std::function<bool(QWidget*)> m_isTarget;
    QPointer<QWidget> m_pTarget;
    std::set<QOpenGLWindow*> m_setPending;
};

double Milliseconds(Clock::time_point tStart, Clock::time_point tEnd)
{
    return std::chrono::duration<double, std::milli>(tEnd - tStart).count();
}

// The click on "Shift"; -1 when the dialog did not come up with its views drawn.
double TimeShift(QAbstractButton* pShift, CFirstFrameWatch& watch)
{
    qApp->installEventFilter(&watch);
    const Clock::time_point tStart = Clock::now();
    pShift->click(); // returns once the dialog is closed
    qApp->removeEventFilter(&watch);
    return watch.m_tDone == Clock::time_point{} ? -1.0 : Milliseconds(tStart, watch.m_tDone);
}

// A bare dialog of that size with plain GL views over those rectangles.
double TimeBare(const QSize& size, const std::vector<QRect>& views)
{
    QDialog* pBare = nullptr;
    CFirstFrameWatch watch([&pBare](QWidget* pWidget) { return pWidget == pBare; });
    qApp->installEventFilter(&watch);
    const Clock::time_point tStart = Clock::now();
    {
        QDialog bare(QApplication::activeWindow());
        pBare = &bare;
        bare.setFixedSize(size);
        for (const QRect& rect : views)
            (new CGLWnd(&bare))->setGeometry(rect);
        bare.exec();
    }
    qApp->removeEventFilter(&watch);
    return watch.m_tDone == Clock::time_point{} ? -1.0 : Milliseconds(tStart, watch.m_tDone);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    {
        std::fputs("gui_shift_dialog: no display available (run under xvfb-run)\n", stderr);
        return 1;
    }
    InstallDefaultGLFormat();
    QApplication application(argc, argv);

    // The main dialog with a model that shifts both ways, 4 wide on the first page.
    CLenvaraApp app;
    CLenvaraDlg* pDlg = CreateMainDialog(app);
    pDlg->show();
    QElapsedTimer wait;
    wait.start();
    while (!pDlg->isActiveWindow() && wait.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    CPage_Image* pPage = &pDlg->GetSheet()->m_pageImage;
    SetControlText(pDlg, LenvaraDlgIds::kIdModel, "Pavo QC");
    SetControlText(pPage, ImagePageIds::kIdWidth, "4");
    auto* pShift = qobject_cast<QAbstractButton*>(FindControl(pPage, ImagePageIds::kIdShift));
    if (!pShift)
        return 1;
    auto isShiftDialog = [](QWidget* pWidget)
    { return qobject_cast<CHVShiftDialog*>(pWidget) != nullptr; };

    // The first opening gives the sizes for the bare dialog.
    CFirstFrameWatch first(isShiftDialog);
    if (TimeShift(pShift, first) < 0 || first.m_vViews.size() != 2)
    {
        std::fputs("gui_shift_dialog: the Shift Calculator did not show both views\n", stderr);
        return 1;
    }
    std::vector<double> shift, bare;
    for (int i = 0; i < kWarmUp + kRounds; ++i)
    {
        CFirstFrameWatch watch(isShiftDialog);
        const double dShift = TimeShift(pShift, watch);
        const double dBare = TimeBare(first.m_sizeWindow, first.m_vViews);
        if (dShift < 0 || dBare < 0)
        {
            std::fputs("gui_shift_dialog: a dialog did not draw its views\n", stderr);
            return 1;
        }
        if (i >= kWarmUp)
        {
            shift.push_back(dShift);
            bare.push_back(dBare);
        }
    }
    const double dShift = Median(shift);
    const double dBare = Median(bare);
    // Numbers in the C locale, whatever the user's locale.
    std::printf("dialog size              %d x %d, views %d x %d\n", first.m_sizeWindow.width(),
                first.m_sizeWindow.height(), first.m_vViews[0].width(), first.m_vViews[0].height());
    std::printf("Shift Calculator, median %s ms (%d runs)\n", FormatFixed(dShift, 0, 1).c_str(),
                kRounds);
    std::printf("bare dialog, median      %s ms (%d runs)\n", FormatFixed(dBare, 0, 1).c_str(),
                kRounds);
    std::printf("ratio Shift / bare       %s\n", FormatFixed(dShift / dBare, 0, 2).c_str());
    app.ExitInstance();
    return 0;
}
