// The parts of the "Projector Models" dialog that read and write files: its start
// on the installed catalogue, "Import…", the picture chooser and OK.
#include "ui/ProjectorModelsDialog.h"

#include "ProjectorModelsDlgIds.h"
#include "core/OwnCatalogue.h"
#include "core/ProjectorCsv.h"
#include "platform/Controls.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <cstdint>

using namespace ProjectorModelsDlgIds;

namespace
{
QString Caption()
{
    return QStringLiteral("Projector Models");
}

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
                                     "and keeps it as %2.bak.")
                          .arg(QString::fromStdString(FormatCatalogueError(*read.error)),
                               QFileInfo(QString::fromStdString(szFile)).fileName());
    }
    CProjectorModelsDialog dlg(projectors, szFile, strNote, pParent);
    return dlg.DoModal() == QDialog::Accepted;
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
        Append(EntryOfProjector(projector), false);
    if (!imported.projectors.empty())
        Select(static_cast<int>(m_entries.size() - imported.projectors.size()));
    MarkListItems();
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
            if (QWidget* pEdit = FindControl(this, kIdFirstField + problems.front().nField))
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
