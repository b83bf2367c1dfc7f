// "Save Current Page": the active calculation page's last calculation as readable
// text, all of it from the current-model record (model, unit, aspect ratio, gain,
// the page's input and results with their labels, the luminances with their unit,
// the date line), and its atomic writing: a failed save leaves any existing file as
// it was. Used by the main dialog, which recalculates the page first.
#pragma once

#include <QString>

#include <string>

class CLenvaraApp;
class CLenvaraDlg;

class CPageSaver
{
public:
    // The text of the record's calculation for the main dialog's active page, lines
    // ending in "\n". Meaningful right after that page calculated successfully.
    static std::string BuildText(const CLenvaraApp& app, const CLenvaraDlg& dlg);
    // Writes the whole text or nothing; on failure strError tells why.
    static bool Write(const QString& strPath, const std::string& text, QString& strError);
};
