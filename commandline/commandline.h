// The program's command line: locators, positions and distances for scripts
// and loggers, answered without a window or a display. Plain C++ on the
// locator engine: nothing here opens a display or needs Qt.
#pragma once

#include <string_view>

namespace quillmark {

// What --version prints: "quillmark <fileVersion> (<productName>)".
struct ProgramVersion {
    std::string_view fileVersion;
    std::string_view productName;
};

// Whether the arguments leave the program to its window: none at all, or only
// Qt's own window options (-platform, -style, -geometry ... with their values,
// with one dash or two). Anything else, be it a request of the command line or
// an argument nobody knows, is RunCommandLine's.
bool OpensWindow(int argc, char* argv[]);

// Answers the command line, printing to standard output and standard error,
// and returns the exit status: 0 done, 1 when a position or locator cannot be
// used (or the output cannot be written), 2 for a command line that is not
// understood, reported in one line on standard error.
int RunCommandLine(int argc, char* argv[], const ProgramVersion& version);

}  // namespace quillmark
