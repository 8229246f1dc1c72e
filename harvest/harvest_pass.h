// Collecting the absolute links a page writes between quotes.
#pragma once

#include <vector>

#include "common/text.h"

// One pass over `page`: every `opener` (a quote followed by http) up to the
// next `closer` (that quote) gives a candidate: the text between the quotes.
// Candidates of 6 bytes or fewer, and an opener with no closer, are stepped
// over. Recorded candidates are appended to `CandidateList` in page order
// and cut out of `page`, all but their last byte, so that a second pass
// (single quotes after double ones) sees the page as the first one left it.
// Made for the two quote pairs: the closer is the opener's first byte and
// occurs nowhere else in it, and the opener is at most 7 bytes long.
void HarvestPass(Text& page, const Text& opener, const Text& closer,
                 std::vector<Text>& CandidateList);
