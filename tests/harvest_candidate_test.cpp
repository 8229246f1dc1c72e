#include <gtest/gtest.h>

#include <sys/resource.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <unistd.h>
#include <vector>

#include "harvest/handle_candidate.h"
#include "harvest/md5.h"

namespace fs = std::filesystem;

namespace {

using Log = std::vector<Text>;
using Names = std::set<Text>;

const Text kSeparator = " @#@ #@ #$ %$% $";

// A JPEG-like picture: the usual JFIF header, whose zero byte comes early,
// then an address (as pictures carry in their metadata) and bytes that
// depend on `seed`, so that pictures of different seeds differ.
Bytes Picture(size_t size, unsigned char seed = 1) {
    Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00};
    for (char c : Text("http://ns.adobe.com/xap/1.0/")) b.push_back(static_cast<unsigned char>(c));
    for (size_t i = 0; b.size() < size; ++i) b.push_back(static_cast<unsigned char>(i * 31 + seed));
    b.resize(size);
    return b;
}

Bytes Png(size_t size) {
    Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (size_t i = 0; b.size() < size; ++i) b.push_back(static_cast<unsigned char>(i * 7 + 3));
    return b;
}

// Text all through, no zero byte: what a server sends as an error page.
Bytes WebPage(size_t size) {
    Text t = "<html><body><a href=\"http://127.0.0.1/\">home</a>";
    while (t.size() < size) t += " not found";
    t.resize(size);
    return ToBytes(t);
}

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One run's worth of state around HandleCandidate: a folder of its own, a
// fake fetch serving fixed bodies (empty for unknown addresses), the log.
class CandidateTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("kestrix-candidate-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        env.LogLine = [this](const Text& entry) { log.push_back(entry); };
        env.FilterOn = &filterOn;
        env.CompatOn = &compatOn;
        env.fetch = [this](const Text& url) {
            fetched.push_back(url);
            const auto it = bodies.find(url);
            return it == bodies.end() ? Bytes() : it->second;
        };
    }
    void TearDown() override { fs::remove_all(folder); }

    Log Handle(long long n, const Text& c) {
        log.clear();
        HandleCandidate(env, n, c, folder, SeenUrls, SeenDigests);
        return log;
    }
    // Forgets what earlier candidates left, as a new run would.
    void NewRun() {
        SeenUrls.clear();
        SeenDigests.clear();
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    Names Files() const {
        Names names;
        for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
        return names;
    }

    fs::path folder;
    std::atomic<int> filterOn{1};
    std::atomic<int> compatOn{0};
    RunEnvironment env;
    Log log;
    std::vector<Text> fetched;
    std::map<Text, Bytes> bodies;
    Text SeenUrls;
    Text SeenDigests;
};

struct FilterCase {
    Text c;
    bool breaks;
};

TEST_F(CandidateTest, FilterRulesSkipLinksOnlyWhileCompatIsOff) {
    const std::vector<FilterCase> cases = {
        {"https://500px.com{{url}}", true},
        {"http://h.example/abcd.jpg", true},   // 25 bytes
        {"http://h.example/abcde.jpg", false}, // 26 bytes
        {"http://h.example/files/doc.pdf", true},
        {"http://h.example/files/app.js", true},
        {"http://h.example/files/site.css", true},
        {"http://h.example/www.example.com", true},
        {"http://h.example/files/DOC.PDF", false},
        {"http://h.example/files/a.css?v=2", false},
        {"http://h.example/files/a.jsp", false},
    };
    for (int compat : {0, 1}) {
        compatOn = compat;
        for (const FilterCase& f : cases) {
            SCOPED_TRACE(f.c + " compat " + std::to_string(compat));
            NewRun();
            fetched.clear();
            bodies[f.c] = Picture(300000);
            const Log entries = Handle(7, f.c);
            if (f.breaks && compat == 0) {
                EXPECT_EQ(entries, Log{"跳过：" + f.c + "（原因：URL不符合过滤规则）"});
                EXPECT_TRUE(fetched.empty());
                EXPECT_TRUE(Files().empty());
            } else {
                EXPECT_EQ(entries, (Log{"下载：" + f.c, "已收录此文件（大小：292KB）"}));
                EXPECT_EQ(fetched, std::vector<Text>{f.c});
                EXPECT_EQ(Files(), Names{"7（大小：292KB）.jpg"});
            }
            // Either way the link now counts as handled.
            EXPECT_EQ(SeenUrls, kSeparator + f.c);
        }
    }
}

TEST_F(CandidateTest, DuplicatesAreSkippedAndPartsOfEarlierLinksCount) {
    const Text withQuery = "http://h.example/pics/edge.jpg?v=1";
    const Text plain = "http://h.example/pics/edge.jpg";
    bodies[withQuery] = Picture(300000, 1);
    bodies[plain] = Picture(300000, 2);

    EXPECT_EQ(Handle(1, withQuery), (Log{"下载：" + withQuery, "已收录此文件（大小：292KB）"}));
    EXPECT_EQ(Handle(2, withQuery), Log{"跳过：" + withQuery + "（原因：重复的URL）"});
    EXPECT_EQ(Handle(3, plain), Log{"跳过：" + plain + "（原因：重复的URL）"});
    EXPECT_EQ(SeenUrls, kSeparator + withQuery);
    EXPECT_EQ(fetched, std::vector<Text>{withQuery});
    EXPECT_EQ(Files(), Names{"1（大小：292KB）.jpg"});
}

TEST_F(CandidateTest, FilteredLinksJoinTheSeenLinks) {
    const Text pdf = "http://h.example/files/doc.pdf";
    bodies[pdf] = Picture(300000);
    const Log filtered{"跳过：" + pdf + "（原因：URL不符合过滤规则）"};
    EXPECT_EQ(Handle(1, pdf), filtered);
    EXPECT_EQ(Handle(2, pdf), filtered);  // the filter entry again, not the duplicate one
    EXPECT_EQ(SeenUrls, kSeparator + pdf + kSeparator + pdf);
    compatOn = 1;
    EXPECT_EQ(Handle(3, pdf), Log{"跳过：" + pdf + "（原因：重复的URL）"});
    EXPECT_TRUE(fetched.empty());
}

struct ScreenCase {
    const char* what;
    Bytes body;
    int filter;
    int compat;
    Text entry;     // the entry after "下载：" c
    Text keptName;  // empty when the file is deleted
};

TEST_F(CandidateTest, ScreeningDeletesOrKeepsEachFile) {
    const Text notPicture = "已删除此文件（原因：此文件非图片文件）";
    const Text small = "已删除此文件（原因：此文件小于200KB）";
    const Text failed = "已删除此文件（原因：下载失败）";
    Bytes xmp = ToBytes("<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?><x:xmpmeta xmlns:x='http://ns.adobe.com/'>");
    xmp.push_back(0);
    xmp.resize(300000, 0x55);
    const std::vector<ScreenCase> cases = {
        {"error page", WebPage(300), 1, 0, notPicture, ""},
        {"error page, compat on", WebPage(300), 1, 1, small, ""},
        {"error page, compat on, no size filter", WebPage(300), 0, 1, "已收录此文件（大小：0KB）", "5（大小：0KB）.jpg"},
        {"large text file", WebPage(300000), 0, 0, notPicture, ""},
        {"large text file, compat on", WebPage(300000), 1, 1, "已收录此文件（大小：292KB）", "5（大小：292KB）.jpg"},
        {"address after the header's zero byte", Picture(300000), 1, 0, "已收录此文件（大小：292KB）", "5（大小：292KB）.jpg"},
        {"address before any zero byte", xmp, 1, 0, notPicture, ""},
        {"204799 bytes", Picture(204799), 1, 0, small, ""},
        {"204799 bytes, no size filter", Picture(204799), 0, 0, "已收录此文件（大小：199KB）", "5（大小：199KB）.jpg"},
        {"204800 bytes", Picture(204800), 1, 0, "已收录此文件（大小：200KB）", "5（大小：200KB）.jpg"},
        {"205823 bytes", Picture(205823), 1, 0, "已收录此文件（大小：200KB）", "5（大小：200KB）.jpg"},
        {"1 MiB", Picture(1048576), 1, 0, "已收录此文件（大小：1024KB）", "5（大小：1024KB）.jpg"},
        {"PNG", Png(250000), 1, 0, "已收录此文件（大小：244KB）", "5（大小：244KB）.jpg"},
        {"failed fetch", Bytes(), 1, 0, small, ""},
        {"failed fetch, no size filter", Bytes(), 0, 0, failed, ""},
        {"failed fetch, no size filter, compat on", Bytes(), 0, 1, failed, ""},
    };
    const Text c = "http://h.example/pics/picture.jpg";
    for (const ScreenCase& s : cases) {
        SCOPED_TRACE(s.what);
        NewRun();
        filterOn = s.filter;
        compatOn = s.compat;
        bodies[c] = s.body;
        EXPECT_EQ(Handle(5, c), (Log{"下载：" + c, s.entry}));
        if (s.keptName.empty()) {
            EXPECT_TRUE(Files().empty());
            EXPECT_EQ(SeenDigests, "");
        } else {
            EXPECT_EQ(Files(), Names{s.keptName});
            EXPECT_EQ(ReadFile(folder / s.keptName), s.body);
            EXPECT_EQ(SeenDigests, " " + Md5Hex(s.body));
        }
    }
}

TEST_F(CandidateTest, EqualContentIsKeptOnce) {
    const Text a = "http://h.example/pics/copy-a.jpg";
    const Text b = "http://h.example/pics/copy-b.jpg";
    const Text c = "http://h.example/pics/other.jpg";
    bodies[a] = bodies[b] = Picture(250000, 9);
    bodies[c] = Picture(250000, 10);
    EXPECT_EQ(Handle(1, a), (Log{"下载：" + a, "已收录此文件（大小：244KB）"}));
    EXPECT_EQ(Handle(2, b), (Log{"下载：" + b, "已删除此文件/原因：MD5重复"}));
    EXPECT_EQ(Handle(3, c), (Log{"下载：" + c, "已收录此文件（大小：244KB）"}));
    EXPECT_EQ(Files(), (Names{"1（大小：244KB）.jpg", "3（大小：244KB）.jpg"}));
    EXPECT_EQ(SeenDigests, " " + Md5Hex(bodies[a]) + " " + Md5Hex(bodies[c]));
}

TEST_F(CandidateTest, FilesDeletedForTheirSizeDoNotCountAsSeen) {
    const Text a = "http://h.example/pics/small-a.jpg";
    const Text b = "http://h.example/pics/small-b.jpg";
    bodies[a] = bodies[b] = Picture(100000);
    EXPECT_EQ(Handle(1, a), (Log{"下载：" + a, "已删除此文件（原因：此文件小于200KB）"}));
    filterOn = 0;
    EXPECT_EQ(Handle(2, b), (Log{"下载：" + b, "已收录此文件（大小：97KB）"}));
}

TEST_F(CandidateTest, FailedDownloadsAreNeverKept) {
    filterOn = 0;
    const Text a = "http://h.example/pics/gone-a.jpg";
    const Text b = "http://h.example/pics/gone-b.jpg";
    EXPECT_EQ(Handle(1, a), (Log{"下载：" + a, "已删除此文件（原因：下载失败）"}));
    EXPECT_EQ(Handle(2, b), (Log{"下载：" + b, "已删除此文件（原因：下载失败）"}));
    EXPECT_TRUE(Files().empty());
    EXPECT_EQ(SeenDigests, "");
}

TEST_F(CandidateTest, AFileThatCannotBeWrittenIsReported) {
    const Text c = "http://h.example/pics/blocked.jpg";
    bodies[c] = Picture(300000);
    fs::create_directory(folder / "4.jpg");  // something not ours holds the name
    EXPECT_EQ(Handle(4, c), (Log{"下载：" + c, "保存失败：" + (folder / "4.jpg").string()}));
    EXPECT_TRUE(fs::is_directory(folder / "4.jpg"));
    EXPECT_EQ(Files(), Names{"4.jpg"});
    EXPECT_EQ(SeenDigests, "");
}

TEST_F(CandidateTest, AFileThatCannotBeRenamedIsReported) {
    const Text c = "http://h.example/pics/taken.jpg";
    bodies[c] = Picture(300000);
    const fs::path taken = folder / "4（大小：292KB）.jpg";
    std::ofstream(taken) << "someone else's";
    EXPECT_EQ(Handle(4, c), (Log{"下载：" + c, "保存失败：" + taken.string()}));
    EXPECT_EQ(Files(), Names{"4（大小：292KB）.jpg"});
    EXPECT_EQ(ReadFile(taken), ToBytes("someone else's"));
    EXPECT_EQ(SeenDigests, "");
}

// Runs in a child process: a file size limit makes the write stop short.
void HandleWithShortWrite(const RunEnvironment& env, const fs::path& folder) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100000, 100000};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) std::exit(2);
    Log log;
    RunEnvironment quiet = env;
    quiet.LogLine = [&log](const Text& entry) { log.push_back(entry); };
    Text seenUrls, seenDigests;
    const Text c = "http://h.example/pics/big.jpg";
    HandleCandidate(quiet, 6, c, folder, seenUrls, seenDigests);
    const bool ok = log == Log{"下载：" + c, "保存失败：" + (folder / "6.jpg").string()} &&
                    !fs::exists(folder / "6.jpg") && seenDigests.empty();
    std::exit(ok ? 0 : 1);
}

TEST_F(CandidateTest, AFileWrittenOnlyInPartIsReportedAndRemoved) {
    bodies["http://h.example/pics/big.jpg"] = Picture(300000);
    EXPECT_EXIT(HandleWithShortWrite(env, folder), ::testing::ExitedWithCode(0), "");
}

TEST(Md5Hex, GivesUpperCaseHex) {
    EXPECT_EQ(Md5Hex(Bytes()), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(Md5Hex(ToBytes("abc")), "900150983CD24FB0D6963F7D28E17F72");
    Bytes withZero = {'a', 0, 'b'};
    EXPECT_NE(Md5Hex(withZero), Md5Hex(ToBytes("a")));  // the whole content counts
}

}  // namespace
