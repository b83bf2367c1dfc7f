// app/: the application object: the engine with the services its dialogs share; it
// owns the main dialog and never calls it back. Over core/ and platform/.
//
// The application object: the calculation engine (current-model record, unit
// state, entry points) plus the main dialog's life, the drawing of a projector
// picture and the reading and writing of numbers and check marks in dialog
// controls. Lengths are in the unit the main dialog selects. Passed by reference
// to every dialog that needs it.
//
// The main dialog belongs to the layer above: the application object owns it as a
// plain dialog, made by the factory its creator hands it, and never calls it back.
#pragma once

#include "core/LenvaraEngine.h"

#include <functional>
#include <memory>

class CDC;
class CDialog;
class QRect;
class QWidget;

class CLenvaraApp : public CLenvaraEngine
{
public:
    // Makes the main dialog (not yet built) for this application object.
    using MainDialogFactory = std::function<std::unique_ptr<CDialog>(CLenvaraApp&)>;

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
    CDialog* CreateMainDialog();
    // Takes the main dialog made elsewhere and initialises it; returns it.
    CDialog* AdoptMainDialog(std::unique_ptr<CDialog> pDialog);

    // Picture id 0 or one without a bitmap draws nothing; else the bitmap stretched
    // into rect shrunk by 2 pixels on each side. An own projector's picture fills that
    // rectangle keeping its shape, on white; without one (or with a file that cannot
    // be read) a neutral placeholder fills it.
    void DrawPicture(int nPictureId, const QRect& rect, CDC& dc);
    // At most 79 characters of the control's text as a number; 0 when the window or
    // the control does not exist or the text is no number.
    float GetControlNumber(const QWidget* pWnd, int nId) const;
    // Writes the value with "%2.2f"; 0 for a null window, else 1.
    int SetControlNumber(QWidget* pWnd, int nId, float fValue) const;
    // Check state of a button; 0 when the window or the control does not exist.
    int GetControlCheck(const QWidget* pWnd, int nId) const;

    std::unique_ptr<CDialog> m_pMainDlg;

private:
    MainDialogFactory m_factory;
};
