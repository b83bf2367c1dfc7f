// "Save Current Page": one calculation of the active page as readable text (model,
// unit, aspect ratio, gain, the page's input and results with their labels, the
// luminances with their unit, the date line), and its atomic writing: a failed
// save leaves any existing file as it was. Used by the main dialog, which
// recalculates the page first.
#pragma once

#include <QString>

#include <string>

struct SCalculation;

class CPageSaver
{
public:
    // The text of a successful calculation of the page captioned strPage, dated
    // strDate; lines ending in "\n".
    static std::string BuildText(const SCalculation& result, const std::string& strPage,
                                 const std::string& strDate);
    // Writes the whole text or nothing; on failure strError tells why.
    static bool Write(const QString& strPath, const std::string& text, QString& strError);
};
