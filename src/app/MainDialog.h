// What the application object needs of its main dialog, which lives in the layer
// above it: the dialog's life (build, modal run), the projector picture to paint and
// its invalidation, the hand-over of the preview data, and the text of the gain box.
// CLenvaraDlg implements it; the application object owns it through this interface.
#pragma once

#include <string>

class IMainDialog
{
public:
    virtual ~IMainDialog() = default;

    // Builds the controls and runs the dialog's initialisation, the first time only.
    virtual bool Create() = 0;
    // Create, then the modal run; the dialog's result.
    virtual int DoModal() = 0;

    // Resource id of the projector picture the next paint shows; 0 or an id without
    // a bitmap shows none.
    virtual void SetPictureId(int nPictureId) = 0;
    // Schedules a repaint of the picture frame (without erasing).
    virtual void InvalidatePicture() = 0;
    // Mode (0 projection-distance page, 1 screen-dimensions page) and the two
    // (width, height, distance) triples for the preview window, in the user's unit.
    virtual void UpdatePreview(int nMode, float fW1, float fH1, float fD1, float fW2, float fH2,
                               float fD2) = 0;
    // At most 99 characters of the gain box, as typed.
    virtual std::string GetGainText() const = 0;
};
