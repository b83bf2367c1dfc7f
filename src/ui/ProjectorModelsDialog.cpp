#include "ui/ProjectorModelsDialog.h"

#include "DialogTemplates.h"
#include "ProjectorModelsDlgIds.h"
#include "core/ModelName.h"
#include "core/TextFormat.h"
#include "model/TarsioModel.h"
#include "platform/Controls.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>
#include <unordered_map>

using namespace ProjectorModelsDlgIds;

namespace
{
const QColor kWarningColour(255, 222, 173); // as the marked edits

int FieldId(int nField)
{
    return kIdFirstField + nField;
}

QString ItemText(const SProjectorEntry& entry)
{
    const std::string& szName = entry.texts[kFieldName];
    return szName.empty() ? QStringLiteral("(no name)") : QString::fromStdString(szName);
}
} // namespace

CProjectorModelsDialog::CProjectorModelsDialog(const std::vector<SOwnProjector>& projectors,
                                               std::string szFile, QString strNote,
                                               QWidget* pParent)
    : CDialog(ProjectorModelsDialogTemplate(), nullptr, pParent), m_szFile(std::move(szFile)),
      m_strNote(std::move(strNote))
{
    m_entries.reserve(projectors.size());
    for (const SOwnProjector& projector : projectors)
        m_entries.push_back(EntryOfProjector(projector));
    m_fieldsBad.assign(m_entries.size(), 0);
}

QWidget* CProjectorModelsDialog::CreateControl(const SControlTemplate& ctl, QWidget* pParent)
{
    if (ctl.nId != kIdList)
        return nullptr;
    m_pList = new QListWidget(pParent);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setUniformItemSizes(true);
    return m_pList;
}

bool CProjectorModelsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int i = 0; i < kProjectorFieldCount; ++i)
    {
        auto* pEdit = qobject_cast<QLineEdit*>(FindControl(this, FieldId(i)));
        if (!pEdit)
            continue;
        // A label's mnemonic moves the focus to its edit.
        if (auto* pLabel = qobject_cast<QLabel*>(FindControl(this, FieldId(i) + kLabelOffset)))
            pLabel->setBuddy(pEdit);
        connect(pEdit, &QLineEdit::textChanged, this,
                [this, i](const QString& strText) { OnFieldEdited(i, strText); });
    }
    for (int nId : {kIdStatus, kIdShiftNote})
        if (auto* pLabel = qobject_cast<QLabel*>(FindControl(this, nId)))
        {
            pLabel->setWordWrap(true);
            pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    if (auto* pFile = qobject_cast<QLabel*>(FindControl(this, kIdFile)))
    {
        const QString strFile = QDir::toNativeSeparators(QString::fromStdString(m_szFile));
        pFile->setText(pFile->fontMetrics().elidedText(QStringLiteral("File: ") + strFile,
                                                       Qt::ElideMiddle, pFile->width()));
        pFile->setToolTip(strFile);
    }
    SetStatus(!m_strNote.isEmpty() || !m_entries.empty()
                  ? m_strNote
                  : QStringLiteral("No projectors of your own yet: \"Add\" one, or \"Import…\" "
                                   "a CSV file of them."));
    if (m_pList)
    {
        for (const SProjectorEntry& entry : m_entries)
            m_pList->addItem(ItemText(entry));
        connect(m_pList, &QListWidget::currentRowChanged, this,
                [this](int nRow)
                {
                    m_nCurrent = nRow;
                    ShowCurrent();
                });
    }
    Select(m_entries.empty() ? -1 : 0);
    ShowCurrent();
    if (m_pList)
        m_pList->setFocus(Qt::OtherFocusReason);
    return true;
}

void CProjectorModelsDialog::OnCommand(int nId)
{
    switch (nId)
    {
    case kIdAdd:
        OnAdd();
        break;
    case kIdDuplicate:
        OnDuplicate();
        break;
    case kIdRemove:
        OnRemove();
        break;
    case kIdImport:
        OnImport();
        break;
    case kIdChoosePicture:
        OnChoosePicture();
        break;
    case kIdOfImage:
        OnShiftOf(EShiftOf::Image);
        break;
    case kIdOfHalfImage:
        OnShiftOf(EShiftOf::HalfImage);
        break;
    case kIdOk:
        OnOK();
        break;
    default:
        CDialog::OnCommand(nId);
        break;
    }
}

void CProjectorModelsDialog::Append(SProjectorEntry entry, bool bSelect)
{
    const QString strText = ItemText(entry);
    m_entries.push_back(std::move(entry));
    m_fieldsBad.push_back(0);
    m_pList->addItem(strText);
    if (bSelect)
        Select(static_cast<int>(m_entries.size()) - 1);
}

void CProjectorModelsDialog::Select(int nIndex)
{
    if (m_pList)
        m_pList->setCurrentRow(nIndex); // ShowCurrent follows when the row changes
    m_nCurrent = nIndex;
}

void CProjectorModelsDialog::OnAdd()
{
    SProjectorEntry entry;
    entry.texts[kFieldName] = FreeName("New projector");
    Append(std::move(entry));
    if (auto* pName = qobject_cast<QLineEdit*>(FindControl(this, kIdName)))
    {
        pName->setFocus(Qt::OtherFocusReason);
        pName->selectAll();
    }
}

void CProjectorModelsDialog::OnDuplicate()
{
    if (m_nCurrent < 0)
        return;
    SProjectorEntry entry = m_entries[m_nCurrent];
    entry.texts[kFieldName] = FreeName(entry.texts[kFieldName]);
    Append(std::move(entry));
}

void CProjectorModelsDialog::OnRemove()
{
    if (m_nCurrent < 0)
        return;
    const int nRemoved = m_nCurrent;
    m_entries.erase(m_entries.begin() + nRemoved);
    m_fieldsBad.erase(m_fieldsBad.begin() + nRemoved);
    m_nCurrent = -1;
    {
        // The list moves its current row while the row is going: not to be shown.
        const QSignalBlocker blocker(m_pList);
        delete m_pList->takeItem(nRemoved);
    }
    Select(m_entries.empty() ? -1 : std::min(nRemoved, static_cast<int>(m_entries.size()) - 1));
    ShowCurrent();
}

std::string CProjectorModelsDialog::FreeName(const std::string& szBase) const
{
    CProjectorNameSet names;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        (void)names.Claim(m_entries[i].texts[kFieldName], static_cast<int>(i));
    const int nIndex = static_cast<int>(m_entries.size());
    for (int n = 1; n < 1000; ++n)
    {
        const std::string szName = n == 1 ? szBase : szBase + " (" + std::to_string(n) + ")";
        if (!names.Claim(szName, nIndex))
            return szName;
    }
    return szBase; // marked as taken; the user renames it
}

void CProjectorModelsDialog::ShowCurrent()
{
    const bool bAny = m_nCurrent >= 0 && m_nCurrent < static_cast<int>(m_entries.size());
    static const SProjectorEntry kNone;
    const SProjectorEntry& entry = bAny ? m_entries[m_nCurrent] : kNone;
    m_bShowing = true;
    for (int i = 0; i < kProjectorFieldCount; ++i)
    {
        SetControlText(this, FieldId(i), entry.texts[i]);
        EnableControl(this, FieldId(i), bAny);
        const bool bShift = i >= kFieldShiftUp && i <= kFieldShiftRight;
        SetReadOnly(this, FieldId(i), bShift && entry.lens.has_value());
    }
    m_bShowing = false;
    for (int nId : {kIdDuplicate, kIdRemove, kIdChoosePicture})
        EnableControl(this, nId, bAny);
    for (int nId : {kIdOfImage, kIdOfHalfImage})
        EnableControl(this, nId, bAny && !entry.lens);
    SetCheck(this, kIdOfImage, entry.eShiftOf == EShiftOf::Image ? 1 : 0);
    SetCheck(this, kIdOfHalfImage, entry.eShiftOf == EShiftOf::HalfImage ? 1 : 0);
    UpdateCurrent();
}

void CProjectorModelsDialog::OnFieldEdited(int nField, const QString& strText)
{
    if (m_bShowing || m_nCurrent < 0)
        return;
    m_entries[m_nCurrent].texts[nField] = strText.toStdString();
    if (nField == kFieldName)
        m_pList->item(m_nCurrent)->setText(ItemText(m_entries[m_nCurrent]));
    UpdateCurrent();
}

void CProjectorModelsDialog::OnShiftOf(EShiftOf eOf)
{
    if (m_nCurrent < 0 || m_entries[m_nCurrent].lens)
        return;
    m_entries[m_nCurrent].eShiftOf = eOf;
    SetCheck(this, kIdOfImage, eOf == EShiftOf::Image ? 1 : 0);
    SetCheck(this, kIdOfHalfImage, eOf == EShiftOf::HalfImage ? 1 : 0);
    UpdateCurrent();
}

std::vector<SFieldProblem> CProjectorModelsDialog::ProblemsOf(int nIndex,
                                                              SEntryReading& reading) const
{
    reading = ReadEntry(m_entries[nIndex]);
    std::vector<SFieldProblem> problems = reading.problems;
    const bool bNameBad =
        std::any_of(problems.begin(), problems.end(),
                    [](const SFieldProblem& p) { return p.nField == kFieldName; });
    if (!bNameBad)
    {
        // Against the built-in models and every other entry, before or after it.
        CProjectorNameSet names;
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (static_cast<int>(i) != nIndex)
                (void)names.Claim(m_entries[i].texts[kFieldName], static_cast<int>(i));
        if (std::optional<std::string> szWhy = names.Claim(reading.projector.szName, nIndex))
            problems.push_back({kFieldName, "name", *szWhy});
    }
    return problems;
}

void CProjectorModelsDialog::UpdateCurrent()
{
    SEntryReading reading;
    std::vector<SFieldProblem> problems;
    if (m_nCurrent >= 0)
        problems = ProblemsOf(m_nCurrent, reading);
    for (int i = 0; i < kProjectorFieldCount; ++i)
    {
        QString strTip;
        for (const SFieldProblem& problem : problems)
            if (problem.nField == i)
                strTip += (strTip.isEmpty() ? QString() : QStringLiteral("\n")) +
                          QString::fromStdString(EscapeControlCharacters(problem.szReason));
        SetWarning(this, FieldId(i), !strTip.isEmpty(), strTip);
    }
    if (m_nCurrent >= 0)
    {
        m_fieldsBad[m_nCurrent] = reading.problems.empty() ? 0 : 1;
        if (QListWidgetItem* pItem = m_pList->item(m_nCurrent))
            pItem->setToolTip(problems.empty()
                                  ? QString()
                                  : QString::fromStdString(FormatFieldProblem(
                                        m_nCurrent, reading.projector.szName, problems.front())));
    }
    MarkListItems();
    ShowDerived(reading);
}

void CProjectorModelsDialog::MarkListItems()
{
    // A name is taken twice when a built-in model or another entry has it too.
    std::unordered_map<std::string, int> holders;
    for (const std::string& szName : ListedModelNames())
        holders[NormaliseModelName(szName)] = 1;
    std::vector<std::string> names;
    names.reserve(m_entries.size());
    for (const SProjectorEntry& entry : m_entries)
        ++holders[names.emplace_back(NormaliseModelName(entry.texts[kFieldName]))];
    for (int i = 0; i < static_cast<int>(m_entries.size()); ++i)
    {
        const bool bTaken = holders[names[i]] > 1;
        QListWidgetItem* pItem = m_pList->item(i);
        if (!pItem)
            continue;
        const bool bBad = m_fieldsBad[i] || bTaken;
        if (bBad != (pItem->background().style() != Qt::NoBrush))
            pItem->setBackground(bBad ? QBrush(kWarningColour) : QBrush());
        // The selected item has its reason from UpdateCurrent, a bad one from its last.
        if (i != m_nCurrent && !m_fieldsBad[i])
            pItem->setToolTip(bTaken ? QStringLiteral("Another projector or a built-in model "
                                                      "has this name")
                                     : QString());
    }
}

void CProjectorModelsDialog::ShowDerived(const SEntryReading& reading)
{
    // The values follow from the numbers alone: a projector whose name, class or
    // picture is still wrong shows them too.
    SOwnProjector projector = reading.projector;
    projector.szName = "-";
    projector.szClass.clear();
    projector.szPicture.clear();
    const bool bGood = m_nCurrent >= 0 && !ValidateOwnProjector(projector);
    SOwnProjectorRows rows{};
    std::array<SThrowPair, kOwnAspectCount> pairs{};
    if (bGood)
    {
        pairs = CompleteThrowPairs(projector);
        rows = DeriveProjectorRows(projector);
    }
    for (int i = 0; i < kOwnAspectCount; ++i)
    {
        SetControlText(this, kIdFirstUsedThrow + 2 * i, bGood ? FormatLength(pairs[i].dWide) : "");
        SetControlText(this, kIdFirstUsedThrow + 2 * i + 1,
                       bGood ? FormatLength(pairs[i].dTele) : "");
    }
    // The record's own shift arithmetic on the listed (16:9) rows. Room A is the
    // minus side (down, left), room B the plus side (up, right).
    CTarsioModel model;
    model.LoadRows(rows.main[1], rows.lens[1]);
    const int nCaps = bGood ? model.GetShiftCaps() : 0;
    float v[4] = {}, h[4] = {};
    const bool bVertical = (nCaps & 1) && model.VerticalShiftLimits(v[0], v[1], v[2], v[3]);
    const bool bHorizontal = (nCaps & 2) && model.HorizontalShiftLimits(h[0], h[1], h[2], h[3]);
    const struct
    {
        bool bShown;
        float fWide, fTele;
    } angles[4] = {{bVertical, v[1], v[3]},
                   {bVertical, v[0], v[2]},
                   {bHorizontal, h[0], h[2]},
                   {bHorizontal, h[1], h[3]}};
    for (int d = 0; d < 4; ++d)
    {
        SetControlText(this, kIdFirstAngle + 2 * d,
                       angles[d].bShown ? FormatLength(angles[d].fWide) : "");
        SetControlText(this, kIdFirstAngle + 2 * d + 1,
                       angles[d].bShown ? FormatLength(angles[d].fTele) : "");
    }

    QString strNote;
    const SProjectorEntry* pEntry = m_nCurrent >= 0 ? &m_entries[m_nCurrent] : nullptr;
    if (pEntry && pEntry->lens)
        strNote = QStringLiteral("Given by the file as lens fields (image circle radius %1 mm): "
                                 "kept as they are.")
                      .arg(QString::fromStdString(FormatLength(pEntry->lens->dRadius)));
    else if (pEntry && pEntry->eShiftOf == EShiftOf::HalfImage)
        strNote = QStringLiteral("100 % moves the image by half its height or width.");
    else
        strNote = QStringLiteral("100 % moves the image by its whole height or width.");
    if (pEntry && !pEntry->lens && pEntry->shiftEnvelope)
        strNote += QStringLiteral(" The file's shift outline is kept with these values.");
    SetControlText(this, kIdShiftNote, strNote.toStdString());
}

void CProjectorModelsDialog::SetStatus(const QString& strText)
{
    SetControlText(this, kIdStatus, strText.toStdString());
}
