// The "Projector Models" dialog (template 170): the user's own projectors in a list,
// the fields of the selected one beside it (each with its unit and range), and the
// values that follow from them: the throw pair in use at each screen aspect and the
// shift angles at 16:9. Add, Duplicate and Remove change the list; "Import…" appends
// the projectors of a CSV file, all of them or, when any row is bad, none (every bad
// row is listed). A bad field is marked in the warning colour with the reason in its
// tooltip, and so is its projector in the list. OK saves the whole list to the
// catalogue file (the previous file kept as .bak) and makes it the program's own
// projectors; it is refused, with the reason, while a projector is bad or two names
// are the same. Cancel changes nothing.
#pragma once

#include "platform/Dialog.h"
#include "ui/ProjectorFields.h"

#include <string>
#include <vector>

class QListWidget;

class CProjectorModelsDialog : public CDialog
{
    Q_OBJECT

public:
    // Edits projectors, which OK writes to szFile (none: OK cannot save). strNote tells
    // about the file (one that could not be read) until the first change.
    CProjectorModelsDialog(const std::vector<SOwnProjector>& projectors, std::string szFile,
                           QString strNote, QWidget* pParent = nullptr);

    // Runs the dialog on the installed own projectors and their file; without one, on
    // the default file (read now: its projectors, or none when it is missing or bad).
    // True when OK saved and installed the list.
    static bool Run(QWidget* pParent);

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const SControlTemplate& ctl, QWidget* pParent) override;
    void OnCommand(int nId) override;

private:
    void OnAdd();
    void OnDuplicate();
    void OnRemove();
    void OnImport();
    void OnChoosePicture();
    void OnOK();

    // Appends an entry and lists it (and selects it).
    void Append(SProjectorEntry entry, bool bSelect = true);
    void Select(int nIndex);
    // Shows the selected entry's texts in the fields (or empty, disabled fields).
    void ShowCurrent();
    void OnFieldEdited(int nField, const QString& strText);
    void OnShiftOf(EShiftOf eOf);
    // Marks the selected entry's bad fields, shows its derived values, marks the list.
    void UpdateCurrent();
    // Marks the entries whose fields are bad or whose name another holds.
    void MarkListItems();
    void ShowDerived(const SEntryReading& reading);
    // The entry's problems with the name check against every other entry.
    std::vector<SFieldProblem> ProblemsOf(int nIndex, SEntryReading& reading) const;
    // A name no entry and no built-in model has: szBase, else "szBase (2)" and so on.
    std::string FreeName(const std::string& szBase) const;
    void SetStatus(const QString& strText);

    std::vector<SProjectorEntry> m_entries;
    // By entry: a field is bad (the name's collisions aside). Entries of the file and
    // of an import are good; an entry's flag changes as it is shown and edited.
    std::vector<char> m_fieldsBad;
    std::string m_szFile;
    QString m_strNote;
    QListWidget* m_pList = nullptr;
    int m_nCurrent = -1;
    bool m_bShowing = false; // the fields are being filled, not edited
};
