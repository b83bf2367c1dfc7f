#include "platform/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <thread>

void StartFontWarmUp()
{
    // fontconfig initialises its default configuration once, safely from any thread;
    // whichever caller comes second finds it done.
    std::thread([] { FcInit(); }).detach();
}
