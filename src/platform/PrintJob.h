// A print job on a QPrinter: the print dialog, then the document's lifecycle
// mapped onto a QPainter on the printer. StartDoc begins the painter (which opens
// the first page), StartPage opens every later page with QPrinter::newPage,
// EndPage closes a page, EndDoc ends the painter (the document is complete: sent
// to the printer or written to the PDF file), AbortDoc drops it. Between StartDoc
// and EndDoc/AbortDoc, GetDC draws on the current page in device pixels of the
// printer (its resolution as pixels per inch), inside GetDrawRect: (0, 0, page
// width, page height) of the printable area. Works the same on a printer set to
// PDF output by code (no dialog), which the report's PDF export and the tests use.
// Used by the print command and the report.
#pragma once

#include "platform/PainterDC.h"

#include <QPainter>
#include <QRect>
#include <QString>

#include <memory>

class QPrinter;
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
    // StartDoc fails when the printer cannot be opened (such as an unwritable PDF
    // file); EndPage and EndDoc fail when the printer reports an error.
    int StartDoc(const QString& strDocName);
    int StartPage();
    int EndPage();
    int EndDoc();
    // Ends the document without completing it: a printer that can cancel the job
    // cancels it; a PDF file is removed. 0 when the job could not be withdrawn
    // (a printer queue without cancelling: Qt has then already spooled it).
    int AbortDoc();

    // The device context of the current page; nullptr outside a document.
    CDC* GetDC() { return m_pDC.get(); }
    // (0, 0, page width, page height) in device pixels.
    QRect GetDrawRect() const;
    bool IsDocOpen() const { return m_painter.isActive(); }

private:
    // Drops the device context and ends the painter; false when ending failed.
    bool CloseDoc();

    QPrinter& m_printer;
    QPainter m_painter;
    std::unique_ptr<CPainterDC> m_pDC;
    bool m_bPageOpen = false;
    int m_nPagesEnded = 0;
};
