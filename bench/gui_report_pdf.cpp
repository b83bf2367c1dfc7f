// Time of the printed report: the whole one-page report drawn into a PDF file at
// 600 dpi (ExportReportPdf: boxes, fonts, texts, the three pictures, the file
// written beside and renamed), against two pages in the same run:
// - an empty PDF page at 600 dpi with the same three pictures loaded and drawn;
// - the floor: the report's texts in its three faces (regular, bold, italic) and
//   the three pictures drawn straight with QPainter into the same PDF writer
//   (QPdfWriter into memory, the file saved whole), with no box tree. Every page
//   with text pays the embedding of its faces; this one pays nothing else.
// Prints the medians and both ratios. "--keep FILE" also writes one report there
// and the floor's page beside it (FILE.floor.pdf).
// Run it under an X server (xvfb-run), as the program's fonts come with the GUI.
#include "app/LenvaraApp.h"
#include "platform/PainterDC.h"
#include "platform/PrintJob.h"
#include "print/DIBSectionLite.h"
#include "print/ReportJob.h"

#include <QApplication>
#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F> double Milliseconds(F run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// The empty page: the same printer set-up, the three pictures at sizes like the
// report's (logo, model picture, snapshot), nothing else.
bool ImagesOnly(const QString& strPath, int nPictureId, const QString& strSnapshot)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(strPath);
    CPrintJob job(printer);
    if (job.StartDoc(QStringLiteral("images")) <= 0 || job.StartPage() <= 0)
        return false;
    CDC& dc = *job.GetDC();
    CDIBSectionLite logo, picture, snapshot;
    if (logo.SetBitmap(138))
        logo.Stretch(dc, QPoint(300, 300), QSize(1100, 460));
    if (picture.SetBitmap(nPictureId))
        picture.Stretch(dc, QPoint(3000, 2200), QSize(650, 650));
    if (snapshot.Load(strSnapshot))
        snapshot.Stretch(dc, QPoint(600, 2900), QSize(1800, 1540));
    return job.EndPage() > 0 && job.EndDoc() > 0;
}
// One text of the report page: where it starts (device pixels at 600 dpi), its face
// (0 regular, 1 bold, 2 italic) and its size in points.
struct SFloorText
{
    int nX, nY, nFace, nPoints;
    const char* pszText;
};

// The report page's texts as the report prints them for the distance page.
// clang-format off
const SFloorText kFloorTexts[] = {
    {2700, 300, 1, 10, "Dealer:"}, {2700, 400, 0, 10, "Dealer & Sons 100%"},
    {2700, 500, 0, 10, "Main Street 1"}, {150, 800, 1, 20, "Tarsio Lenvara Calculator"},
    {2700, 900, 1, 10, "Customer:"}, {2700, 1000, 0, 10, "Anna Meyer"},
    {150, 1200, 1, 12, "Date:"}, {150, 1300, 0, 12, "12/10/2026 13:52:30"},
    {150, 1650, 1, 12, "Model:"}, {150, 1750, 0, 12, "Kelda W1"},
    {2700, 2100, 1, 10, "Glossary:"},
    {2700, 2300, 2, 10, "- W:"}, {3100, 2300, 2, 10, "Screen Width"},
    {2700, 2400, 2, 10, "- H:"}, {3100, 2400, 2, 10, "Screen Height"},
    {2700, 2500, 2, 10, "- WA:"}, {3100, 2500, 2, 10, "Wide Angle"},
    {2700, 2600, 2, 10, "- TP:"}, {3100, 2600, 2, 10, "Tele Photo"},
    {2700, 2700, 2, 10, "- P_WA:"}, {3100, 2700, 2, 10, "Pj. distance (WA)"},
    {2700, 2800, 2, 10, "- P_TP:"}, {3100, 2800, 2, 10, "Pj. distance (TP)"},
    {150, 4600, 1, 12, "Units:"}, {2700, 4600, 0, 12, "Meters"},
    {150, 4720, 1, 12, "Screen Aspect Ratio:"}, {2700, 4720, 0, 12, "16:9"},
    {150, 5000, 0, 12, "- Screen Width:"}, {2700, 5000, 0, 12, "3.00"},
    {150, 5120, 0, 12, "- Screen Height:"}, {2700, 5120, 0, 12, "1.69"},
    {150, 5240, 0, 12, "- Screen Diagonal:"}, {2700, 5240, 0, 12, "3.44"},
    {150, 5360, 1, 12, "- PROJECTION DISTANCE:"},
    {2700, 5360, 1, 12, "from 4.11 (WA) to 4.98 (TP)"},
    {2700, 5700, 0, 12, "Price:  1 200 EUR"}, {150, 6200, 1, 12, "Notes:"},
    {150, 6320, 0, 10, "ceiling mount 2.5 m, cable run along the left wall, see plan"}};
// clang-format on

// The floor: the texts and the three pictures drawn straight into the PDF writer.
bool TextsAndImages(const QString& strPath, int nPictureId, const QString& strSnapshot)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("floor"));
    writer.setCreator(QStringLiteral("Lenvara Calculator " LENVARA_VERSION));
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    QFont faces[3] = {QFont(QStringLiteral("Arial")), QFont(QStringLiteral("Arial")),
                      QFont(QStringLiteral("Arial"))};
    faces[1].setBold(true);
    faces[2].setItalic(true);
    for (const SFloorText& text : kFloorTexts)
    {
        QFont font = faces[text.nFace];
        font.setPixelSize(600 * text.nPoints / 72);
        painter.setFont(font);
        painter.drawText(text.nX, text.nY, QString::fromLatin1(text.pszText));
    }
    painter.drawImage(QRect(300, 1400, 1100, 460), QImage(QStringLiteral(":/bitmaps/138.bmp")));
    painter.drawImage(QRect(3000, 2200, 650, 650),
                      QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(nPictureId)));
    painter.drawImage(QRect(600, 2900, 1800, 1540), QImage(strSnapshot));
    if (!painter.end())
        return false;
    QSaveFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(buffer.data()) == buffer.size() &&
           file.commit();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;

    CLenvaraApp engine;
    const TarsioDisplayOptions options{1, 0, 0, 1, 0, 0};
    float fWidth = 3.0f, fHeight = 0.0f, fDiagonal = 0.0f, fDistWide = 0.0f, fDistTele = 0.0f,
          fLumWide = 0.0f, fLumTele = 0.0f;
    if (!engine.CalcDistance("Kelda W1", 1, options, fWidth, fHeight, fDiagonal, fDistWide,
                             fDistTele, fLumWide, fLumTele, 1.0f))
    {
        std::fprintf(stderr, "gui_report_pdf: calculation failed\n");
        return 1;
    }
    engine.SetDealer1("Dealer & Sons 100%");
    engine.SetDealer2("Main Street 1");
    engine.SetCustomer1("Anna Meyer");
    engine.SetQuotation("1 200 EUR");
    engine.SetNotes("ceiling mount 2.5 m, cable run along the left wall, see plan");
    SReportContent content = ReportContent(engine, 0);
    // A snapshot of the preview's size, as the print command writes it.
    content.strSnapshotPath = dir.filePath("ogl.bmp");
    QImage snapshot(226, 193, QImage::Format_RGB888);
    snapshot.fill(Qt::white);
    {
        QPainter painter(&snapshot);
        painter.setPen(Qt::red);
        painter.drawLine(10, 10, 200, 180);
    }
    snapshot.save(content.strSnapshotPath, "BMP");
    content.imgSnapshot = snapshot;

    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--keep") == 0)
        {
            ExportReportPdf(QString::fromLocal8Bit(argv[i + 1]), 600, content);
            TextsAndImages(QString::fromLocal8Bit(argv[i + 1]) + QStringLiteral(".floor.pdf"),
                           content.nPictureId, content.strSnapshotPath);
        }

    const QString strReport = dir.filePath("report.pdf");
    const QString strImages = dir.filePath("images.pdf");
    const QString strFloor = dir.filePath("floor.pdf");
    constexpr int kRounds = 15;
    std::vector<double> vReport, vImages, vFloor;
    bool bOk = ExportReportPdf(strReport, 600, content) &&
               ImagesOnly(strImages, content.nPictureId, content.strSnapshotPath) &&
               TextsAndImages(strFloor, content.nPictureId, content.strSnapshotPath); // warm-up
    for (int i = 0; i < kRounds && bOk; ++i)
    {
        vReport.push_back(
            Milliseconds([&] { bOk = bOk && ExportReportPdf(strReport, 600, content); }));
        vImages.push_back(Milliseconds(
            [&]
            { bOk = bOk && ImagesOnly(strImages, content.nPictureId, content.strSnapshotPath); }));
        vFloor.push_back(Milliseconds(
            [&] {
                bOk = bOk && TextsAndImages(strFloor, content.nPictureId, content.strSnapshotPath);
            }));
    }
    if (!bOk)
    {
        std::fprintf(stderr, "gui_report_pdf: a PDF could not be written\n");
        return 1;
    }
    const double dReport = Median(vReport);
    const double dImages = Median(vImages);
    const double dFloor = Median(vFloor);
    std::printf("report page (600 dpi PDF):        %8.2f ms (median of %d)\n", dReport, kRounds);
    std::printf("empty page with the three images: %8.2f ms (median of %d)\n", dImages, kRounds);
    std::printf("texts and images, no boxes:       %8.2f ms (median of %d)\n", dFloor, kRounds);
    std::printf("ratio to the empty page:          %8.2f\n", dReport / dImages);
    std::printf("ratio to the texts and images:    %8.2f\n", dReport / dFloor);
    return 0;
}
