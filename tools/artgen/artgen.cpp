// Artwork generator: draws every picture the program carries (projector pictures, the
// maker's logo for dialogs and for the report, the program icon and the three mouse-mode
// cursors of the 3D views) with anti-aliased vector drawing and writes them into res/,
// together with the desktop entry.
// Inputs: the output directory (res/, whose bitmaps/, icons/ and cursors/ folders must
// exist), optionally a path for a contact sheet PNG.
// The generated files are committed; the program's build never runs this tool.
//
// Build and run from the repository root (a standalone project, not part of the main build):
//   cmake -S tools/artgen -B build-artgen && cmake --build build-artgen
//   QT_QPA_PLATFORM=offscreen build-artgen/artgen res [art_sheet.png]
// or without CMake:
//   mkdir -p build-artgen && cd build-artgen
//   g++ -std=c++20 -O2 -fPIC ../tools/artgen/*.cpp $(pkg-config --cflags --libs Qt6Gui) -o artgen
//   QT_QPA_PLATFORM=offscreen ./artgen ../res [art_sheet.png]

#include "ArtCommon.h"
#include "Cursors.h"
#include "LogoIcon.h"
#include "Projector.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace
{
using namespace artgen;

QImage ContactSheet(const std::vector<QImage>& pictures, const QImage& logo135,
                    const QImage& logo138, const QImage& icon, const QImage& icon48,
                    const std::vector<QImage>& cursors)
{
    const int cols = 5;
    const int cellW = 250, cellH = 240;
    const int rows = int((pictures.size() + cols - 1) / cols);
    QImage sheet(cols * cellW + 20, rows * cellH + 520, QImage::Format_RGB32);
    sheet.fill(QColor(239, 239, 239));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = 0; i < pictures.size(); ++i)
    {
        const int x = 10 + int(i % cols) * cellW;
        const int y = 10 + int(i / cols) * cellH;
        p.drawImage(QRect(x, y, 240, 230), pictures[i]);
    }
    int y = 20 + rows * cellH;
    // logo as the dialogs draw it: green keyed out over the dialog grey
    auto keyed = [](const QImage& src)
    {
        QImage out = src.convertToFormat(QImage::Format_ARGB32);
        for (int yy = 0; yy < out.height(); ++yy)
        {
            QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(yy));
            for (int x = 0; x < out.width(); ++x)
                if ((line[x] & 0xFFFFFF) == 0x00FF00)
                    line[x] = 0;
        }
        return out;
    };
    const QImage k = keyed(logo135);
    p.drawImage(QRect(10, y, 175, 70), k);
    p.drawImage(QRect(200, y, 130, 50), k);
    p.drawImage(QRect(350, y, 400, 160), logo135);
    p.drawImage(QRect(770, y, 385, 162), logo138);
    y += 180;
    QImage checker(256, 256, QImage::Format_RGB32);
    {
        QPainter c(&checker);
        for (int yy = 0; yy < 256; yy += 16)
            for (int xx = 0; xx < 256; xx += 16)
                c.fillRect(xx, yy, 16, 16,
                           ((xx + yy) / 16) % 2 ? QColor(200, 200, 200) : QColor(255, 255, 255));
    }
    p.drawImage(10, y, checker);
    p.drawImage(10, y, icon);
    p.fillRect(280, y, 64, 64, QColor(60, 60, 60));
    p.drawImage(288, y + 8, icon48);
    p.fillRect(280, y + 80, 64, 64, QColor(250, 250, 250));
    p.drawImage(288, y + 88, icon48);
    int x = 380;
    for (const QImage& c : cursors)
    {
        p.fillRect(x, y, 128, 128, QColor(120, 160, 200));
        p.drawImage(QRect(x, y, 128, 128), c);
        p.fillRect(x, y + 140, 40, 40, QColor(250, 250, 250));
        p.drawImage(x + 4, y + 144, c);
        p.fillRect(x + 50, y + 140, 40, 40, QColor(30, 30, 30));
        p.drawImage(x + 54, y + 144, c);
        x += 150;
    }
    p.end();
    return sheet;
}

bool WriteDesktopEntry(const QString& res)
{
    return WriteText(res + QStringLiteral("/lenvara.desktop"),
                     "[Desktop Entry]\n"
                     "Type=Application\n"
                     "Name=Lenvara Calculator\n"
                     "GenericName=Projection Calculator\n"
                     "Comment=Plan a video projector installation: screen size, throw distance, "
                     "brightness and lens shift\n"
                     "Exec=lenvara\n"
                     "Icon=lenvara\n"
                     "Terminal=false\n"
                     "Categories=Utility;Calculator;\n");
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: artgen <res-dir> [contact-sheet.png]\n");
        return 2;
    }
    const QString res = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    std::vector<QImage> pictures;
    for (const SDesign& d : Designs())
    {
        pictures.push_back(DrawProjector(d));
        ok &= WriteBmp24(pictures.back(), QStringLiteral("%1/bitmaps/%2.bmp").arg(res).arg(d.nId));
    }

    const QImage logoDialog = FlattenLogo(DrawLogoArgb(400, 160), QColor(239, 239, 239), true);
    ok &= WriteBmp24(logoDialog, res + QStringLiteral("/bitmaps/135.bmp"));
    const QImage logoReport = FlattenLogo(DrawLogoArgb(385, 162), Qt::white, false);
    ok &= WriteBmp24(logoReport, res + QStringLiteral("/bitmaps/138.bmp"));

    const QImage icon = DrawIcon(256);
    const QImage icon48 = DrawIcon(48);
    ok &= icon.convertToFormat(QImage::Format_ARGB32)
              .save(res + QStringLiteral("/icons/128.png"), "PNG");
    ok &= icon48.convertToFormat(QImage::Format_ARGB32)
              .save(res + QStringLiteral("/icons/128-48.png"), "PNG");

    // the desktop's icon theme folders: hicolor/<n>x<n>/apps and a scalable drawing
    for (int n : {16, 32, 48, 64, 128, 256})
    {
        const QString dir = QStringLiteral("%1/icons/hicolor/%2x%2/apps").arg(res).arg(n);
        ok &= QDir().mkpath(dir);
        ok &= DrawIcon(n).convertToFormat(QImage::Format_ARGB32).save(dir + "/lenvara.png", "PNG");
    }
    const QString scalable = res + QStringLiteral("/icons/hicolor/scalable/apps");
    ok &= QDir().mkpath(scalable);
    ok &= WriteText(scalable + QStringLiteral("/lenvara.svg"), IconSvg());

    const std::vector<QImage> cursors = DrawCursors();
    const int cursorIds[] = {143, 145, 146};
    for (int i = 0; i < 3; ++i)
        ok &= cursors[size_t(i)]
                  .convertToFormat(QImage::Format_ARGB32)
                  .save(QStringLiteral("%1/cursors/%2.png").arg(res).arg(cursorIds[i]), "PNG");
    ok &= WriteDesktopEntry(res);

    if (argc > 2)
        ok &= ContactSheet(pictures, logoDialog, logoReport, icon, icon48, cursors)
                  .save(QString::fromLocal8Bit(argv[2]), "PNG");
    if (!ok)
        std::fprintf(stderr, "artgen: could not write every file\n");
    return ok ? 0 : 1;
}
