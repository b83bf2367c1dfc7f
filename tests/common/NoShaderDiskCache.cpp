// Linked into the GUI and GL test runners of the sanitizer build only: Mesa's
// on-disk shader cache is switched off (unless the environment already says what it
// wants). With the cache on, the leak check that runs at exit now and then fails on
// its own: "Tracer caught signal 11" while it walks the main thread's dynamic TLS,
// one entry of which then holds no real address range. Without the cache that was
// never seen, and the software renderer compiles the tests' few shaders quickly.
#include <cstdlib>

namespace
{
[[maybe_unused]] const bool g_bCacheOff = setenv("MESA_SHADER_CACHE_DISABLE", "true", 0) == 0;
} // namespace
