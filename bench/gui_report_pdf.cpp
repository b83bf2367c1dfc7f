// Time of the printed report: the whole one-page report drawn into a PDF file at
// 600 dpi (ExportReportPdf: boxes, fonts, texts, the three pictures, the file
// written beside and renamed), against an empty PDF page at 600 dpi with the same
// three pictures loaded and drawn on it, in the same run. Prints both medians and
// their ratio. "--keep FILE" also writes one report there, to look at.
// Run it under an X server (xvfb-run), as the program's fonts come with the GUI.
#include "app/LenvaraApp.h"
#include "platform/PainterDC.h"
#include "platform/PrintJob.h"
#include "print/DIBSectionLite.h"
#include "print/ReportJob.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
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
            ExportReportPdf(QString::fromLocal8Bit(argv[i + 1]), 600, content);

    const QString strReport = dir.filePath("report.pdf");
    const QString strImages = dir.filePath("images.pdf");
    constexpr int kRounds = 15;
    std::vector<double> vReport, vImages;
    bool bOk = ExportReportPdf(strReport, 600, content) &&
               ImagesOnly(strImages, content.nPictureId, content.strSnapshotPath); // warm-up
    for (int i = 0; i < kRounds && bOk; ++i)
    {
        vReport.push_back(
            Milliseconds([&] { bOk = bOk && ExportReportPdf(strReport, 600, content); }));
        vImages.push_back(Milliseconds(
            [&]
            { bOk = bOk && ImagesOnly(strImages, content.nPictureId, content.strSnapshotPath); }));
    }
    if (!bOk)
    {
        std::fprintf(stderr, "gui_report_pdf: a PDF could not be written\n");
        return 1;
    }
    const double dReport = Median(vReport);
    const double dImages = Median(vImages);
    std::printf("report page (600 dpi PDF):        %8.2f ms (median of %d)\n", dReport, kRounds);
    std::printf("empty page with the three images: %8.2f ms (median of %d)\n", dImages, kRounds);
    std::printf("ratio:                            %8.2f\n", dReport / dImages);
    return 0;
}
