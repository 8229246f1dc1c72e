// Loading the internet layer at run time and binding its calls by name.
// A library or a call that cannot be bound is fatal.
#pragma once

#include <vector>

#include "common/text.h"

inline constexpr const char* kInetLibraryName = "libkestrix-inet.so";

// Where the layer is looked for, in order: beside the running program, in
// ../lib/kestrix from the program's folder (the installed layout), then by
// its bare name through the loader's own search.
std::vector<Text> InetLibraryCandidates();

// The first candidate that loads; fatal when none does.
void* LoadLibraryOrDie(const std::vector<Text>& candidates);
// The address of `name` in `library`; fatal when it is not there.
void* BindOrDie(void* library, const char* name, const Text& libraryName);

// The layer's call `name`; the layer is loaded at the first bind and stays
// loaded until the process ends (an abandoned worker may still run in it).
void* BindInetFunction(const char* name);
