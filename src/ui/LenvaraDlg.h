// ui/: the dialogs: the main dialog, the one mediator between the pages, the engine,
// the preview and the Shift Calculator; the pages, model list, Print Information, About.
//
// The main dialog (template 102, menu 132): the user's choices that every
// calculation reads (model name, unit, aspect ratio, gain), the luminance panel the
// pages fill, the embedded calculation sheet, the projector picture, the logo and
// the installation preview. Enter recalculates the active page and never closes
// the dialog; Escape, the close box and "Exit" close it. Owned by the application
// object, which only builds and runs it.
//
// The dialog is the one mediator between its pages, the application object, the
// preview and the Shift Calculator: a page asks (its signals), the dialog completes
// the page's request with the choices, has the engine calculate and hands the
// result to the page, the luminance panel, the preview, Shift, Save and the report.
#pragma once

#include "core/Calculation.h"
#include "core/RoomCheck.h"
#include "gl/GetOGLBitmap.h"
#include "platform/Dialog.h"
#include "ui/PrintInfoDialog.h"

#include <QIcon>

#include <memory>
#include <string>

class CGLWnd;
class CLenvaraApp;
class CLenvaraPropertySheet;
class CModelComboBox;
class CRoomCheckDialog;
class QFrame;
class QTimer;
struct SReportContent;

class CLenvaraDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CLenvaraDlg(CLenvaraApp& app, QWidget* pParent = nullptr);
    ~CLenvaraDlg() override;

    // The application object's factory of its main dialog.
    static std::unique_ptr<CDialog> New(CLenvaraApp& app);

    // Recalculates the active page: its request completed with the choices, the
    // engine's result shown on the page, the luminance panel and the preview, or
    // the failure marked on the page and the panel. The result either way.
    SCalculation Recalculate();
    // Completes a page's request: the model name (at most 99 characters of the combo
    // box text), the six radio states in their options order, the aspect code (0; 1
    // when 16:9 is checked; 2 when 2.35:1 is, a later test winning) and the gain.
    void CompleteRequest(SCalculationRequest& request) const;
    // At most 99 characters of the gain box as a number; 1.0 without the box.
    float GetGain() const;

    // The picture of that name (FindPictureId) is the one the next paint shows.
    void SelectPicture(const char* pszName);
    // Schedules a repaint of the picture frame (without erasing).
    void InvalidatePicture();
    // Hands an installation to the preview window.
    void UpdatePreview(const SInstallation& installation);
    // The luminances with "%3.2f" and their label: "Nits" for meters, "FtL" for
    // inches and feet (no label when no unit is checked). Takes away the marks of a
    // failed calculation.
    void ShowLuminances(float fWide, float fTele);
    // After a failed calculation: both luminances, which stay as they were, marked
    // with the reason (and the unit they were computed in when a unit change has
    // put another label beside them), and the gain marked when the calculation
    // refused it.
    void ShowFailedCalculation(const QString& strWhy, bool bGainRefused);
    // The start values of the panel: gain and both luminances with "%3.2f", the
    // labels untouched.
    void ResetLuminancePanel(double dGain, double dWide, double dTele);
    // After every calculation: the picture of the name in the model box, and a name
    // the catalogue lacks marked.
    void ShowChosenModel();

    CLenvaraPropertySheet* GetSheet() const { return m_pSheet; }
    // The preview window, created now if it is still pending.
    CGLWnd* GetPreview();
    CModelComboBox* GetModelCombo() const { return m_comboModel; }

    // Fills the model list again from the catalogue as it stands (the built-in models,
    // then the own ones after a separator), keeping the text in the box, and shows the
    // picture of that name. For a change of the own projectors.
    void ReloadModelList();

    // Handlers of the radio buttons and menu commands (public for the tests).
    void OnUnitClicked(int nUnit);
    void OnAspectClicked(int nId);
    // A page's "Shift": recalculates it, then the Shift Calculator (ShiftCommand).
    void OnShift();
    void OnSaveCurrentPage();
    // The print commands recalculate the active page and go on only when that
    // succeeded; then the Print Information dialog (Cancel stops), and the print
    // dialog, the preview window or the file dialog.
    void OnPrintCurrentPage();
    void OnPrintPreview();
    void OnExportPdf();
    void OnAbout();
    // File > "Room Check…": the room check window beside the dialog, made the first
    // time and brought to the front after that (LenvaraDlgRoomCheck.cpp).
    void OnRoomCheck();
    CRoomCheckDialog* GetRoomCheck() const { return m_pRoomCheck; }
    // Reads the first two lines of "DealerData.txt" in the working directory.
    void ReadDealerData();
    // Captures the preview at the size of its place for a print and writes it to
    // strPath: the picture when the capture succeeded (a file that could not be
    // written is removed, and the page still shows this capture); otherwise a null
    // image, and any older file at strPath removed.
    QImage TakeReportSnapshot(const QString& strPath);

    int m_nPictureId = 0;

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const SControlTemplate& ctl, QWidget* pParent) override;
    void OnCommand(int nId) override;
    bool OnReturnKey() override;
    void paintEvent(QPaintEvent* pEvent) override;
    bool event(QEvent* pEvent) override;

private:
    // Creates the preview window and sets the window icon, once.
    void FinishStartup();
    // The print commands' first steps: a successful recalculation, then OK in the
    // Print Information dialog; the report's content from that calculation.
    bool PrepareReport(SReportContent& content);
    // Connects the pages' and the model list's requests.
    void ConnectRequests();
    // The own projectors read at start, installed and listed; a file that cannot be
    // used is told once the dialog shows. Waits for a read still running.
    void InstallOwnCatalogue();
    // The same, when a read started at start is still to be installed.
    void CompletePendingOwnCatalogue();
    // The message of a catalogue file that could not be used, once, from the event loop.
    void QueueCatalogueError();
    // Keeps the calculation, successful or not, for the room check window and hands
    // it over when the window is open.
    void FeedRoomCheck(const SCalculation& result);

    CLenvaraApp& m_app;
    CModelComboBox* m_comboModel = nullptr;
    CLenvaraPropertySheet* m_pSheet = nullptr;
    CPrintInfoDialog m_dlgPrintInfo;
    QFrame* m_wndPicture = nullptr;
    CGetOGLBitmap m_capture;
    QFrame* m_wndPreviewBorder = nullptr; // the preview window's border
    CGLWnd* m_wndPreview = nullptr;
    bool m_bPreviewPending = false;
    // The label of the luminances shown, as their calculation wrote it; empty before.
    QString m_strLumUnitShown;
    QIcon m_hIcon;
    // Watches the start's read of the own projectors until it is done.
    QTimer* m_pOwnCatalogueWatch = nullptr;
    // The error line of a catalogue file that could not be used, until it is shown.
    QString m_strCatalogueError;
    bool m_bCatalogueErrorQueued = false;
    // The room check window, a child window made by the first OnRoomCheck; the latest
    // calculation and the facts of its record, for its opening.
    CRoomCheckDialog* m_pRoomCheck = nullptr;
    SCalculation m_lastCalculation;
    SProjectorFacts m_lastFacts;
};

// A new main dialog for the application object, which builds and owns it.
CLenvaraDlg* CreateMainDialog(CLenvaraApp& app);
// Called first thing in main(), before the toolkit starts: loads the font
// configuration on a thread of its own (one that never touches the toolkit) while
// the toolkit connects to the display.
void StartMainDialogWarmUp();