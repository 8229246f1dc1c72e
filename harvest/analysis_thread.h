// One run of the tool's main job: probe the network, download the page,
// collect its quoted links and download, screen and keep the pictures.
#pragma once

#include "harvest/run_environment.h"

// The body of a run's thread. Returns when the run ends, whichever way; the
// run's state is its own and gone by then. Several runs may go at once.
void AnalysisThread(const RunEnvironment& env);
