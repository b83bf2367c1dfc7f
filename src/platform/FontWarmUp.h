// Start-up: the system's font configuration (fontconfig) takes a few milliseconds to
// load, and the first dialog text waits for it. StartFontWarmUp loads it on a
// thread of its own while the toolkit connects to the display; the toolkit then
// finds it loaded. Part of the main dialog's start-up warm-up.
#pragma once

void StartFontWarmUp();
