#include "ui/PageSaver.h"

#include "core/Calculation.h"
#include "core/TextFormat.h"

#include <QSaveFile>

namespace
{
std::string Line(const std::string& strLabel, const std::string& strValue)
{
    return strLabel + ": " + strValue + "\n";
}
} // namespace

std::string CPageSaver::BuildText(const SCalculation& result, const std::string& strPage,
                                  const std::string& strDate)
{
    std::string text = "Lenvara Calculator: " + strPage + "\n";
    text += Line("Model", result.strName);
    text += Line("Units", UnitName(result.nUnit));
    text += Line("Aspect Ratio", AspectName(result.fAspect));
    text += Line("Gain", FormatLuminance(result.fGain));
    for (const SResultRow& row : ResultRows(result, kRowsSavedPage))
        text += Line(row.strLabel, row.strValue);
    text += Line("Date", strDate);
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
