// Checks the text operations against their own promises on arbitrary bytes:
// a match lies at a character start and really matches, replacing a text by
// itself changes nothing, and the split count agrees with the searches.
#include "common/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool IsCharStart(const Text& text, Pos at, Pos from) {
    for (Pos i = from; i < static_cast<Pos>(text.size());) {
        if (i == at) return true;
        const Pos step = CharLen(text, i);
        if (step == 0) return false;
        i += step;
    }
    return false;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t cut = data[0] % size;
    const Text all(reinterpret_cast<const char*>(data + 1), size - 1);
    const Text what = all.substr(0, cut % 8);
    const Text text = all.substr(cut % 8);
    const Pos start = static_cast<Pos>(data[0] % 7) - 2;

    const Pos at = Find(text, what, start);
    if (at != -1) {
        Check(text.compare(static_cast<size_t>(at - 1), what.size(), what) == 0);
        Check(IsCharStart(text, at - 1, std::max<Pos>(start, 1) - 1));
    }
    const Pos folded = FindNoCase(text, what, start);
    Check(folded == -1 || at == -1 || folded <= at);

    Check(ReplaceAll(text, what, what) == text);
    if (!what.empty()) {
        const Text removed = ReplaceAll(text, what, "");
        Check(removed.size() <= text.size());
        Pos count = 0;
        for (Pos p = Find(text, what); p != -1; p = Find(text, what, p + static_cast<Pos>(what.size())))
            ++count;
        Check(text.size() - removed.size() == static_cast<size_t>(count) * what.size());
        Check(SplitCount(text, what) >= count);
    }

    Check(Mid(text, start, cut).size() <= text.size());
    Check(DeleteAt(text, start, cut).size() <= text.size());
    Check(ToLowerAscii(text).size() == text.size());
    Check(BodyAsText(ToBytes(text)).size() <= text.size());
    (void)IsBlank(text);
    (void)LeadingNumber(text);
    return 0;
}
