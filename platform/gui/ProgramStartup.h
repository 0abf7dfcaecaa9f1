#pragma once
// The process around the main block: the Qt application, the application object and the exit code.

#include <QString>
#include <functional>

// Run-time start-up and end: makes the application object, runs the main block and then destroys
// what the application owns. An exception that leaves the main block is reported (class name and
// message) through `report`, and the exit code is then 1; otherwise it is 0. Of the command line
// only the program's name reaches Qt. A window system that cannot start ends the process with one
// line on stderr (naming the display when that is what failed) and exit code 1.
using TStartupErrorReport = std::function<void(const QString& className, const QString& message)>;
int RunProgram(int& argc, char** argv, const std::function<void()>& mainBlock,
               const TStartupErrorReport& report = {});
