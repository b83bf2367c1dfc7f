// The program's start with the user's own projectors. Reading the default catalogue
// file takes longer than the rest of the start-up (about 0.1 s for 20,000
// projectors), so main() starts it first, on a thread of its own that runs core code
// only and never touches the toolkit; the main dialog installs what it read on the
// GUI thread (the catalogue rows are not to change under a search), as soon as the
// read is done or earlier when the model list or a calculation needs it, waiting
// for it then.
#pragma once

#include <optional>
#include <string>

// Starts reading the default catalogue file on a thread of its own. A read started
// and not yet installed stays the one; calls before that do nothing.
void StartOwnCatalogueRead();

// Whether installing would not wait: no read is pending, or the pending one is done.
bool OwnCatalogueReadDone();

// Whether a read was started and is not yet installed.
bool OwnCatalogueReadPending();

// Installs the projectors of the pending read, waiting for it, or of the default file
// read now when none is pending. A missing default file installs none. A file that
// cannot be used installs none either (the built-in models stay alone) and gives its
// error line: file, projector, field and reason.
std::optional<std::string> InstallDefaultOwnCatalogue();
