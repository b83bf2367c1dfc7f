#include "platform/PrintJob.h"

#include "platform/DebugTrace.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>

CPrintJob::CPrintJob(QPrinter& printer) : m_printer(printer)
{
}

CPrintJob::~CPrintJob()
{
    if (IsDocOpen())
        AbortDoc();
}

int CPrintJob::DoPrintDialog(QWidget* pParent)
{
    QPrintDialog dialog(&m_printer, pParent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

int CPrintJob::StartDoc(const QString& strDocName)
{
    if (IsDocOpen())
        return 0;
    m_printer.setDocName(strDocName);
    if (!m_painter.begin(&m_printer))
    {
        DebugTrace("Printer could not be opened\n");
        return 0;
    }
    m_pDC = std::make_unique<CPainterDC>(m_painter);
    m_bPageOpen = false;
    m_nPagesEnded = 0;
    return 1;
}

int CPrintJob::StartPage()
{
    if (!IsDocOpen() || m_bPageOpen)
        return 0;
    // The painter's begin opened the first page; every later one is a new page.
    if (m_nPagesEnded > 0 && !m_printer.newPage())
        return 0;
    m_bPageOpen = true;
    return 1;
}

int CPrintJob::EndPage()
{
    if (!IsDocOpen() || !m_bPageOpen)
        return 0;
    m_bPageOpen = false;
    ++m_nPagesEnded;
    return m_printer.printerState() == QPrinter::Error ? 0 : 1;
}

int CPrintJob::EndDoc()
{
    if (!IsDocOpen())
        return 0;
    const bool bEnded = CloseDoc();
    return bEnded && m_printer.printerState() != QPrinter::Error ? 1 : 0;
}

int CPrintJob::AbortDoc()
{
    if (!IsDocOpen())
        return 0;
    // Qt's PDF and CUPS engines cannot cancel a job: ending the painter completes
    // the document, so a PDF file is removed afterwards.
    const bool bCancelled = m_printer.abort();
    CloseDoc();
    if (bCancelled)
        return 1;
    const QString strFile = m_printer.outputFileName();
    if (!strFile.isEmpty() && (!QFile::exists(strFile) || QFile::remove(strFile)))
        return 1;
    DebugTrace("Print job could not be aborted\n");
    return 0;
}

bool CPrintJob::CloseDoc()
{
    m_pDC.reset();
    m_bPageOpen = false;
    return m_painter.end();
}

QRect CPrintJob::GetDrawRect() const
{
    return QRect(0, 0, m_printer.width(), m_printer.height());
}
