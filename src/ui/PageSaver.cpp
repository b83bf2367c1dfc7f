#include "ui/PageSaver.h"

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
    {"Width", 1009},
    {"Height", 1010},
    {"Diagonal", 1011},
    {"Projection Distance (Wide)", 1012},
    {"Projection Distance (Tele)", 1013},
};
constexpr SField kLenvaraFields[] = {
    {"Projection Distance", 1012},
    {"Width (Tele)", 1014},
    {"Width (Wide)", 1009},
    {"Height (Tele)", 1015},
    {"Height (Wide)", 1010},
    {"Diagonal (Tele)", 1013},
    {"Diagonal (Wide)", 1011},
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
    int nUnit = -1;
    if (GetCheck(&dlg, 1002))
        nUnit = 0;
    else if (GetCheck(&dlg, 1003))
        nUnit = 1;
    else if (GetCheck(&dlg, 1006))
        nUnit = 2;
    const char* pszAspect = "";
    if (GetCheck(&dlg, 1004))
        pszAspect = "4:3";
    else if (GetCheck(&dlg, 1005))
        pszAspect = "16:9";
    else if (GetCheck(&dlg, 1007))
        pszAspect = "2.35:1";

    const CLenvaraPropertySheet* pSheet = dlg.GetSheet();
    const CPropertyPage* pPage = pSheet ? pSheet->GetActivePage() : nullptr;
    const bool bImage = pSheet && pPage == &pSheet->m_pageImage;

    std::string text = "Lenvara Calculator: ";
    text += pPage ? pPage->GetCaption().toStdString() : std::string();
    text += "\n";
    text += Line("Model", GetControlText(&dlg, 1000, 100));
    text += Line("Units", UnitName(nUnit));
    text += Line("Aspect Ratio", pszAspect);
    text += Line("Gain", Trimmed(GetControlText(&dlg, 1072, 100)));
    if (pPage)
    {
        if (bImage)
        {
            const char* pszInput = "Width";
            if (!IsReadOnly(pPage, 1010))
                pszInput = "Height";
            else if (!IsReadOnly(pPage, 1011))
                pszInput = "Diagonal";
            text += Line("Input", pszInput);
        }
        for (const SField& field : bImage ? std::span<const SField>(kImageFields)
                                          : std::span<const SField>(kLenvaraFields))
            text += Line(field.pszLabel, Trimmed(GetControlText(pPage, field.nId, 80)));
    }
    const std::string strLumUnit = GetControlText(&dlg, 1067, 100);
    text += Line("Expected Screen Luminance (Wide)",
                 GetControlText(&dlg, 1070, 100) + " " + strLumUnit);
    text += Line("Expected Screen Luminance (Tele)",
                 GetControlText(&dlg, 1071, 100) + " " + GetControlText(&dlg, 1069, 100));
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
