#include "platform/PrintJob.h"

#include "platform/DebugTrace.h"

#include <QBuffer>
#include <QFile>
#include <QLibrary>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include <cerrno>
#include <cmath>

#include <unistd.h>

namespace
{
// PDF file output: drawn into memory, written at the end.
bool IsPdfFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// The few calls of the CUPS library that tell a queue's default resolution, looked
// up at run time: the program does not need CUPS to run.
struct SCupsCalls
{
    using GetNamedDest = void* (*)(void*, const char*, const char*);
    using CopyDestInfo = void* (*)(void*, void*);
    using FindDestDefault = void* (*)(void*, void*, void*, const char*);
    using GetResolution = int (*)(void*, int, int*, int*);
    using FreeDestInfo = void (*)(void*);
    using FreeDests = void (*)(int, void*);

    GetNamedDest pGetNamedDest = nullptr;
    CopyDestInfo pCopyDestInfo = nullptr;
    FindDestDefault pFindDestDefault = nullptr;
    GetResolution pGetResolution = nullptr;
    FreeDestInfo pFreeDestInfo = nullptr;
    FreeDests pFreeDests = nullptr;

    bool IsComplete() const
    {
        return pGetNamedDest && pCopyDestInfo && pFindDestDefault && pGetResolution &&
               pFreeDestInfo && pFreeDests;
    }
};

const SCupsCalls& CupsCalls()
{
    static const SCupsCalls calls = []
    {
        SCupsCalls c;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return c;
        c.pGetNamedDest =
            reinterpret_cast<SCupsCalls::GetNamedDest>(library.resolve("cupsGetNamedDest"));
        c.pCopyDestInfo =
            reinterpret_cast<SCupsCalls::CopyDestInfo>(library.resolve("cupsCopyDestInfo"));
        c.pFindDestDefault =
            reinterpret_cast<SCupsCalls::FindDestDefault>(library.resolve("cupsFindDestDefault"));
        c.pGetResolution =
            reinterpret_cast<SCupsCalls::GetResolution>(library.resolve("ippGetResolution"));
        c.pFreeDestInfo =
            reinterpret_cast<SCupsCalls::FreeDestInfo>(library.resolve("cupsFreeDestInfo"));
        c.pFreeDests = reinterpret_cast<SCupsCalls::FreeDests>(library.resolve("cupsFreeDests"));
        return c;
    }();
    return calls;
}

constexpr int kIppResPerInch = 3;
constexpr int kIppResPerCm = 4;
} // namespace

int PrinterDefaultResolution(const QString& strPrinterName)
{
    const SCupsCalls& cups = CupsCalls();
    if (strPrinterName.isEmpty() || !cups.IsComplete())
        return 0;
    const QByteArray name = strPrinterName.toUtf8();
    void* pDest = cups.pGetNamedDest(nullptr, name.constData(), nullptr);
    if (!pDest)
        return 0;
    int nDpi = 0;
    if (void* pInfo = cups.pCopyDestInfo(nullptr, pDest))
    {
        if (void* pAttr = cups.pFindDestDefault(nullptr, pDest, pInfo, "printer-resolution"))
        {
            int nY = 0;
            int nUnits = 0;
            const int nX = cups.pGetResolution(pAttr, 0, &nY, &nUnits);
            if (nUnits == kIppResPerInch)
                nDpi = nX;
            else if (nUnits == kIppResPerCm)
                nDpi = static_cast<int>(std::lround(nX * 2.54));
        }
        cups.pFreeDestInfo(pInfo);
    }
    cups.pFreeDests(1, pDest);
    return nDpi > 0 ? nDpi : 0;
}

bool UsePrinterResolution(QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return false;
    const int nDpi = PrinterDefaultResolution(printer.printerName());
    if (nDpi <= 0)
        return false;
    if (printer.resolution() != nDpi)
        printer.setResolution(nDpi);
    return true;
}

CPrintJob::CPrintJob(QPrinter& printer) : m_printer(printer) {}

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

QPaintDevice& CPrintJob::Device() const
{
    if (m_pWriter)
        return *m_pWriter;
    return m_printer;
}

int CPrintJob::StartDoc(const QString& strDocName)
{
    if (IsDocOpen())
        return 0;
    m_strError.clear();
    m_printer.setDocName(strDocName);
    if (m_printer.creator().isEmpty())
        m_printer.setCreator(QStringLiteral("Lenvara Calculator " LENVARA_VERSION));
    if (IsPdfFile(m_printer))
    {
        // The file is opened now, so a place that cannot take it fails at once; it
        // gets its contents only when the document is complete.
        m_pFile = std::make_unique<QSaveFile>(m_printer.outputFileName());
        if (!m_pFile->open(QIODevice::WriteOnly))
        {
            m_strError = m_pFile->errorString();
            m_pFile.reset();
            DebugTrace("PDF file could not be created\n");
            return 0;
        }
        m_pBuffer = std::make_unique<QBuffer>();
        m_pBuffer->open(QIODevice::WriteOnly);
        m_pWriter = std::make_unique<QPdfWriter>(m_pBuffer.get());
        m_pWriter->setPdfVersion(m_printer.pdfVersion());
        m_pWriter->setTitle(strDocName);
        m_pWriter->setCreator(m_printer.creator());
        m_pWriter->setResolution(m_printer.resolution());
        m_pWriter->setPageLayout(m_printer.pageLayout());
    }
    else
        UsePrinterResolution(m_printer);
    if (!m_painter.begin(&Device()))
    {
        DebugTrace("Printer could not be opened\n");
        DropPdfFile();
        return 0;
    }
    // Pictures go into the PDF (a file's or the queue's) with their exact pixels,
    // not as JPEG: thin lines and the logo's edges would get fringes.
    m_painter.setRenderHint(QPainter::LosslessImageRendering);
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
    if (m_nPagesEnded > 0)
    {
        const bool bNew = m_pWriter ? m_pWriter->newPage() : m_printer.newPage();
        if (!bNew)
            return 0;
    }
    m_bPageOpen = true;
    return 1;
}

int CPrintJob::EndPage()
{
    if (!IsDocOpen() || !m_bPageOpen)
        return 0;
    m_bPageOpen = false;
    ++m_nPagesEnded;
    return !m_pWriter && m_printer.printerState() == QPrinter::Error ? 0 : 1;
}

int CPrintJob::EndDoc()
{
    if (!IsDocOpen())
        return 0;
    const bool bEnded = CloseDoc();
    if (m_pWriter)
    {
        const bool bWritten = bEnded && WritePdfFile();
        DropPdfFile();
        return bWritten ? 1 : 0;
    }
    return bEnded && m_printer.printerState() != QPrinter::Error ? 1 : 0;
}

int CPrintJob::AbortDoc()
{
    if (!IsDocOpen())
        return 0;
    if (m_pWriter)
    {
        // Nothing has reached the file yet.
        CloseDoc();
        DropPdfFile();
        return 1;
    }
    // Qt's CUPS engine cannot cancel a job: ending the painter completes it.
    const bool bCancelled = m_printer.abort();
    CloseDoc();
    if (bCancelled)
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

bool CPrintJob::WritePdfFile()
{
    const QByteArray& pdf = m_pBuffer->data();
    QSaveFile& file = *m_pFile;
    // A short write (a full disk, a file size limit) is written on until the system
    // refuses with its reason.
    qint64 nWritten = 0;
    while (nWritten < pdf.size())
    {
        const qint64 n = file.write(pdf.constData() + nWritten, pdf.size() - nWritten);
        if (n <= 0)
            break;
        nWritten += n;
    }
    bool bWritten = !pdf.isEmpty() && nWritten == pdf.size() && file.flush();
    if (!bWritten)
        m_strError = pdf.isEmpty() ? QStringLiteral("The PDF document could not be made.")
                                   : file.errorString();
    // Only what reached the file counts.
    else if (file.size() != pdf.size())
    {
        bWritten = false;
        m_strError = QStringLiteral("Only %1 of %2 bytes could be written.")
                         .arg(file.size())
                         .arg(pdf.size());
    }
    // On the disk before it replaces the old file.
    else if (::fsync(file.handle()) != 0)
    {
        bWritten = false;
        m_strError = qt_error_string(errno);
    }
    if (!bWritten)
    {
        file.cancelWriting();
        file.commit();
        DebugTrace("PDF file could not be written\n");
        return false;
    }
    if (!file.commit())
    {
        m_strError = file.errorString();
        DebugTrace("PDF file could not be written\n");
        return false;
    }
    return true;
}

void CPrintJob::DropPdfFile()
{
    m_pWriter.reset();
    m_pBuffer.reset();
    if (m_pFile)
        m_pFile->cancelWriting();
    m_pFile.reset();
}

QRect CPrintJob::GetDrawRect() const
{
    const QPaintDevice& device = Device();
    return QRect(0, 0, device.width(), device.height());
}
