// The program entry: the window until it is closed (nothing is saved), or, for
// anything but Qt's own window options, the command line's answer on the
// terminal. Which of the two is decided before any display is opened; the
// window lives in a plugin beside the program (the build tree) or in its
// installed library directory, which only the window loads. The command
// line's translations live in a module there too, loaded only when a text has
// to be translated.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "commandline/commandline.h"
#include "commandline/messages.h"
#include "commandline/translation.h"
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

// `symbol` of the plugin `file`, beside the program or installed; null when
// neither loads or has it (dlerror() says why).
void* pluginSymbol(const char* file, const char* symbol) {
    const std::string directory = programDirectory();
    void* plugin = nullptr;
    for (const std::string& candidate :
         {directory + file, directory + QUILLMARK_WEBPANEL_DIR_FROM_BINDIR "/" + file}) {
        plugin = dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (plugin) break;
    }
    return plugin ? dlsym(plugin, symbol) : nullptr;
}

quillmark::TranslateFunction loadTranslations() {
    return reinterpret_cast<quillmark::TranslateFunction>(
        pluginSymbol(QUILLMARK_TRANSLATIONS_FILE, "QuillmarkTranslate"));
}

int runWindow(int argc, char* argv[]) {
    using Main = int (*)(int, char*[]);
    const auto windowMain =
        reinterpret_cast<Main>(pluginSymbol(QUILLMARK_WINDOW_FILE, "QuillmarkWindowMain"));
    if (!windowMain) {
        const char* error = dlerror();
        const std::string reason = error ? error : "?";
        std::fprintf(stderr, "%s\n", quillmark::messages::cannotLoadWindow(reason).c_str());
        return 1;
    }
    return windowMain(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    quillmark::SetTranslationLoader(loadTranslations);
    if (!quillmark::OpensWindow(argc, argv))
        return quillmark::RunCommandLine(argc, argv,
                                         {quillmark::kFileVersion, quillmark::kProductName});
    return runWindow(argc, argv);
}
