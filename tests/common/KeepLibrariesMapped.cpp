// Linked into the GUI and GL test runners of the sanitizer build only: unloading a
// shared library becomes a no-op, so the leak checker, which runs at exit, can still
// name the library a leak lies in (the GL driver, the font and window-system
// libraries) and the suppression file can match it.
extern "C" int dlclose(void*)
{
    return 0;
}
