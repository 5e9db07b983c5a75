#include "AlsaMessages.h"

#include <dlfcn.h>

namespace
{

// ALSA's handler type: file, line, function, error number, then a format
// and its arguments.
extern "C" void IgnoreAlsaMessage(const char *, int, const char *, int, const char *, ...) {}

using ErrorHandler = void (*)(const char *, int, const char *, int, const char *, ...);
using SetErrorHandler = int (*)(ErrorHandler);

} // namespace

void SilenceAlsaMessages()
{
    // The same library SDL loads for its ALSA driver, found by the same
    // name, so the handler set here is the one it reports through. It stays
    // loaded for the life of the process.
    void *alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (alsa == nullptr)
        return;
    if (auto set = reinterpret_cast<SetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(IgnoreAlsaMessage);
}
