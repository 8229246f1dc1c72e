// The run's own folder, named after the moment the run started.
#pragma once

#include <filesystem>

#include "common/text.h"
#include "harvest/run_environment.h"

// year.month.day.hour：minute：second, no leading zeros, full-width colons.
Text BatchFolderName(const ClockReading& when);

struct BatchFolderResult {
    bool created = false;
    // The folder made, or the one that could not be made.
    std::filesystem::path folder;
};

// Creates `name` inside `parent`; when that name is taken (another run of
// the same second), name（2）, name（3）, … instead. Each attempt creates
// the folder atomically, so two runs never share one.
BatchFolderResult CreateBatchFolder(const std::filesystem::path& parent, const Text& name);
