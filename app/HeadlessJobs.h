#pragma once
// The headless jobs (--list, --rip, --convert): they drive the ripping component and the MP3 coder
// exactly as the main window does, with the window's events, file names and Output folder.
#include <QTextStream>

#include "app/JobOptions.h"

// Runs the job; answers the exit code (0 done, 1 error with its text on err).
int RunHeadlessJob(const TJobOptions& options, QTextStream& out, QTextStream& err, bool terminal);

// Set by an interrupt (Ctrl+C): the running rip or conversion ends after its current chunk.
void RequestJobStop();
