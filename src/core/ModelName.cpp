#include "core/ModelName.h"

std::string NormaliseModelName(std::string_view name)
{
    std::string out;
    bool bBlank = false;
    for (char c : name)
    {
        if (c == ' ' || c == '\t')
        {
            bBlank = !out.empty();
            continue;
        }
        if (bBlank)
            out += ' ';
        bBlank = false;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}
