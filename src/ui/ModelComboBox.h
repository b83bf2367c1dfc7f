// The main dialog's model list (control 1000): an editable drop-down combo box,
// never sorted and never adding typed names to its list. Its drop-down list is a
// CModelListBox, which previews pictures while the mouse moves over it. A change
// of selection does nothing: the results change at the next recalculation.
#pragma once

#include <QComboBox>

class CLenvaraApp;
class CModelListBox;

class CModelComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CModelComboBox(CLenvaraApp& app, QWidget* pParent = nullptr);

    CModelListBox* GetListBox() const { return m_pListBox; }

private:
    CModelListBox* m_pListBox;
};
