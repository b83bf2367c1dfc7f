#include "ui/ProjectorModelsDialog.h"

#include "DialogTemplates.h"
#include "ProjectorModelsDlgIds.h"
#include "core/OwnCatalogue.h"
#include "core/ProjectorCsv.h"
#include "core/TextFormat.h"
#include "model/TarsioModel.h"
#include "platform/Controls.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

using namespace ProjectorModelsDlgIds;

namespace
{
const QColor kWarningColour(255, 222, 173); // as the marked edits

QString Caption()
{
    return QStringLiteral("Projector Models");
}

int FieldId(int nField)
{
    return kIdFirstField + nField;
}

QString ItemText(const SProjectorEntry& entry)
{
    const std::string& szName = entry.texts[kFieldName];
    return szName.empty() ? QStringLiteral("(no name)") : QString::fromStdString(szName);
}

// Every bad row of a CSV file, in a list that scrolls when it is long.
void ShowImportErrors(QWidget* pParent, const QString& strFile,
                      const std::vector<SCsvRowError>& errors)
{
    QDialog dlg(pParent);
    dlg.setWindowTitle(QStringLiteral("Import Projectors"));
    auto* pLayout = new QVBoxLayout(&dlg);
    auto* pLabel = new QLabel(
        QStringLiteral("Nothing was imported from %1: %2 %3 not right. Correct %4 and import the "
                       "file again.")
            .arg(QFileInfo(strFile).fileName())
            .arg(errors.size())
            .arg(errors.size() == 1 ? QStringLiteral("row is") : QStringLiteral("rows are"),
                 errors.size() == 1 ? QStringLiteral("it") : QStringLiteral("them")),
        &dlg);
    pLabel->setWordWrap(true);
    pLayout->addWidget(pLabel);
    QString strList;
    for (const SCsvRowError& error : errors)
        strList += QString::fromStdString(FormatCsvRowError(error)) + QLatin1Char('\n');
    auto* pText = new QPlainTextEdit(strList.trimmed(), &dlg);
    pText->setReadOnly(true);
    pText->setLineWrapMode(QPlainTextEdit::NoWrap);
    pText->setMinimumSize(480, 160);
    pLayout->addWidget(pText);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    pLayout->addWidget(pButtons);
    dlg.exec();
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
}

bool CProjectorModelsDialog::Run(QWidget* pParent)
{
    const SOwnCatalogue& installed = InstalledOwnCatalogue();
    std::string szFile = installed.szFile;
    std::vector<SOwnProjector> projectors = installed.projectors;
    QString strNote;
    if (szFile.empty())
    {
        // Nothing was read at start: the file may have come since, or be bad. A bad
        // file is replaced only by OK, which keeps it as .bak.
        szFile = DefaultProjectorCataloguePath();
        if (szFile.empty())
            strNote = QStringLiteral("There is no folder for the catalogue file (set HOME or "
                                     "XDG_DATA_HOME): the projectors cannot be saved.");
        else if (SCatalogueRead read = ReadProjectorCatalogue(szFile); !read.error)
            projectors = std::move(read.projectors);
        else if (!read.error->bMissing)
            strNote = QStringLiteral("The catalogue file cannot be used (%1). OK replaces it "
                                     "and keeps it as projectors.json.bak.")
                          .arg(QString::fromStdString(FormatCatalogueError(*read.error)));
    }
    CProjectorModelsDialog dlg(projectors, szFile, strNote, pParent);
    return dlg.DoModal() == QDialog::Accepted;
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
    SetStatus(m_strNote);
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

void CProjectorModelsDialog::Append(SProjectorEntry entry)
{
    m_pList->addItem(ItemText(entry));
    m_entries.push_back(std::move(entry));
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
    m_nCurrent = -1;
    delete m_pList->takeItem(nRemoved); // selects a neighbour, or nothing
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
        QListWidgetItem* pItem = m_pList->item(m_nCurrent);
        const bool bBad = !problems.empty();
        pItem->setBackground(bBad ? QBrush(kWarningColour) : QBrush());
        pItem->setToolTip(bBad ? QString::fromStdString(FormatFieldProblem(
                                     m_nCurrent, reading.projector.szName, problems.front()))
                               : QString());
    }
    ShowDerived(reading);
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
    SetControlText(this, kIdShiftNote, strNote.toStdString());
}

void CProjectorModelsDialog::SetStatus(const QString& strText)
{
    SetControlText(this, kIdStatus, strText.toStdString());
}

void CProjectorModelsDialog::OnImport()
{
    QFileDialog dialog(this, QStringLiteral("Import Projectors"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("CSV files (*.csv)"), QStringLiteral("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString strPath = dialog.selectedFiles().constFirst();
    const QFileInfo info(strPath);
    QFile file(strPath);
    QString strError;
    QByteArray text;
    if (!info.isFile())
        strError = QStringLiteral("It is not a file.");
    else if (static_cast<std::uint64_t>(info.size()) > kCatalogueFileMax)
        strError = QStringLiteral("It is larger than 64 MiB.");
    else if (!file.open(QIODevice::ReadOnly))
        strError = file.errorString();
    else
    {
        text = file.read(static_cast<qint64>(kCatalogueFileMax) + 1);
        if (file.error() != QFileDevice::NoError)
            strError = file.errorString();
        else if (static_cast<std::size_t>(text.size()) > kCatalogueFileMax)
            strError = QStringLiteral("It is larger than 64 MiB.");
    }
    if (!strError.isEmpty())
    {
        QMessageBox::warning(this, QStringLiteral("Import Projectors"),
                             QStringLiteral("%1 cannot be imported.\n\n%2")
                                 .arg(QDir::toNativeSeparators(strPath), strError));
        return;
    }
    std::vector<SOwnProjector> existing;
    existing.reserve(m_entries.size());
    for (const SProjectorEntry& entry : m_entries)
        existing.push_back(ReadEntry(entry).projector);
    const SCsvImport imported =
        ImportProjectorCsv(std::string_view(text.constData(), text.size()), existing);
    if (!imported.errors.empty())
    {
        ShowImportErrors(this, strPath, imported.errors);
        return;
    }
    for (const SOwnProjector& projector : imported.projectors)
        Append(EntryOfProjector(projector));
    if (!imported.projectors.empty())
        Select(static_cast<int>(m_entries.size() - imported.projectors.size()));
    SetStatus(QStringLiteral("Imported %1 %2 from %3.")
                  .arg(imported.projectors.size())
                  .arg(imported.projectors.size() == 1 ? QStringLiteral("projector")
                                                       : QStringLiteral("projectors"),
                       info.fileName()));
}

void CProjectorModelsDialog::OnChoosePicture()
{
    if (m_nCurrent < 0)
        return;
    const QDir folder = QFileInfo(QString::fromStdString(m_szFile)).absoluteDir();
    QFileDialog dialog(this, QStringLiteral("Choose Picture"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Pictures (*.png *.jpg *.jpeg *.bmp)"));
    const std::string szNow = m_entries[m_nCurrent].texts[kFieldPicture];
    const QFileInfo now(folder, QString::fromStdString(szNow));
    dialog.setDirectory(!szNow.empty() && now.absoluteDir().exists() ? now.absolutePath()
                        : folder.exists()                            ? folder.absolutePath()
                                                                     : QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    // Inside the catalogue's folder the path is kept relative, so the folder can move.
    const QString strChosen = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    const QString strRelative = folder.relativeFilePath(strChosen);
    const bool bInside = !strRelative.startsWith(QLatin1String("../")) &&
                         strRelative != QLatin1String("..") && !QDir::isAbsolutePath(strRelative);
    SetControlText(this, kIdPicture, (bInside ? strRelative : strChosen).toStdString());
}

void CProjectorModelsDialog::OnOK()
{
    std::vector<SOwnProjector> projectors;
    projectors.reserve(m_entries.size());
    for (int i = 0; i < static_cast<int>(m_entries.size()); ++i)
    {
        SEntryReading reading;
        const std::vector<SFieldProblem> problems = ProblemsOf(i, reading);
        if (!problems.empty())
        {
            Select(i);
            SetStatus(QStringLiteral("Not saved: %1")
                          .arg(QString::fromStdString(
                              FormatFieldProblem(i, reading.projector.szName, problems.front()))));
            if (QWidget* pEdit = FindControl(this, FieldId(problems.front().nField)))
                pEdit->setFocus(Qt::OtherFocusReason);
            return;
        }
        projectors.push_back(std::move(reading.projector));
    }
    if (m_szFile.empty())
    {
        QMessageBox::warning(this, Caption(), m_strNote);
        return;
    }
    if (std::optional<SCatalogueError> error = CheckProjectorList(projectors, m_szFile))
    {
        SetStatus(QStringLiteral("Not saved: %1")
                      .arg(QString::fromStdString(FormatCatalogueError(*error))));
        return;
    }
    if (std::optional<std::string> szError = WriteProjectorCatalogue(m_szFile, projectors))
    {
        QMessageBox::warning(this, Caption(),
                             QStringLiteral("The projectors could not be saved.\n\n%1")
                                 .arg(QString::fromStdString(EscapeControlCharacters(*szError))));
        return;
    }
    InstallOwnProjectors(std::move(projectors), m_szFile);
    accept();
}
