// The fate of one harvested link: skipped, downloaded and deleted, or kept.
#pragma once

#include <filesystem>

#include "common/text.h"
#include "harvest/run_environment.h"

// Handles candidate number `n` (counted from 1) with address `c`: applies the
// link filter and the duplicate check, downloads c into `BatchFolder` as
// n.jpg, screens the file and deletes it or renames it to
// n（大小：kbKB）.jpg. Adds c to `SeenUrls` and the kept file's digest to
// `SeenDigests`; logs every decision through env.LogLine.
void HandleCandidate(const RunEnvironment& env, long long n, const Text& c,
                     const std::filesystem::path& BatchFolder,
                     Text& SeenUrls, Text& SeenDigests);
