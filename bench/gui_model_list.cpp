// The model list with 20,000 own projectors against the list with none, in the same
// run: opening the drop-down list (until its first paint) and one keystroke in the
// box (until the offers' list has painted). Each figure is the median of several
// rounds in milliseconds. A frame is 16 ms. Needs a display (run under xvfb-run).
#include "BenchCatalogue.h"

#include "app/LenvaraApp.h"
#include "ui/LenvaraDlg.h"
#include "ui/ModelComboBox.h"
#include "ui/ModelListBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

namespace
{
constexpr int kProjectors = 20000;
constexpr int kRounds = 15;

// Notes the first paint of a widget after Arm().
class CPaintWatch : public QObject
{
public:
    explicit CPaintWatch(QWidget* pWidget) { pWidget->installEventFilter(this); }
    void Arm() { m_bPainted = false; }
    // Processes events until the paint was handled; false after 5 s without one.
    bool Wait()
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_bPainted && timer.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        return m_bPainted;
    }

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            m_bPainted = true;
        return false;
    }

private:
    bool m_bPainted = false;
};

// A key pressed and released in the widget, as the keyboard would send it.
void TypeKey(QWidget* pWidget, char cKey)
{
    const QString strText(QChar::fromLatin1(cKey));
    const int nKey = Qt::Key_A + (cKey - 'a');
    QKeyEvent press(QEvent::KeyPress, nKey, Qt::NoModifier, strText);
    QApplication::sendEvent(pWidget, &press);
    QKeyEvent release(QEvent::KeyRelease, nKey, Qt::NoModifier, strText);
    QApplication::sendEvent(pWidget, &release);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct SFigures
{
    int nRows = 0;
    double dOpen = 0;
    double dKeyK = 0; // "k": the Kelda models
    double dKeyB = 0; // "b": with own projectors, every one ("Bench Projector ...")
    int nOffersK = 0;
    int nOffersB = 0;
};

// Figures of a main dialog made with XDG_DATA_HOME = strDataHome; nothing on failure.
std::optional<SFigures> Measure(const QString& strDataHome)
{
    qputenv("XDG_DATA_HOME", strDataHome.toLocal8Bit());
    CLenvaraApp app;
    CLenvaraDlg* pDlg = CreateMainDialog(app);
    pDlg->show();
    QElapsedTimer wait;
    wait.start();
    while (!(pDlg->windowHandle() && pDlg->windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    pDlg->activateWindow();
    QApplication::processEvents();
    CModelComboBox* pCombo = pDlg->GetModelCombo();
    QLineEdit* pEdit = pCombo->lineEdit();
    CPaintWatch listPaint(pCombo->GetListBox()->viewport());
    CPaintWatch offerPaint(pCombo->completer()->popup()->viewport());

    SFigures figures;
    figures.nRows = pCombo->count();
    std::vector<double> open, keyK, keyB;
    for (int i = 0; i < kRounds; ++i)
    {
        QElapsedTimer timer;
        listPaint.Arm();
        timer.start();
        pCombo->showPopup();
        if (!listPaint.Wait())
            return std::nullopt;
        open.push_back(timer.nsecsElapsed() / 1e6);
        pCombo->hidePopup();
        QApplication::processEvents();

        for (auto [cKey, pTimes, pOffers] :
             {std::tuple{'k', &keyK, &figures.nOffersK}, std::tuple{'b', &keyB, &figures.nOffersB}})
        {
            pEdit->setFocus();
            pEdit->selectAll();
            QApplication::processEvents();
            offerPaint.Arm();
            timer.start();
            TypeKey(pEdit, cKey);
            const bool bPainted = offerPaint.Wait();
            pTimes->push_back(bPainted ? timer.nsecsElapsed() / 1e6 : -1.0);
            *pOffers = pCombo->completer()->completionCount();
            pCombo->completer()->popup()->hide();
            pCombo->setEditText(QStringLiteral("Kelda W1"));
            QApplication::processEvents();
        }
    }
    figures.dOpen = Median(open);
    figures.dKeyK = Median(keyK);
    figures.dKeyB = Median(keyB);
    app.ExitInstance();
    return figures;
}
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    {
        std::fputs("gui_model_list: no display available (run under xvfb-run)\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QTemporaryDir none;
    QTemporaryDir many;
    if (!WriteBenchCatalogue(many.filePath(QStringLiteral("lenvara/projectors.json")).toStdString(),
                             kProjectors))
        return 1;
    const std::optional<SFigures> base = Measure(none.path());
    const std::optional<SFigures> own = Measure(many.path());
    if (!base || !own)
    {
        std::fputs("gui_model_list: a list or its offers did not paint\n", stderr);
        return 1;
    }
    std::printf("rows in the list          %d against %d\n", own->nRows, base->nRows);
    std::printf("open the list, median     %.2f ms against %.2f ms (%d rounds)\n", own->dOpen,
                base->dOpen, kRounds);
    std::printf("key \"k\", median          %.2f ms (%d offers) against %.2f ms (%d offers)\n",
                own->dKeyK, own->nOffersK, base->dKeyK, base->nOffersK);
    std::printf("key \"b\", median          %.2f ms (%d offers) against %.2f ms (%d offers)\n",
                own->dKeyB, own->nOffersB, base->dKeyB, base->nOffersB);
    return 0;
}
