// The program entry: the window until it is closed (nothing is saved), or, for
// anything but Qt's own window options, the command line's answer on the
// terminal. Which of the two is decided before any display is opened; the
// window lives in a plugin beside the program (the build tree) or in its
// installed library directory, which only the window loads.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "commandline/commandline.h"
#include "mainwindow/version.h"

namespace {

// The directory of the running program, with its final "/".
std::string programDirectory() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return {};
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/') + 1);
}

int runWindow(int argc, char* argv[]) {
    const std::string directory = programDirectory();
    void* plugin = nullptr;
    for (const std::string& candidate :
         {directory + QUILLMARK_WINDOW_FILE,
          directory + QUILLMARK_WEBPANEL_DIR_FROM_BINDIR "/" QUILLMARK_WINDOW_FILE}) {
        plugin = dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (plugin) break;
    }
    using Main = int (*)(int, char*[]);
    const auto windowMain =
        plugin ? reinterpret_cast<Main>(dlsym(plugin, "QuillmarkWindowMain")) : nullptr;
    if (!windowMain) {
        const char* error = dlerror();
        std::fprintf(stderr, "quillmark: cannot load the window: %s\n", error ? error : "?");
        return 1;
    }
    return windowMain(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!quillmark::OpensWindow(argc, argv))
        return quillmark::RunCommandLine(argc, argv,
                                         {quillmark::kFileVersion, quillmark::kProductName});
    return runWindow(argc, argv);
}
