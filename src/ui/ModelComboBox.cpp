#include "ui/ModelComboBox.h"

#include "ui/ModelListBox.h"

CModelComboBox::CModelComboBox(CLenvaraApp& app, QWidget* pParent)
    : QComboBox(pParent), m_pListBox(new CModelListBox(app))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Typed names stay exactly as typed: the calculation looks them up byte for byte.
    setCompleter(nullptr);
    setView(m_pListBox);
}
