// The main dialog (template 102, menu 132): the user's choices that every
// calculation reads (model name, unit, aspect ratio, gain), the luminance panel the
// pages fill, the embedded calculation sheet, the projector picture, the logo and
// the installation preview. Enter recalculates the active page and never closes
// the dialog; Escape, the close box and "Exit" close it. Owned by the application
// object.
#pragma once

#include "platform/Dialog.h"

#include <QIcon>

class CGLWnd;
class CLenvaraApp;
class CLenvaraPropertySheet;
class CModelComboBox;
class QFrame;
class QLabel;
class QLineEdit;

class CLenvaraDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CLenvaraDlg(CLenvaraApp& app, QWidget* pParent = nullptr);
    ~CLenvaraDlg() override;

    CLenvaraPropertySheet* GetSheet() const { return m_pSheet; }
    // The preview window, created now if it is still pending.
    CGLWnd* GetPreview();
    CModelComboBox* GetModelCombo() const { return m_comboModel; }

    // Hands the page's view data to the preview window.
    void UpdatePreview(int nMode, float fW1, float fH1, float fD1, float fW2, float fH2,
                       float fD2);
    // Handlers of the radio buttons and menu commands (public for the tests).
    void OnUnitClicked(int nUnit);
    void OnAspectClicked(int nId);
    void OnSaveCurrentPage();
    void OnPrintCurrentPage();
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

    CLenvaraApp& m_app;
    QLineEdit* m_editGain = nullptr;
    QLabel* m_staticLumUnitWide = nullptr;
    QLabel* m_staticLumUnitTele = nullptr;
    QLineEdit* m_editLumWide = nullptr;
    QLineEdit* m_editLumTele = nullptr;
    CModelComboBox* m_comboModel = nullptr;
    CLenvaraPropertySheet* m_pSheet = nullptr;
    QFrame* m_wndPicture = nullptr;
    QFrame* m_wndPreviewBorder = nullptr; // the preview window's border
    CGLWnd* m_wndPreview = nullptr;
    bool m_bPreviewPending = false;
    QIcon m_hIcon;
};
