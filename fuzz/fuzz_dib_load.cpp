// Fuzz target: the report's DIB section image loading a .bmp file, through a
// temporary file as the report loads "ogl.bmp". A loaded image is whole: its rows are
// covered by the file's pixel bytes, and it draws.
#include "core/BitmapFile.h"
#include "print/DIBSectionLite.h"

#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    static const QString strPath =
        QStringLiteral("/tmp/lenvara-fuzz-dib-%1.bmp").arg(static_cast<qint64>(getpid()));
    {
        QFile file(strPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(pData), static_cast<qint64>(nSize));
    }
    CDIBSectionLite dib;
    const bool bLoaded = dib.Load(strPath);

    // The reader's verdict from the bytes alone must agree with the load.
    SBitmapFileContent content;
    const bool bParsed = ParseBitmapFile({pData, nSize}, content) == nullptr;
    if (bLoaded && !bParsed)
        std::abort();
    if (bParsed && content.bits.size() < DibImageBytes(content.info.bmiHeader))
        std::abort(); // rows the pixel bytes do not cover
    if (bLoaded &&
        (dib.GetWidth() <= 0 || dib.GetHeight() == 0 || !dib.GetDIBits() || dib.IsEmpty()))
        std::abort();
    return 0;
}
