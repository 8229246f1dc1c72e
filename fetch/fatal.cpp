#include "fetch/fatal.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

void WriteToStderr(const Text& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
}

std::atomic<FatalHandler> handler{&WriteToStderr};

}  // namespace

void SetFatalHandler(FatalHandler newHandler) {
    handler = newHandler ? newHandler : &WriteToStderr;
}

void Fatal(const Text& message) {
    handler.load()(message);
    std::exit(1);
}
