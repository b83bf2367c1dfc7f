// Model names as a person types them: the form in which two names count as the same
// when only letter case and runs of blanks differ. The catalogue itself matches names
// byte for byte; this form only serves finding a model (completion, hints).
#pragma once

#include <string>
#include <string_view>

// ASCII letters in lower case, leading and trailing blanks (space, tab) dropped, each
// run of blanks inside made one space.
std::string NormaliseModelName(std::string_view name);
