// A print job on a QPrinter: the print dialog, then the document's lifecycle
// mapped onto a QPainter on the printer. StartDoc begins the painter (which opens
// the first page), StartPage opens every later page with a new page, EndPage closes
// a page, EndDoc ends the painter (the document is complete: sent to the printer or
// written to the PDF file), AbortDoc drops it. Between StartDoc and EndDoc/AbortDoc,
// GetDC draws on the current page in device pixels of the printer (its resolution as
// pixels per inch), inside GetDrawRect: (0, 0, page width, page height) of the
// printable area. A printer queue prints at its own default resolution.
//
// A printer set to PDF file output (by code, or "Print to File" in the print dialog)
// has its pages drawn into memory with the printer's page layout and resolution; the
// file is written at EndDoc, whole or not at all: a failed write leaves any existing
// file as it was and GetErrorString tells why. A new file gets the mode the user's
// umask gives, a replaced one keeps its mode.
// Used by the print command and the report.
#pragma once

#include "platform/PainterDC.h"

#include <QPainter>
#include <QRect>
#include <QString>

#include <memory>

class QBuffer;
class QPaintDevice;
class QPdfWriter;
class QPrinter;
class QSaveFile;
class QWidget;

class CPrintJob
{
public:
    // The printer must outlive the job. A document still open when the job is
    // destroyed is aborted.
    explicit CPrintJob(QPrinter& printer);
    ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    // The print dialog for the printer, modal over pParent: no page range, no
    // selection, no current page; copies, page size and printing to a (PDF) file
    // offered. 1 when the user chose to print (the printer then holds the choice),
    // 0 when cancelled.
    int DoPrintDialog(QWidget* pParent);

    // Each returns > 0 on success and 0 on failure (also when called out of order).
    // StartDoc fails when the printer cannot be opened (such as a PDF file that
    // cannot be created); EndPage and EndDoc fail when the printer reports an error
    // or the PDF file cannot be written whole.
    int StartDoc(const QString& strDocName);
    int StartPage();
    int EndPage();
    int EndDoc();
    // Ends the document without completing it: a printer that can cancel the job
    // cancels it; a PDF file is not written. 0 when the job could not be withdrawn
    // (a printer queue without cancelling: Qt has then already spooled it).
    int AbortDoc();

    // The device context of the current page; nullptr outside a document.
    CDC* GetDC() { return m_pDC.get(); }
    // (0, 0, page width, page height) in device pixels.
    QRect GetDrawRect() const;
    bool IsDocOpen() const { return m_painter.isActive(); }
    // Why StartDoc or EndDoc failed, in the system's words where it gives them (such
    // as "No space left on device"); empty when nothing failed or nothing was said.
    const QString& GetErrorString() const { return m_strError; }

private:
    // What the pages are drawn on: the PDF writer in memory, or the printer.
    QPaintDevice& Device() const;
    // Drops the device context and ends the painter; false when ending failed.
    bool CloseDoc();
    // Writes the PDF drawn into memory to the printer's output file; false, with
    // the reason in m_strError, when it could not be written whole.
    bool WritePdfFile();
    void DropPdfFile();

    QPrinter& m_printer;
    QPainter m_painter;
    std::unique_ptr<CPainterDC> m_pDC;
    bool m_bPageOpen = false;
    int m_nPagesEnded = 0;
    QString m_strError;
    // PDF file output only.
    std::unique_ptr<QBuffer> m_pBuffer;
    std::unique_ptr<QPdfWriter> m_pWriter;
    std::unique_ptr<QSaveFile> m_pFile;
};

// The resolution in dots per inch at which the printer queue strPrinterName prints
// by default, as its description gives it; 0 when the print system does not say
// (no such queue, or no CUPS).
int PrinterDefaultResolution(const QString& strPrinterName);

// Sets a printer queue (native output) to its default resolution; true when that is
// known. A printer with PDF output is left alone (false).
bool UsePrinterResolution(QPrinter& printer);
