// The main dialog's commands that hand the calculation on: Save Current Page, and
// the report's print, preview and PDF export with the preview capture they take.
#include "ui/LenvaraDlg.h"

#include "LenvaraDlgIds.h"
#include "app/LenvaraApp.h"
#include "gl/GLWnd.h"
#include "platform/Controls.h"
#include "platform/DebugTrace.h"
#include "platform/PrintJob.h"
#include "print/ReportJob.h"
#include "ui/LenvaraPropertySheet.h"
#include "ui/PageSaver.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>

#include <string>

using namespace LenvaraDlgIds;

void CLenvaraDlg::OnSaveCurrentPage()
{
    // The file holds one calculation: the one this recalculation of the active page
    // makes from what the dialog shows now.
    const SCalculation result = Recalculate();
    if (!result.Succeeded())
    {
        QMessageBox::information(
            this, QStringLiteral("Save Current Page"),
            QStringLiteral("There is no calculation on this page to save.\n\nChoose a model "
                           "known to the list, enter a screen size or a projection distance "
                           "and press Enter, then save again."));
        return;
    }
    QFileDialog dialog(this, QStringLiteral("Save Current Page"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("sim"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString strPath = dialog.selectedFiles().constFirst();
    QString strError;
    const std::string strPage = m_pSheet->GetActivePage()->GetCaption().toStdString();
    if (!CPageSaver::Write(strPath, CPageSaver::BuildText(result, strPage, m_app.GetDateText()),
                           strError))
    {
        DebugTrace("File could not be opened %s\n", strError.toLocal8Bit().constData());
        QMessageBox::warning(this, QStringLiteral("Save Current Page"),
                             QStringLiteral("The page could not be saved to\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(strPath), strError));
    }
}

bool CLenvaraDlg::PrepareReport(SReportContent& content)
{
    // A loaded record alone proves nothing: a failed calculation with a known model
    // loads it too. The report prints only what this recalculation produced.
    const SCalculation result = Recalculate();
    if (!result.Succeeded())
        return false;
    if (m_dlgPrintInfo.DoModal() != QDialog::Accepted)
        return false;
    content = ReportContent(m_app, result);
    return true;
}

QImage CLenvaraDlg::TakeReportSnapshot(const QString& strPath)
{
    CGLWnd* pPreview = GetPreview();
    if (!pPreview)
    {
        QFile::remove(strPath);
        return {};
    }
    // SaveSnapshot removes the file when either step fails; the capture is kept
    // when only the writing failed, and the page shows it.
    const QRect rect(QPoint(0, 0), GetControlRect(this, kIdPreviewPlace).size());
    if (!m_capture.SaveSnapshot(*pPreview, rect, strPath) && !m_capture.GetBlock().IsEmpty())
        DebugTrace("Snapshot file could not be written\n");
    return m_capture.ToImage();
}

void CLenvaraDlg::OnPrintCurrentPage()
{
    SReportContent content;
    if (!PrepareReport(content))
        return;
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPrinter(printer);
    CPrintJob job(printer);
    if (!job.DoPrintDialog(this))
        return;
    // The capture comes before the job: drawing the page only shows it.
    content.imgSnapshot = TakeReportSnapshot(content.strSnapshotPath);
    if (PrintReportJob(job, content))
        return;
    DebugTrace("Printing the report failed\n");
    // "Print to File": the file could not be written, and the user is told why.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        QMessageBox::warning(this, QStringLiteral("Print Current Page"),
                             ReportFileFailure(printer.outputFileName(), job.GetErrorString()));
}

void CLenvaraDlg::OnPrintPreview()
{
    SReportContent content;
    if (!PrepareReport(content))
        return;
    content.imgSnapshot = TakeReportSnapshot(content.strSnapshotPath);
    PreviewReport(this, content);
}

void CLenvaraDlg::OnExportPdf()
{
    SReportContent content;
    if (!PrepareReport(content))
        return;
    QFileDialog dialog(this, QStringLiteral("Export Report as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString strPath = dialog.selectedFiles().constFirst();
    content.imgSnapshot = TakeReportSnapshot(content.strSnapshotPath);
    QString strError;
    if (!ExportReportPdf(strPath, DefaultReportPageSetup(), content, &strError))
        QMessageBox::warning(this, QStringLiteral("Export Report as PDF"),
                             ReportFileFailure(strPath, strError));
}
