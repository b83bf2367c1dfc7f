// The application object: the calculation engine (current-model record, unit
// state, entry points) plus the services between it and the dialogs: the main
// dialog's life, the projector picture, the preview hand-over and the reading and
// writing of numbers and check marks in dialog controls. Lengths are in the unit
// the main dialog selects. Passed by reference to every dialog that needs it.
//
// The main dialog belongs to the layer above: the application object knows it only
// as an IMainDialog, made by the factory its creator hands it.
#pragma once

#include "app/MainDialog.h"
#include "core/LenvaraEngine.h"

#include <functional>

class CDC;
class QRect;
class QWidget;

class CLenvaraApp : public CLenvaraEngine
{
public:
    // Makes the main dialog (not yet built) for this application object.
    using MainDialogFactory = std::function<IMainDialog*(CLenvaraApp&)>;

    explicit CLenvaraApp(MainDialogFactory factory = {});
    ~CLenvaraApp() override;
    CLenvaraApp(const CLenvaraApp&) = delete;
    CLenvaraApp& operator=(const CLenvaraApp&) = delete;

    // Creates the main dialog and runs it modally; false, so the program ends when it
    // closes.
    bool InitInstance();
    // Deletes the main dialog.
    int ExitInstance();
    // Creates and initialises the main dialog without running it (kept in
    // m_pMainDlg, owned by this object); nullptr without a factory.
    IMainDialog* CreateMainDialog();
    void SetMainDialogFactory(MainDialogFactory factory) { m_factory = std::move(factory); }

    // Picture services of the main dialog; nothing before it exists.
    void SelectPicture(const char* pszName);
    void InvalidatePicture();
    // Picture id 0 or one without a bitmap draws nothing; else the bitmap stretched
    // into rect shrunk by 2 pixels on each side.
    void DrawPicture(int nPictureId, const QRect& rect, CDC& dc);
    // Mode (0 projection-distance page, 1 screen-dimensions page) and the two
    // (width, height, distance) triples for the preview window.
    void UpdatePreview(int nMode, float fW1, float fH1, float fD1, float fW2, float fH2,
                       float fD2);

    // At most 79 characters of the control's text as a number; 0 when the window or
    // the control does not exist or the text is no number.
    float GetControlNumber(const QWidget* pWnd, int nId) const;
    // Writes the value with "%2.2f"; 0 for a null window, else 1.
    int SetControlNumber(QWidget* pWnd, int nId, float fValue) const;
    // At most 99 characters of the main dialog's gain box; 1.0 without it.
    float GetGain() const;
    // Check state of a button; 0 when the window or the control does not exist.
    int GetControlCheck(const QWidget* pWnd, int nId) const;

    IMainDialog* m_pMainDlg = nullptr;

private:
    MainDialogFactory m_factory;
};
