// The program's command line for scripts and loggers: --help, --version and
// --locate LONGITUDE LATITUDE, answered without a window or a display.
#pragma once

#include <QStringList>

namespace quillmark {

// Whether the program's arguments ask for something the command line answers
// rather than for the window: help, the version or a locate. Qt's own window
// options are not among them. Needs no application object.
bool WantsCommandLine(int argc, char* argv[]);

// Answers the command line inside an existing QCoreApplication, printing to
// standard output and standard error. Returns the exit status: 0 on success,
// 1 when a position cannot be located, 2 for a command line that is not
// understood.
int RunCommandLine(const QStringList& arguments);

// Checks what is left of the window's command line once Qt has taken its own
// options: anything there is reported on standard error. Returns 0 when
// nothing is left, else 2.
int CheckWindowArguments(const QStringList& arguments);

}  // namespace quillmark
