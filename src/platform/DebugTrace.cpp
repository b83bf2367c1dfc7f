#include "platform/DebugTrace.h"

#include <cstdarg>
#include <cstdio>
#include <string>

Q_LOGGING_CATEGORY(lcTrace, "lenvara.trace", QtWarningMsg)

void DebugTrace(const char* pszFormat, ...)
{
    char szLine[512];
    va_list args;
    va_start(args, pszFormat);
    std::vsnprintf(szLine, sizeof szLine, pszFormat, args);
    va_end(args);
    std::string line(szLine);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    qCDebug(lcTrace, "%s", line.c_str());
}
