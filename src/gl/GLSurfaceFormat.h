// The default surface format every GL view needs: immediate-mode drawing asks for a
// compatibility-profile context with a 24-bit depth buffer. Installed once in main()
// (and in the test and benchmark runners) before any widget exists.
#pragma once

void InstallDefaultGLFormat();
