// Debug trace: short lines for developers in the "lenvara.trace" logging category,
// never shown to the user. Enable with QT_LOGGING_RULES="lenvara.trace.debug=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTrace)

// printf-style trace line; the text usually ends with "\n" as the program writes it.
void DebugTrace(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));
