#pragma once
// How exceptions reach the user: in a message box while the program runs, and on standard error
// (and in a message box on a real display) when the main form cannot even be made.

#include "runtime/Exceptions.h"

#include <QString>

// A critical message box captioned `title`, with the exception's message ending in a full stop.
void ShowExceptionMessage(const QString& title, const Exception& E);

// "Exception <class> in module <executable>: <message>."
void ReportStartupError(const QString& className, const QString& message);
