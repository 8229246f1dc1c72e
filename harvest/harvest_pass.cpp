#include "harvest/harvest_pass.h"

namespace {
// Shorter candidates are words such as http or https: that scripts compare
// protocol names with, never links.
constexpr Pos kLongestIgnored = 6;
}  // namespace

// The pass is defined as repeated search-from-start and deletion; this is the
// same walk done once, forward: `kept` grows into the page text the
// deletions would leave, and searches run on the untouched rest of `page`.
void HarvestPass(Text& page, const Text& opener, const Text& closer,
                 std::vector<Text>& CandidateList) {
    // The number of tries is fixed before the pass: one per opener, plus one
    // when the page goes on after its last opener.
    const Pos tries = SplitCount(page, opener);
    Text kept;
    size_t copied = 0;  // bytes of `page` already accounted for in `kept`
    Pos from = 1;       // where the next opener search starts
    for (Pos tried = 0; tried < tries; ++tried) {
        const Pos p = Find(page, opener, from);
        if (p == -1) break;
        const Pos q = Find(page, closer, p + 1);
        const Pos length = q == -1 ? 0 : q - p - 1;
        from = p + 1;
        if (length <= kLongestIgnored) continue;
        CandidateList.push_back(Mid(page, p + 1, length));
        // The opening quote and all of the candidate but its last byte go;
        // that byte and the closing quote stay, and the closing quote may
        // open the next link.
        kept.append(page, copied, static_cast<size_t>(p - 1) - copied);
        kept += page[static_cast<size_t>(q - 2)];
        copied = static_cast<size_t>(q - 1);
        from = q;
        // What stood before the opener and the kept byte can now spell an
        // opener (a page with "htt right before a link ending in p). A
        // search from the start would find it next; its candidate is the
        // opener's own letters, too short to record, but it uses up a try.
        if (EndsWith(kept, opener)) ++tried;
    }
    kept.append(page, copied, Text::npos);
    page = std::move(kept);
}
