// The vigila executable. A command (`vigila status`, `vigila run …`) runs on Qt Core and Qt D-Bus
// alone and needs no display. The tray, with Qt Widgets and the graphics libraries under it, is a
// module loaded only when there is no command: loading those takes longer than a whole
// `vigila status` round trip may.
#include "CommandLine.h"

#include <cstdio>
#include <dlfcn.h>

namespace {

int runTray(int argc, char *argv[])
{
    // Found through the executable's run path: beside it in the build tree, in the library
    // directory once installed.
    void *module = ::dlopen(VIGILA_TRAY_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "vigila: cannot load the tray: %s\n", ::dlerror());
        return 1;
    }
    using TrayMain = int (*)(int, char **);
    const auto trayMain = reinterpret_cast<TrayMain>(::dlsym(module, "vigilaTrayMain"));
    if (!trayMain) {
        std::fprintf(stderr, "vigila: cannot start the tray: %s\n", ::dlerror());
        return 1;
    }
    // Never unloaded: the tray's objects live until the process ends.
    return trayMain(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    if (CommandLine::isCommand(argc, argv))
        return CommandLine::run(argc, argv);
    return runTray(argc, argv);
}
