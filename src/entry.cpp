// The vigila executable. A command (`vigila status`, `vigila run …`) runs on Qt Core and Qt D-Bus
// alone and needs no display. The tray, with Qt Widgets and the graphics libraries under it, is a
// module loaded only when there is no command: loading those takes longer than a whole
// `vigila status` round trip may.
#include "CommandLine.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

// The module's path: in <libdir>/vigila once installed, beside the executable in the build tree.
// Spelled out from the executable's own location rather than left to the run path, which a
// dlopen() wrapped by a sanitizer does not consult.
std::string trayModulePath()
{
    std::string executable(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", executable.data(), executable.size());
    if (length <= 0)
        return VIGILA_TRAY_MODULE;
    executable.resize(size_t(length));
    const std::string directory = executable.substr(0, executable.rfind('/') + 1);
    const std::string installed = directory + VIGILA_TRAY_DIRECTORY "/" VIGILA_TRAY_MODULE;
    return ::access(installed.c_str(), R_OK) == 0 ? installed : directory + VIGILA_TRAY_MODULE;
}

int runTray(int argc, char *argv[])
{
    void *module = ::dlopen(trayModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
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
