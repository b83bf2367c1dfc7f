// The user's own projectors in the program, read from XDG_DATA_HOME/lenvara: the
// model list, completion and a calculation with the worked numbers of Hall Beamer 7
// (16:9 throw 1.22 / 1.53: width 2 gives 2.44 / 3.06 m), the picture frame, the
// report's picture cell, and a file that cannot be used.
#include "DialogDriver.h"
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"

#include "app/LenvaraApp.h"
#include "core/OwnCatalogue.h"
#include "platform/Controls.h"
#include "print/Report.h"
#include "print/ReportJob.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"
#include "ui/ModelComboBox.h"
#include "ui/OwnCatalogueStart.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using D = CDialogDriver;
namespace Dlg = LenvaraDlgIds;
namespace Img = ImagePageIds;

namespace
{
constexpr QRgb kPictureColour = 0xFFC81E28; // the picture file's one colour

const char* const kCatalogue = R"({
  "lenvara-projectors": 1,
  "projectors": [
    {"name": "Hall Beamer 7", "class": "DLP",
     "panel": {"width_px": 1920, "height_px": 1200, "pitch_um": 7.6}, "lumens": 7000,
     "throw": {"16:9": [1.22, 1.53]}, "distance_m": [1.5, 25], "picture": "hall.png"},
    {"name": "Studio Lamp 2",
     "panel": {"width_px": 1280, "height_px": 800, "pitch_um": 9}, "lumens": 2500,
     "throw": {"4:3": [1.5, 1.8]}},
    {"name": "Broken Pic",
     "panel": {"width_px": 1280, "height_px": 800, "pitch_um": 9}, "lumens": 2500,
     "throw": {"4:3": [1.5, 1.8]}, "picture": "broken.png"}
  ]
})";

// The "WxH" sizes of the images in a PDF, as pdfimages lists them.
QStringList PdfImageSizes(const QString& strPdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), strPdf});
    process.waitForFinished(30000);
    QStringList sizes;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (int i = 2; i < lines.size(); ++i) // after the heading and its rule
    {
        const QStringList fields = lines[i].simplified().split(' ');
        if (fields.size() > 4)
            sizes << fields[3] + "x" + fields[4];
    }
    return sizes;
}
} // namespace

class OwnProjectorsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_dir.path().toLocal8Bit());
        QDir(m_dir.path()).mkpath(QStringLiteral("lenvara"));
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(kPictureColour);
        ASSERT_TRUE(picture.save(File("hall.png"), "PNG"));
        WriteFile("broken.png", "not a picture");
    }

    void TearDown() override
    {
        if (m_pApp)
            m_pApp->ExitInstance();
        qputenv("XDG_DATA_HOME", m_oldDataHome);
        InstallOwnProjectors({}, {}); // the next test starts with the built-in models
    }

    QString File(const char* pszName) const
    {
        return m_dir.filePath(QStringLiteral("lenvara/") + QString::fromUtf8(pszName));
    }
    void WriteFile(const char* pszName, const QByteArray& data) const
    {
        QFile file(File(pszName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    // Makes the main dialog, unless it was made already, and shows it; bActivate
    // waits for it to become the active window.
    void Start(bool bActivate = true)
    {
        if (!m_pApp)
        {
            m_pApp = std::make_unique<CLenvaraApp>();
            m_pDlg = CreateMainDialog(*m_pApp);
        }
        m_pDlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg));
        if (bActivate)
        {
            m_pDlg->activateWindow();
            (void)QTest::qWaitForWindowActive(m_pDlg, 2000);
        }
        QApplication::processEvents();
    }

    QWidget* ImagePage() const { return &m_pDlg->GetSheet()->m_pageImage; }

    QStringList ListedNames() const
    {
        QStringList names;
        for (int i = 0; i < m_pDlg->GetModelCombo()->count(); ++i)
            names << m_pDlg->GetModelCombo()->itemText(i);
        return names;
    }

    // Types part of a name, takes the first offer with Enter, and returns the name in
    // the box and the two distances the calculation wrote for width 2.
    QStringList CalculateWithOffer(const QString& strTyped)
    {
        D::Type(ImagePage(), Img::kIdWidth, QStringLiteral("2"));
        D::Type(m_pDlg, Dlg::kIdModel, strTyped);
        QAbstractItemView* pOffers = m_pDlg->GetModelCombo()->completer()->popup();
        EXPECT_TRUE(pOffers->isVisible());
        D::PressKey(pOffers, Qt::Key_Return);
        QTest::qWait(0);
        return {D::Text(m_pDlg, Dlg::kIdModel), D::Text(ImagePage(), Img::kIdDistWide),
                D::Text(ImagePage(), Img::kIdDistTele)};
    }

    QTemporaryDir m_dir;
    QByteArray m_oldDataHome;
    std::unique_ptr<CLenvaraApp> m_pApp;
    CLenvaraDlg* m_pDlg = nullptr;
};

TEST_F(OwnProjectorsTest, ListCompletionAndCalculationTakeTheOwnProjectors)
{
    WriteFile("projectors.json", kCatalogue);
    Start();
    const QStringList names = ListedNames();
    ASSERT_EQ(names.size(), 46 + 1 + 3);
    EXPECT_EQ(names.mid(46), QStringList({"", "Hall Beamer 7", "Studio Lamp 2", "Broken Pic"}));
    const QModelIndex separator = m_pDlg->GetModelCombo()->model()->index(46, 0);
    EXPECT_EQ(separator.data(Qt::AccessibleDescriptionRole).toString(), "separator");
    EXPECT_FALSE(separator.flags() & Qt::ItemIsEnabled);

    EXPECT_EQ(CalculateWithOffer(QStringLiteral("hall  b")),
              QStringList({"Hall Beamer 7", "2.44", "3.06"}));

    // The list filled again with other own projectors keeps the name in the box,
    // which it now lacks.
    std::vector<SOwnProjector> projectors = InstalledOwnCatalogue().projectors;
    projectors.erase(projectors.begin());
    InstallOwnProjectors(projectors, InstalledOwnCatalogue().szFile);
    m_pDlg->ReloadModelList();
    EXPECT_EQ(ListedNames().mid(46), QStringList({"", "Studio Lamp 2", "Broken Pic"}));
    EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdModel), QStringLiteral("Hall Beamer 7"));
    EXPECT_EQ(m_pDlg->m_nPictureId, -1);
}

TEST_F(OwnProjectorsTest, ANameTypedRightAfterStartFindsTheOwnProjectors)
{
    WriteFile("projectors.json", kCatalogue);
    StartOwnCatalogueRead(); // as the program's main() does, before the dialog
    m_pApp = std::make_unique<CLenvaraApp>();
    m_pDlg = CreateMainDialog(*m_pApp);
    // Before any event: the first key waits for the read and lists the projectors.
    ASSERT_TRUE(OwnCatalogueReadPending());
    CModelComboBox* pCombo = m_pDlg->GetModelCombo();
    pCombo->lineEdit()->selectAll();
    QTest::keyClicks(pCombo->lineEdit(), QStringLiteral("hall"));
    EXPECT_EQ(pCombo->completer()->completionCount(), 1);
    EXPECT_EQ(pCombo->completer()->currentCompletion(), QStringLiteral("Hall Beamer 7"));
    Start();
    EXPECT_EQ(CalculateWithOffer(QStringLiteral("hall")),
              QStringList({"Hall Beamer 7", "2.44", "3.06"}));
    EXPECT_FALSE(OwnCatalogueReadPending());
}

TEST_F(OwnProjectorsTest, PictureFrameShowsThePictureOrOurPlaceholder)
{
    WriteFile("projectors.json", kCatalogue);
    Start();
    const QRect rect = GetControlRect(m_pDlg, Dlg::kIdPicturePlace);
    struct SCase
    {
        const char* pszName;
        QRgb rgbCorner; // just inside the frame
        QRgb rgbCentre;
    };
    // The 4:3 picture is fitted into the frame on white; the placeholder's ground is
    // light grey with a darker drawing in the middle.
    for (const SCase& c :
         {SCase{"Hall Beamer 7", 0xFFFFFFFF, kPictureColour}, SCase{"Studio Lamp 2", 0xFFF2F2F2, 0},
          SCase{"Broken Pic", 0xFFF2F2F2, 0}})
    {
        m_pDlg->SelectPicture(c.pszName);
        const QImage frame = m_pDlg->grab(rect).toImage();
        EXPECT_EQ(frame.pixel(4, 4), c.rgbCorner) << c.pszName;
        const QRgb rgbCentre = frame.pixel(frame.width() / 2, frame.height() / 2);
        if (c.rgbCentre)
            EXPECT_EQ(rgbCentre, c.rgbCentre) << c.pszName;
        else
            EXPECT_LT(qGray(rgbCentre), 0xE0) << c.pszName;
    }
}

TEST_F(OwnProjectorsTest, ReportPrintsTheOwnPictureAndLeavesTheCellEmptyWithoutOne)
{
    WriteFile("projectors.json", kCatalogue);
    Start();
    for (const char* pszName : {"Hall Beamer 7", "Studio Lamp 2"})
    {
        D::Type(m_pDlg, Dlg::kIdModel, QString::fromUtf8(pszName));
        m_pDlg->GetModelCombo()->completer()->popup()->hide();
        D::Type(ImagePage(), Img::kIdWidth, QStringLiteral("2"));
        const SCalculation result = m_pDlg->Recalculate();
        ASSERT_TRUE(result.Succeeded()) << pszName;
        const QString strPdf = m_dir.filePath(QStringLiteral("report.pdf"));
        ASSERT_EQ(ExportReportPdf(strPdf, 300, ReportContent(*m_pApp, result)), 1);
        // The logo, and the picture where there is one (no preview snapshot here).
        EXPECT_EQ(PdfImageSizes(strPdf),
                  pszName[0] == 'H' ? QStringList({"385x162", "64x48"}) : QStringList({"385x162"}))
            << pszName;
    }
}

TEST_F(OwnProjectorsTest, AFileThatCannotBeUsedIsToldOnceAndLeftAlone)
{
    QByteArray bad(kCatalogue);
    bad.replace("\"pitch_um\": 7.6", "\"pitch_um\": 700");
    WriteFile("projectors.json", bad);
    QStringList messages;
    const int nShown = D::HandleModals(
        [&]
        {
            Start(false); // the message box takes the focus
            m_pDlg->repaint();
            QTest::qWait(50);
        },
        {[&](QWidget* pModal)
         {
             messages << pModal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
             pModal->close();
         }});
    EXPECT_EQ(nShown, 1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(File("projectors.json") +
                                     QStringLiteral(": projector 1 (\"Hall Beamer 7\"), "
                                                    "panel.pitch_um: ")))
        << messages[0].toStdString();
    EXPECT_EQ(ListedNames().size(), 46);
    QFile file(File("projectors.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bad);
    EXPECT_EQ(QDir(m_dir.filePath("lenvara")).entryList(QDir::Files),
              QStringList({"broken.png", "hall.png", "projectors.json"}));
}
