#include "fetch/inet_binder.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "fetch/fatal.h"

namespace {

Text ProgramFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return Text();
    const Text program(path, static_cast<size_t>(length));
    return program.substr(0, program.rfind('/') + 1);
}

Text LastLoaderError() {
    const char* error = dlerror();
    return error ? Text(error) : Text();
}

}  // namespace

std::vector<Text> InetLibraryCandidates() {
    std::vector<Text> candidates;
    const Text folder = ProgramFolder();
    if (!folder.empty()) {
        candidates.push_back(folder + kInetLibraryName);
        candidates.push_back(folder + "../lib/kestrix/" + kInetLibraryName);
    }
    candidates.push_back(kInetLibraryName);
    return candidates;
}

void* LoadLibraryOrDie(const std::vector<Text>& candidates) {
    Text errors;
    for (const Text& candidate : candidates) {
        if (void* library = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) return library;
        errors += "\n" + LastLoaderError();
    }
    Fatal("无法载入函数库 " + (candidates.empty() ? Text() : candidates.back()) + errors);
}

void* BindOrDie(void* library, const char* name, const Text& libraryName) {
    dlerror();
    if (void* address = dlsym(library, name)) return address;
    Fatal("函数库 " + libraryName + " 中找不到函数 " + name);
}

void* BindInetFunction(const char* name) {
    static void* const library = LoadLibraryOrDie(InetLibraryCandidates());
    return BindOrDie(library, name, kInetLibraryName);
}
