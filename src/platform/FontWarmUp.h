// Start-up: the system's font configuration (fontconfig) takes a few milliseconds to
// load, and the first dialog text waits for it. StartFontWarmUp loads it on a
// thread of its own while the toolkit connects to the display; the toolkit then
// finds it loaded. Called first thing in main() (and the start-up benchmark).
#pragma once

void StartFontWarmUp();
