// A group box drawn as dialog templates lay it out: the frame's top line runs through
// the middle of the caption, and the caption's top is the box's top. (A toolkit style
// puts the caption above a frame that starts lower, where the template's controls
// inside the group already sit.)
#pragma once

#include <QGroupBox>

class CGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit CGroupBox(const QString& strTitle, QWidget* pParent = nullptr);

    // Distance of the frame's top line from the box's top: half the caption's height.
    int FrameTop() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};
