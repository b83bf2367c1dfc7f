#include "ui/PageSaver.h"

#include "ImagePageIds.h"
#include "app/LenvaraApp.h"
#include "core/TextFormat.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"

#include <QSaveFile>

#include <span>

namespace
{
// One "Label: value" line of the record's text getters.
using TextGetter = std::string (CLenvaraEngine::*)() const;
struct SField
{
    const char* pszLabel;
    TextGetter getter;
};

// Values in the order a person reads the page.
constexpr SField kImageFields[] = {
    {"Width", &CLenvaraEngine::GetWidthText},
    {"Height", &CLenvaraEngine::GetHeightText},
    {"Diagonal", &CLenvaraEngine::GetDiagonalText},
    {"Projection Distance (Wide)", &CLenvaraEngine::GetDistWideText},
    {"Projection Distance (Tele)", &CLenvaraEngine::GetDistTeleText},
};
constexpr SField kLenvaraFields[] = {
    {"Projection Distance", &CLenvaraEngine::GetDistanceText},
    {"Width (Tele)", &CLenvaraEngine::GetWidthTeleText},
    {"Width (Wide)", &CLenvaraEngine::GetWidthWideText},
    {"Height (Tele)", &CLenvaraEngine::GetHeightTeleText},
    {"Height (Wide)", &CLenvaraEngine::GetHeightWideText},
    {"Diagonal (Tele)", &CLenvaraEngine::GetDiagTeleText},
    {"Diagonal (Wide)", &CLenvaraEngine::GetDiagWideText},
};

std::string Line(const char* pszLabel, const std::string& value)
{
    return std::string(pszLabel) + ": " + value + "\n";
}
} // namespace

std::string CPageSaver::BuildText(const CLenvaraApp& app, const CLenvaraDlg& dlg)
{
    const CLenvaraPropertySheet* pSheet = dlg.GetSheet();
    const CPropertyPage* pPage = pSheet ? pSheet->GetActivePage() : nullptr;
    const bool bImage = pSheet && pPage == &pSheet->m_pageImage;
    const CTarsioModel& model = app.m_model;

    std::string text = "Lenvara Calculator: ";
    text += pPage ? pPage->GetCaption().toStdString() : std::string();
    text += "\n";
    text += Line("Model", app.GetModelNameText());
    text += Line("Units", app.GetUnitText());
    text += Line("Aspect Ratio", app.GetAspectText());
    text += Line("Gain", FormatLuminance(model.GetGain()));
    if (pPage)
    {
        if (bImage)
        {
            // The input of the calculation just made: the one writable size edit.
            const char* pszInput = "Width";
            if (!IsReadOnly(pPage, ImagePageIds::kIdHeight))
                pszInput = "Height";
            else if (!IsReadOnly(pPage, ImagePageIds::kIdDiagonal))
                pszInput = "Diagonal";
            text += Line("Input", pszInput);
        }
        for (const SField& field : bImage ? std::span<const SField>(kImageFields)
                                          : std::span<const SField>(kLenvaraFields))
            text += Line(field.pszLabel, (app.*field.getter)());
    }
    const std::string strLumUnit = model.GetLumUnit();
    text += Line("Expected Screen Luminance (Wide)",
                 FormatLuminance(model.GetLumWide()) + " " + strLumUnit);
    text += Line("Expected Screen Luminance (Tele)",
                 FormatLuminance(model.GetLumTele()) + " " + strLumUnit);
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
