// Turns a dialog template into Qt widgets placed at absolute positions inside a
// parent. Dialog units become pixels from the dialog font's average character
// width and height (x * avgWidth / 4, y * height / 8). Every widget gets its
// numeric id as objectName ("1009"); id-less controls get "-1". Used by CDialog
// and CPropertyPage.
#pragma once

#include "platform/DialogTemplate.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

class CDialogBuilder
{
public:
    // Creates the control itself when it needs a class of the program's own; nullptr
    // lets the builder create the standard widget for the kind.
    using CreateHook = std::function<QWidget*(const SControlTemplate&, QWidget* pParent)>;

    explicit CDialogBuilder(const QFont& font);

    // The font every dialog of the program uses.
    static QFont DialogFont();

    // Average character width and character height of the font in pixels.
    QSize GetBaseUnits() const { return m_sizeBase; }
    int UnitsToPixelsX(int x) const;
    int UnitsToPixelsY(int y) const;
    QRect UnitsToPixels(int x, int y, int cx, int cy) const;

    // Creates every control of the template as a direct child of pParent, offset by
    // ptOrigin pixels, in table order (later controls lie above earlier ones).
    void Build(const SDialogTemplate& tpl, QWidget* pParent, const QPoint& ptOrigin,
               const CreateHook& hook = {}) const;

private:
    QWidget* CreateStandard(const SControlTemplate& ctl, QWidget* pParent) const;

    QFont m_font;
    QSize m_sizeBase;
};
