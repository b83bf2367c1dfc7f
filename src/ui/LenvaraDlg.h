// The main dialog (template 102, menu 132): the user's choices that every
// calculation reads (model name, unit, aspect ratio, gain), the luminance panel the
// pages fill, the embedded calculation sheet, the projector picture, the logo and
// the installation preview. Enter recalculates the active page and never closes
// the dialog; Escape, the close box and "Exit" close it. Owned by the application
// object, which reaches it through IMainDialog; the pages use its own methods.
#pragma once

#include "app/MainDialog.h"
#include "core/LenvaraEngine.h"
#include "gl/GetOGLBitmap.h"
#include "platform/Dialog.h"
#include "print/Report.h"
#include "ui/PrintInfoDialog.h"

#include <QIcon>

#include <string>

class CGLWnd;
class CLenvaraApp;
class CLenvaraPropertySheet;
class CModelComboBox;
class QFrame;
class QLabel;
class QLineEdit;

// The user's choices as a calculation reads them.
struct SMainChoices
{
    std::string strName; // at most 99 characters of the combo box text
    TarsioDisplayOptions options{};
    int nAspectCode = kAspectCode4x3;
};

class CLenvaraDlg : public CDialog, public IMainDialog
{
    Q_OBJECT

public:
    explicit CLenvaraDlg(CLenvaraApp& app, QWidget* pParent = nullptr);
    ~CLenvaraDlg() override;

    // The application object's factory of its main dialog.
    static IMainDialog* New(CLenvaraApp& app);

    bool Create() override { return CDialog::Create(); }
    int DoModal() override { return CDialog::DoModal(); }
    void SetPictureId(int nPictureId) override { m_nPictureId = nPictureId; }
    void InvalidatePicture() override;
    // Hands the page's view data to the preview window.
    void UpdatePreview(int nMode, float fW1, float fH1, float fD1, float fW2, float fH2,
                       float fD2) override;
    std::string GetGainText() const override;

    // The model name, the six radio states in their options order and the aspect
    // code (0; 1 when 16:9 is checked; 2 when 2.35:1 is, a later test winning).
    SMainChoices GetChoices() const;
    // The luminances with "%3.2f" and their label: "Nits" for meters, "FtL" for
    // inches and feet (no label when no unit is checked). Takes away the marks of a
    // failed calculation.
    void ShowLuminances(float fWide, float fTele);
    // After a failed calculation: both luminances, which stay as they were, marked
    // with the reason (and the unit they were computed in when a unit change has
    // put another label beside them), and the gain marked when the calculation
    // refused it.
    void ShowFailedCalculation(const QString& strWhy, bool bGainRefused);
    // The start values the second page's initialisation writes: gain and both
    // luminances with "%3.2f", the labels untouched.
    void ResetLuminancePanel(double dGain, double dWide, double dTele);
    // After every calculation: the picture of the name in the model box, and a name
    // the catalogue lacks marked.
    void ShowChosenModel();

    CLenvaraPropertySheet* GetSheet() const { return m_pSheet; }
    // The preview window, created now if it is still pending.
    CGLWnd* GetPreview();
    CModelComboBox* GetModelCombo() const { return m_comboModel; }

    // Handlers of the radio buttons and menu commands (public for the tests).
    void OnUnitClicked(int nUnit);
    void OnAspectClicked(int nId);
    void OnSaveCurrentPage();
    // The print commands recalculate the active page and go on only when that
    // succeeded; then the Print Information dialog (Cancel stops), and the print
    // dialog, the preview window or the file dialog.
    void OnPrintCurrentPage();
    void OnPrintPreview();
    void OnExportPdf();
    void OnAbout();
    // Reads the first two lines of "DealerData.txt" in the working directory.
    void ReadDealerData();

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
    // Print Information dialog; the report's content from the record.
    bool PrepareReport(SReportContent& content);
    // The preview at the size of its place, for the report's snapshot.
    SReportSnapshot ReportSnapshot();

    CLenvaraApp& m_app;
    QLineEdit* m_editGain = nullptr;
    QLabel* m_staticLumUnitWide = nullptr;
    QLabel* m_staticLumUnitTele = nullptr;
    QLineEdit* m_editLumWide = nullptr;
    QLineEdit* m_editLumTele = nullptr;
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
};

// The application object's main dialog, made (with CLenvaraDlg::New when the
// application has no factory yet), built and owned by the application object.
CLenvaraDlg* CreateMainDialog(CLenvaraApp& app);
// Called first thing in main(), before the toolkit starts: loads the font
// configuration on a thread of its own (one that never touches the toolkit) while
// the toolkit connects to the display.
void StartMainDialogWarmUp();
// The application object's main dialog; nullptr when it has none.
CLenvaraDlg* MainDialogOf(const CLenvaraApp& app);
