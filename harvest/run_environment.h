// What a run takes from outside: the window (or any other driver) fills one
// of these and hands it to AnalysisThread. Tests pass loopback addresses, a
// temporary folder and a fixed clock instead of the real ones.
#pragma once

#include <atomic>
#include <filesystem>
#include <functional>

#include "common/text.h"

// One reading of the local clock, to the second; hour 0 to 23.
struct ClockReading {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct RunEnvironment {
    // Reads the current text of the address box.
    std::function<Text()> 输入框;
    // Appends one entry to the run log. Runs going at the same time call it
    // from their own threads, so it must append each entry in one step.
    std::function<void(const Text&)> LogLine;
    // The two options, owned and written by the caller (0 or 1); the run
    // reads them at every test that uses them.
    const std::atomic<int>* FilterOn = nullptr;
    const std::atomic<int>* CompatOn = nullptr;
    // The folder that receives the run's own folder (the program's folder).
    std::filesystem::path runsFolder;
    // Read once per run, for the run folder's name.
    std::function<ClockReading()> localClock;
    // Fetched to see whether the internet can be reached.
    Text probeAddress;
    // One download: the body, or empty on any failure or timeout.
    std::function<Bytes(const Text&)> fetch;
};

// The real probe: the home page of a large site that stays reachable where
// the photo site may be blocked, and answers even a bare client with well
// over 500 bytes.
inline constexpr const char* kProbeAddress = "https://www.baidu.com/";

// The machine's local clock, read once.
ClockReading ReadLocalClock();

// FetchUrl with the address alone (its default time limit).
std::function<Bytes(const Text&)> RealFetch();
