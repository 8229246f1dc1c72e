#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "harvest/harvest_pass.h"

namespace {

using List = std::vector<Text>;

// The pass as first defined: search the whole text from its start, cut each
// recorded candidate out (all but its last byte), a fixed number of tries;
// with the one mended point that a short candidate or an unclosed opener is
// stepped over instead of being found again on every later try.
void DeletingPass(Text& text, const Text& opener, const Text& closer, List& list) {
    const Pos tries = SplitCount(text, opener);
    Pos from = 1;
    for (Pos tried = 0; tried < tries; ++tried) {
        const Pos p = Find(text, opener, from);
        const Pos q = Find(text, closer, p == -1 ? 1 : p + 1);
        const Text candidate =
            (p == -1 || q == -1 || q - p - 1 <= 0) ? Text() : Mid(text, p + 1, q - p - 1);
        if (candidate.size() <= 6) {
            if (p != -1) from = p + 1;
            continue;
        }
        list.push_back(candidate);
        text = DeleteAt(text, p, static_cast<Pos>(candidate.size()));
    }
}

struct BothPasses {
    List list;
    Text left;  // the page text as both passes leave it
};

BothPasses Harvest(Text page) {
    BothPasses out;
    HarvestPass(page, "\"http", "\"", out.list);
    HarvestPass(page, "'http", "'", out.list);
    out.left = page;
    return out;
}

BothPasses ModelHarvest(Text page) {
    BothPasses out;
    DeletingPass(page, "\"http", "\"", out.list);
    DeletingPass(page, "'http", "'", out.list);
    out.left = page;
    return out;
}

struct PageCase {
    const char* what;
    Text page;
    List expected;
};

const std::vector<PageCase> kPages = {
    {"one double-quoted link", "a\"http://h/p.jpg\"b", {"http://h/p.jpg"}},
    {"a short candidate does not stall the pass",
     "x=\"http\" y=\"http://h/a.png\" z=\"http://h/b.png\"", {"http://h/a.png", "http://h/b.png"}},
    {"a script's 'https:' before single-quoted links",
     "if (p == 'https:') u = 'http://h/s1.jpg'; v = 'http://h/s2.jpg';",
     {"http://h/s1.jpg", "http://h/s2.jpg"}},
    {"the page ends right after an opener", "\"http://h/a.jpg\" \"http", {"http://h/a.jpg"}},
    {"single quotes only in the second pass", "'http://h/q.gif' \"http://h/d.gif\"",
     {"http://h/d.gif", "http://h/q.gif"}},
    {"seven bytes are recorded, six are not", "\"http://\" \"https:\" \"http:/\"", {"http://"}},
    {"an opener without a closer", "\"http://h/never", {}},
    {"an unclosed opener after a link", "\"http://h/a.jpg\" \"http://h/never", {"http://h/a.jpg"}},
    {"no opener at all", "<html>nothing quoted here</html>", {}},
    {"capitals open nothing", "\"HTTP://h/x.jpg\" 'Http://h/y.jpg'", {}},
    {"every occurrence separately",
     "\"http://h/a.jpg\"\"http://h/a.jpg\" \"http://h/a.jpg\"",
     {"http://h/a.jpg", "http://h/a.jpg", "http://h/a.jpg"}},
    {"a closing quote opens the next link", "\"http://h/1.jpg\"http://h/2.jpg\"",
     {"http://h/1.jpg", "http://h/2.jpg"}},
    {"Chinese text right before the quotes",
     "图片\"http://h/图.jpg\"说明'http://h/b.jpg'中", {"http://h/图.jpg", "http://h/b.jpg"}},
    {"a lone UTF-8 lead byte before a quote", "\xE4\"http://h/a.jpg\"\xF0'http://h/b.jpg'",
     {"http://h/a.jpg", "http://h/b.jpg"}},
    {"whatever stands between the quotes",
     "\"http://h/a b\r\n<i>\\u0026</i>\"", {"http://h/a b\r\n<i>\\u0026</i>"}},
    // The first pass cuts its links out, so a single-quoted link inside a
    // double-quoted one is gone before the second pass looks.
    {"a single-quoted link inside a double-quoted one",
     "\"http://h/a.jpg?u='http://h/in.jpg'\" 'http://h/out.jpg'",
     {"http://h/a.jpg?u='http://h/in.jpg'", "http://h/out.jpg"}},
    // ...and a single-quoted stretch can close only after it.
    {"a double-quoted link inside a single-quoted stretch",
     "'http://h/s.jpg \"http://h/d.jpg\" '",
     {"http://h/d.jpg", "http://h/s.jpg g\" "}},
    // What the first pass leaves can spell a new single-quoted opener.
    {"the first pass's leftovers open a single-quoted candidate",
     "'htt\"http://h/a.php\" and more 'x",
     {"http://h/a.php", "http\" and more "}},
    // The same within one pass: the leftover opener is too short to record.
    {"leftovers spelling a short double-quoted opener",
     "\"htt\"http://h/a.php\" \"http://h/b.jpg\"", {"http://h/a.php", "http://h/b.jpg"}},
    // The tries are counted before the pass (one per opener, one more for the
    // text after the last); two leftover openers use up two of them, so the
    // last link is never reached.
    {"leftover openers use up the tries",
     "\"htt\"http://h/a.php\" \"htt\"http://h/c.php\" \"http://h/b.jpg\" ",
     {"http://h/a.php", "http://h/c.php"}},
};

TEST(HarvestPass, PagesGiveTheirLinksInOrder) {
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Harvest(c.page).list, c.expected);
    }
}

TEST(HarvestPass, CutsRecordedLinksOutOfThePage) {
    // The opener and all of the link but its last byte go; the closing quote stays.
    Text page = "a\"http://h/p.jpg\"b";
    List list;
    HarvestPass(page, "\"http", "\"", list);
    EXPECT_EQ(page, "ag\"b");

    page = "x \"http\" \"http://h/1.jpg\"http://h/2.jpg\" y";
    HarvestPass(page, "\"http", "\"", list);
    EXPECT_EQ(page, "x \"http\" gg\" y");
}

TEST(HarvestPass, AppendsToTheList) {
    Text page = "\"http://h/new.jpg\"";
    List list = {"http://h/old.jpg"};
    HarvestPass(page, "\"http", "\"", list);
    EXPECT_EQ(list, (List{"http://h/old.jpg", "http://h/new.jpg"}));
}

TEST(HarvestPass, MatchesTheDeletingPassOnTheTablePages) {
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.what);
        const BothPasses model = ModelHarvest(c.page);
        const BothPasses mine = Harvest(c.page);
        EXPECT_EQ(mine.list, model.list);
        EXPECT_EQ(mine.left, model.left);
    }
}

// Pages stitched from the pieces that make passes tricky: both quotes,
// opener fragments that leftovers can complete, short words, escapes,
// Chinese characters and broken UTF-8.
TEST(HarvestPass, MatchesTheDeletingPassOnMixedPages) {
    const std::vector<Text> pieces = {
        "\"", "'", "\"", "'", "http", "http", "htt", "p", "s:", "://h/", "a.jpg", "x.php",
        "图", "说明", "\xE4", "\x80", " ", "\\/", "HTTP", "\"http", "'http", "=", "\r\n",
        "\"htt", "'htt", "a.php",
    };
    std::mt19937 random(20240601);
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 40);
    for (int round = 0; round < 20000; ++round) {
        Text page;
        for (int i = length(random); i > 0; --i) page += pieces[pick(random)];
        const BothPasses model = ModelHarvest(page);
        const BothPasses mine = Harvest(page);
        ASSERT_EQ(mine.list, model.list) << "page: " << page;
        ASSERT_EQ(mine.left, model.left) << "page: " << page;
    }
}

}  // namespace
