// The "Projector Models" dialog as a person uses it, on a catalogue file in a folder
// of the test's own (XDG_DATA_HOME): typing a projector shows the values that follow
// from it, OK saves the whole list and keeps the previous file, a bad field refuses
// OK, Cancel leaves the file as it was, an import takes a CSV file whole or not at all.
#include "DialogDriver.h"
#include "ProjectorModelsDlgIds.h"

#include "core/OwnCatalogue.h"
#include "ui/ProjectorModelsDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

using D = CDialogDriver;
using namespace ProjectorModelsDlgIds;

namespace
{
constexpr const char* kCatalogue = R"({"lenvara-projectors": 1, "projectors": [
  {"name": "Pocket 1", "panel": {"width_px": 1280, "height_px": 800, "pitch_um": 5.4},
   "lumens": 500, "throw": {"16:9": [1.2, 1.2]}},
  {"name": "Studio Lens 2", "panel": {"width_px": 1920, "height_px": 1080, "pitch_um": 10.8},
   "lumens": 2000, "throw": {"16:9": [1.37, 1.6600000000000001]},
   "lens": {"radius_mm": 15.58, "h_offsets_mm": [0, 0], "v_offsets_mm": [-0.61, 5.8]}}]})";

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& strPath, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

void SelectRow(QWidget* pDlg, int nRow)
{
    auto* pList = qobject_cast<QListWidget*>(D::Control(pDlg, kIdList));
    ASSERT_NE(pList, nullptr);
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier,
                      pList->visualItemRect(pList->item(nRow)).center());
}

int RowCount(QWidget* pDlg)
{
    return qobject_cast<QListWidget*>(D::Control(pDlg, kIdList))->count();
}

// The reason an edit is marked with; empty when it is not marked.
QString MarkOf(QWidget* pDlg, int nId)
{
    QWidget* pEdit = D::Control(pDlg, nId);
    return pEdit->property("lenvaraWarning").toBool() ? pEdit->toolTip() : QString();
}

class ProjectorModelsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const char* pszOld = std::getenv("XDG_DATA_HOME");
        m_bHadXdg = pszOld != nullptr;
        m_szOldXdg = pszOld ? pszOld : "";
        ::setenv("XDG_DATA_HOME", m_dir.path().toUtf8().constData(), 1);
        m_strFile = m_dir.filePath("lenvara/projectors.json");
        InstallOwnProjectors({}, "");
    }
    void TearDown() override
    {
        InstallOwnProjectors({}, "");
        if (m_bHadXdg)
            ::setenv("XDG_DATA_HOME", m_szOldXdg.c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
    }

    // Runs the dialog with one handler, which is to close it; whether it saved.
    bool Run(const std::function<void(QWidget*)>& handler)
    {
        bool bSaved = false;
        EXPECT_EQ(
            D::HandleModals([&] { bSaved = CProjectorModelsDialog::Run(nullptr); }, {handler}), 1);
        return bSaved;
    }

    QTemporaryDir m_dir;
    QString m_strFile;
    bool m_bHadXdg = false;
    std::string m_szOldXdg;
};
} // namespace

TEST_F(ProjectorModelsDialogTest, AddEditRemoveThenOkSavesTheWholeListAndKeepsTheOldFile)
{
    WriteAll(m_strFile, kCatalogue);
    ASSERT_FALSE(LoadOwnCatalogue("").has_value());
    const bool bSaved = Run(
        [&](QWidget* pDlg)
        {
            D::Click(pDlg, kIdAdd);
            const std::pair<int, const char*> typed[] = {
                {kIdName, "Hall Beamer 7"}, {kIdClass, "DLP"},         {kIdWidth, "1920"},
                {kIdHeight, "1200"},        {kIdPitch, "7.6"},         {kIdLumens, "7000"},
                {kIdThrow169Wide, "1.22"},  {kIdThrow169Tele, "1.53"}, {kIdShiftUp, "55"},
                {kIdShiftDown, "10"},       {kIdShiftLeft, "20"},      {kIdShiftRight, "20"},
                {kIdDistanceMin, "1.5"},    {kIdDistanceMax, "25"}};
            for (const auto& [nId, pszText] : typed)
                D::Type(pDlg, nId, QString::fromUtf8(pszText));
            // 4:3 is narrower than the 16:10 panel: pillar-boxed, 1.22 x 1.6 / (4/3);
            // 2.35:1 is wider: letter-boxed, the panel-filling pair. The angles are
            // atan(travel / (14.592 mm x throw)): up 0.55 x 9.12 mm, down 0.1 x 9.12 mm,
            // each side 0.2 x 14.592 mm.
            const char* const pszDerived[] = {"1.46", "1.84",  "1.22",  "1.53", "1.22",
                                              "1.53", "15.74", "12.66", "2.93", "2.34",
                                              "9.31", "7.45",  "9.31",  "7.45"};
            for (int i = 0; i < 14; ++i)
                EXPECT_EQ(D::Text(pDlg, kIdFirstUsedThrow + i), QString::fromUtf8(pszDerived[i]))
                    << i;
            for (int nId = kIdFirstField; nId <= kIdPicture; ++nId)
                EXPECT_EQ(MarkOf(pDlg, nId), QString()) << nId;
            // A picture inside the catalogue's folder is kept relative to it.
            const QString strPicture = m_dir.filePath("lenvara/pictures/hall.PNG");
            WriteAll(strPicture, "");
            EXPECT_EQ(D::HandleModals(
                          [&] { D::Click(pDlg, kIdChoosePicture); },
                          {[&](QWidget* pModal) { D::AnswerFileDialog(pModal, strPicture); }}),
                      1);
            EXPECT_EQ(D::Text(pDlg, kIdPicture), "pictures/hall.PNG");

            SelectRow(pDlg, 1); // the one with lens fields: they stay as the file gives them
            EXPECT_EQ(D::Text(pDlg, kIdName), "Studio Lens 2");
            D::Type(pDlg, kIdLumens, QStringLiteral("2500"));
            SelectRow(pDlg, 0);
            D::Click(pDlg, kIdRemove);
            EXPECT_EQ(RowCount(pDlg), 2);
            EXPECT_EQ(D::Text(pDlg, kIdName), "Studio Lens 2");
            D::Click(pDlg, kIdOk);
        });
    EXPECT_TRUE(bSaved);
    EXPECT_EQ(ReadAll(m_strFile + ".bak"), QByteArray(kCatalogue));
    const SCatalogueRead read = ReadProjectorCatalogue(m_strFile.toStdString());
    ASSERT_FALSE(read.error.has_value()) << FormatCatalogueError(*read.error);
    ASSERT_EQ(read.projectors.size(), 2u);
    // Everything of the edited projector but its lumens comes back exactly, its lens
    // fields (which the dialog does not edit) too.
    SOwnProjector studio = ParseProjectorCatalogue(kCatalogue, "").projectors.at(1);
    studio.dLumens = 2500;
    EXPECT_EQ(read.projectors[0], studio);
    SOwnProjector hall;
    hall.szName = "Hall Beamer 7";
    hall.szClass = "DLP";
    hall.nWidthPx = 1920;
    hall.nHeightPx = 1200;
    hall.dPitchUm = 7.6;
    hall.dLumens = 7000;
    hall.throws[1] = SThrowPair{1.22, 1.53};
    hall.shift = SShiftPercent{55, 10, 20, 20, EShiftOf::Image};
    hall.distance = SDistanceRange{1.5, 25};
    hall.szPicture = "pictures/hall.PNG";
    EXPECT_EQ(read.projectors[1], hall);
    EXPECT_EQ(InstalledOwnCatalogue().projectors, read.projectors);
}

TEST_F(ProjectorModelsDialogTest, BadFieldIsMarkedAndRefusesOkAndCancelLeavesTheFile)
{
    WriteAll(m_strFile, kCatalogue);
    ASSERT_FALSE(LoadOwnCatalogue("").has_value());
    struct SBad
    {
        int nId;
        const char* pszText;
        const char* pszReason;
        const char* pszGood;
    };
    const SBad bad[] = {
        {kIdPitch, "200", "must be from 1 to 100", "5.4"},
        {kIdWidth, "1280.5", "must be a whole number from 1 to 16384", "1280"},
        {kIdLumens, "7,000", "must be a number, such as 7.6", "500"},
        {kIdThrow43Wide, "1.6", "give both the wide and the tele ratio, or neither", ""},
        {kIdName, "studio  LENS 2", "is the name of projector 2 (\"Studio Lens 2\") already",
         "Pocket 1"},
        {kIdName, "Kelda W1", "is the name of the built-in model \"Kelda W1\"", "Pocket 1"},
    };
    const bool bSaved = Run(
        [&](QWidget* pDlg)
        {
            for (const SBad& c : bad)
            {
                D::Type(pDlg, c.nId, QString::fromUtf8(c.pszText));
                const int nMarked = c.nId == kIdThrow43Wide ? kIdThrow43Tele : c.nId;
                EXPECT_EQ(MarkOf(pDlg, nMarked), QString::fromUtf8(c.pszReason)) << c.pszText;
                D::Click(pDlg, kIdOk);
                EXPECT_TRUE(pDlg->isVisible()) << c.pszText;
                EXPECT_TRUE(D::Text(pDlg, kIdStatus).endsWith(QString::fromUtf8(c.pszReason)))
                    << D::Text(pDlg, kIdStatus).toStdString();
                D::Type(pDlg, c.nId, QString::fromUtf8(c.pszGood));
                EXPECT_EQ(MarkOf(pDlg, nMarked), QString()) << c.pszText;
            }
            D::Click(pDlg, kIdAdd); // a change that Cancel drops
            D::Click(pDlg, kIdCancel);
        });
    EXPECT_FALSE(bSaved);
    EXPECT_EQ(ReadAll(m_strFile), QByteArray(kCatalogue));
    EXPECT_FALSE(QFile::exists(m_strFile + ".bak"));
    EXPECT_EQ(InstalledOwnCatalogue().projectors.size(), 2u);
}

TEST_F(ProjectorModelsDialogTest, ImportTakesAGoodCsvWholeAndABadOneNotAtAll)
{
    // A file that cannot be used: the dialog starts empty, says so, and only OK
    // replaces the file, keeping it as .bak.
    const QByteArray bad("{\"lenvara-projectors\": 1, \"projectors\": [{\"name\": 5}]}");
    WriteAll(m_strFile, bad);
    const QString strBadCsv = m_dir.filePath("bad.csv");
    WriteAll(strBadCsv, "name,width_px,height_px,pitch_um,lumens,throw_16_9_wide,throw_16_9_tele\n"
                        "Hall Beamer 7,1920,1200,7.6,7000,1.22,1.53\n"
                        "Hall Beamer 8,1920,1200,abc,7000,1.22,1.53\n"
                        "Kelda W1,1920,1080,10.8,2000,1.37,1.66\n");
    const QString strGoodCsv = m_dir.filePath("good.csv");
    WriteAll(strGoodCsv, "name;width_px;height_px;pitch_um;lumens;throw_16_9_wide;throw_16_9_tele\n"
                         "Hall Beamer 7;1920;1200;7,6;7000;1,22;1,53\n"
                         "Hall Beamer 8;1920;1080;10.8;2000;1.37;1.66\n");
    const bool bSaved = Run(
        [&](QWidget* pDlg)
        {
            EXPECT_TRUE(D::Text(pDlg, kIdStatus).contains("cannot be used"));
            EXPECT_EQ(RowCount(pDlg), 0);
            QString strErrors;
            EXPECT_EQ(
                D::HandleModals([&] { D::Click(pDlg, kIdImport); },
                                {[&](QWidget* pModal) { D::AnswerFileDialog(pModal, strBadCsv); },
                                 [&](QWidget* pModal)
                                 {
                                     if (auto* pText = pModal->findChild<QPlainTextEdit*>())
                                         strErrors = pText->toPlainText();
                                     pModal->close();
                                 }}),
                2);
            EXPECT_EQ(strErrors, "line 3, pitch_um: must be a number\n"
                                 "line 4, name: is the name of the built-in model \"Kelda W1\"");
            EXPECT_EQ(RowCount(pDlg), 0);

            EXPECT_EQ(D::HandleModals([&] { D::Click(pDlg, kIdImport); }, {[&](QWidget* pModal) {
                                          D::AnswerFileDialog(pModal, strGoodCsv);
                                      }}),
                      1);
            EXPECT_EQ(RowCount(pDlg), 2);
            EXPECT_EQ(D::Text(pDlg, kIdStatus), "Imported 2 projectors from good.csv.");
            EXPECT_EQ(D::Text(pDlg, kIdPitch), "7.6");
            D::Click(pDlg, kIdOk);
        });
    EXPECT_TRUE(bSaved);
    EXPECT_EQ(ReadAll(m_strFile + ".bak"), bad);
    const SCatalogueRead read = ReadProjectorCatalogue(m_strFile.toStdString());
    ASSERT_EQ(read.projectors.size(), 2u);
    EXPECT_EQ(read.projectors[1].szName, "Hall Beamer 8");
}

TEST_F(ProjectorModelsDialogTest, TabWalksTheListItsButtonsAndTheFieldsTopToBottom)
{
    WriteAll(m_strFile, kCatalogue);
    ASSERT_FALSE(LoadOwnCatalogue("").has_value());
    // Pocket 1 has no lens fields, so its convention buttons take the focus too;
    // the derived values never do.
    const int expected[] = {
        kIdAdd,           kIdDuplicate,   kIdRemove,       kIdImport,       kIdName,
        kIdClass,         kIdWidth,       kIdHeight,       kIdPitch,        kIdLumens,
        kIdThrow43Wide,   kIdThrow43Tele, kIdThrow169Wide, kIdThrow169Tele, kIdThrow235Wide,
        kIdThrow235Tele,  kIdOfImage,     kIdOfHalfImage,  kIdShiftUp,      kIdShiftDown,
        kIdShiftLeft,     kIdShiftRight,  kIdDistanceMin,  kIdDistanceMax,  kIdPicture,
        kIdChoosePicture, kIdOk,          kIdCancel,       kIdList};
    Run(
        [&](QWidget* pDlg)
        {
            (void)QTest::qWaitForWindowActive(pDlg, 2000);
            EXPECT_EQ(QApplication::focusWidget(), D::Control(pDlg, kIdList));
            for (int nId : expected)
            {
                D::PressTab(pDlg);
                EXPECT_EQ(QApplication::focusWidget(), D::Control(pDlg, nId)) << nId;
            }
            D::Click(pDlg, kIdCancel);
        });
}

TEST_F(ProjectorModelsDialogTest, ShiftOutlineFromTheFileGoesWithTheShiftPercentages)
{
    // The dialog does not edit the outline: an edit elsewhere keeps it, clearing the
    // shift percentages drops it with them.
    const char* const kOutlined = R"({"lenvara-projectors": 1, "projectors": [
      {"name": "Outline 1", "panel": {"width_px": 1920, "height_px": 1200, "pitch_um": 7.6},
       "lumens": 5000, "throw": {"16:9": [1.22, 1.53]},
       "shift_percent": {"up": 50, "down": 10, "left": 30, "right": 30},
       "shift_envelope": [[0, 50], [20, 40], [30, 0]]},
      {"name": "Outline 2", "panel": {"width_px": 1920, "height_px": 1200, "pitch_um": 7.6},
       "lumens": 5000, "throw": {"16:9": [1.22, 1.53]},
       "shift_percent": {"up": 50, "down": 10, "left": 30, "right": 30},
       "shift_envelope": [[0, 50], [30, 0]]}]})";
    WriteAll(m_strFile, kOutlined);
    ASSERT_FALSE(LoadOwnCatalogue("").has_value());
    const bool bSaved = Run(
        [&](QWidget* pDlg)
        {
            SelectRow(pDlg, 0);
            D::Type(pDlg, kIdLumens, QStringLiteral("5500"));
            SelectRow(pDlg, 1);
            for (int nId : {kIdShiftUp, kIdShiftDown, kIdShiftLeft, kIdShiftRight})
                D::Type(pDlg, nId, QString());
            D::Click(pDlg, kIdOk);
        });
    EXPECT_TRUE(bSaved);
    const SCatalogueRead read = ReadProjectorCatalogue(m_strFile.toStdString());
    ASSERT_FALSE(read.error.has_value()) << FormatCatalogueError(*read.error);
    std::vector<SOwnProjector> expected = ParseProjectorCatalogue(kOutlined, "").projectors;
    expected.at(0).dLumens = 5500;
    expected.at(1).shift.reset();
    expected.at(1).shiftEnvelope.reset();
    EXPECT_EQ(read.projectors, expected);
}
