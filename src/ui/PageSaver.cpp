#include "ui/PageSaver.h"

#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"
#include "LenvaraPageIds.h"
#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"

#include <QSaveFile>

#include <span>

namespace
{
struct SField
{
    const char* pszLabel;
    int nId;
};

// Values in the order a person reads the page.
constexpr SField kImageFields[] = {
    {"Width", ImagePageIds::kIdWidth},
    {"Height", ImagePageIds::kIdHeight},
    {"Diagonal", ImagePageIds::kIdDiagonal},
    {"Projection Distance (Wide)", ImagePageIds::kIdDistWide},
    {"Projection Distance (Tele)", ImagePageIds::kIdDistTele},
};
constexpr SField kLenvaraFields[] = {
    {"Projection Distance", LenvaraPageIds::kIdDistance},
    {"Width (Tele)", LenvaraPageIds::kIdWidthTele},
    {"Width (Wide)", LenvaraPageIds::kIdWidthWide},
    {"Height (Tele)", LenvaraPageIds::kIdHeightTele},
    {"Height (Wide)", LenvaraPageIds::kIdHeightWide},
    {"Diagonal (Tele)", LenvaraPageIds::kIdDiagTele},
    {"Diagonal (Wide)", LenvaraPageIds::kIdDiagWide},
};

std::string Line(const char* pszLabel, const std::string& value)
{
    return std::string(pszLabel) + ": " + value + "\n";
}

std::string Trimmed(const std::string& text)
{
    return QString::fromStdString(text).trimmed().toStdString();
}
} // namespace

std::string CPageSaver::BuildText(const CLenvaraApp& app, const CLenvaraDlg& dlg)
{
    using namespace LenvaraDlgIds;
    int nUnit = -1;
    if (GetCheck(&dlg, kIdMeters))
        nUnit = 0;
    else if (GetCheck(&dlg, kIdInches))
        nUnit = 1;
    else if (GetCheck(&dlg, kIdFeet))
        nUnit = 2;
    const char* pszAspect = "";
    if (GetCheck(&dlg, kIdAspect4x3))
        pszAspect = "4:3";
    else if (GetCheck(&dlg, kIdAspect16x9))
        pszAspect = "16:9";
    else if (GetCheck(&dlg, kIdAspect235))
        pszAspect = "2.35:1";

    const CLenvaraPropertySheet* pSheet = dlg.GetSheet();
    const CPropertyPage* pPage = pSheet ? pSheet->GetActivePage() : nullptr;
    const bool bImage = pSheet && pPage == &pSheet->m_pageImage;

    std::string text = "Lenvara Calculator: ";
    text += pPage ? pPage->GetCaption().toStdString() : std::string();
    text += "\n";
    text += Line("Model", GetControlText(&dlg, kIdModel, 100));
    text += Line("Units", UnitName(nUnit));
    text += Line("Aspect Ratio", pszAspect);
    text += Line("Gain", Trimmed(GetControlText(&dlg, kIdGain, 100)));
    if (pPage)
    {
        if (bImage)
        {
            const char* pszInput = "Width";
            if (!IsReadOnly(pPage, ImagePageIds::kIdHeight))
                pszInput = "Height";
            else if (!IsReadOnly(pPage, ImagePageIds::kIdDiagonal))
                pszInput = "Diagonal";
            text += Line("Input", pszInput);
        }
        for (const SField& field : bImage ? std::span<const SField>(kImageFields)
                                          : std::span<const SField>(kLenvaraFields))
            text += Line(field.pszLabel, Trimmed(GetControlText(pPage, field.nId, 80)));
    }
    const std::string strLumUnit = GetControlText(&dlg, kIdLumUnitWide, 100);
    text += Line("Expected Screen Luminance (Wide)",
                 GetControlText(&dlg, kIdLumWide, 100) + " " + strLumUnit);
    text += Line("Expected Screen Luminance (Tele)",
                 GetControlText(&dlg, kIdLumTele, 100) + " " + GetControlText(&dlg, kIdLumUnitTele, 100));
    text += Line("Date", app.GetDateText());
    return text;
}

bool CPageSaver::Write(const QString& strPath, const std::string& text, QString& strError)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
    {
        strError = file.errorString();
        return false;
    }
    const qint64 nSize = static_cast<qint64>(text.size());
    const bool bWritten = file.write(text.data(), nSize) == nSize && file.flush();
    // A short write to disk (a full disk, a file size limit) can still be reported
    // as written: only the size of what reached the file counts.
    if (!bWritten || file.size() != nSize)
    {
        strError = !bWritten ? file.errorString()
                       : QStringLiteral("Only %1 of %2 bytes could be written.")
                             .arg(file.size())
                             .arg(nSize);
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit())
    {
        strError = file.errorString();
        return false;
    }
    return true;
}
