// The main dialog's model list (control 1000): an editable drop-down combo box,
// never sorted and never adding typed names to its list. Its drop-down list is a
// CModelListBox, which asks for pictures while the mouse moves over it; when the
// list closes, the picture of the name in the box is asked for again. The main
// dialog shows them (pictureChanged). Typing offers the
// catalogue's names that start with what was typed, ignoring letter case and runs of
// blanks ("vela x2" offers "Vela  X2"); choosing one puts the exact name into the box.
// Enter while the offers are shown takes the highlighted one (the first when none
// is) and then asks for a calculation (completionEntered).
// A name the catalogue lacks is shown in a warning colour once a calculation or the
// end of editing has met it, until the box holds a name again. A change of selection
// does nothing else: the results change at the next recalculation.
// The list holds the built-in models in catalogue order, then, when the user has own
// projectors, a separator and their names in file order. It is one list model,
// shared by the drop-down list and the completion, filled once: tens of thousands
// of names open and complete within a frame.
#pragma once

#include <QComboBox>

class CModelListBox;
class CModelNameModel;

class CModelComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CModelComboBox(QWidget* pParent = nullptr);

    CModelListBox* GetListBox() const { return m_pListBox; }

    // Fills the list from the catalogue rows as they stand (the own names after a
    // separator), keeping the box's text, cursor and selection.
    void ReloadNames();

    // Whether the box holds a name of the catalogue, byte for byte.
    bool HoldsModelName() const;
    // Shows the picture of the name in the box (none for a name the catalogue lacks)
    // and marks a name the catalogue lacks.
    void ShowChosenModel();

    void showPopup() override;
    void hidePopup() override;

signals:
    // The picture of this name is to be shown (none for a name the catalogue lacks).
    void pictureChanged(const QString& strName);
    // Enter took an offered name; the owner calculates, as for Enter in the box.
    void completionEntered();
    // Emitted before the list opens and before a key reaches the box's edit field: the
    // owner may complete the list (ReloadNames) first. Connect it directly.
    void namesNeeded();

protected:
    void focusOutEvent(QFocusEvent* pEvent) override;
    // Enter in the completer's list of offers.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void SetWarning(bool bWarning);
    // The picture of the name in the box (none for a name the catalogue lacks).
    void ShowNamedPicture();

    CModelListBox* m_pListBox;
    CModelNameModel* m_pNames;
    bool m_bWarning = false;
};
