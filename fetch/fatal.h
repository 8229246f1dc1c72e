// The fatal condition of the whole program: a message, then the end.
#pragma once

#include "common/text.h"

// Shows the message. The window program installs one that shows a message
// box; the default writes it to stderr. The program exits with status 1
// after the handler returns.
using FatalHandler = void (*)(const Text& message);

// Installs the handler; nullptr restores the default.
void SetFatalHandler(FatalHandler handler);
[[noreturn]] void Fatal(const Text& message);
