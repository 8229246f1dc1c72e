#include "harvest/handle_candidate.h"

#include <fstream>
#include <system_error>

#include "harvest/md5.h"

namespace fs = std::filesystem;

namespace {

const Text kUrlSeparator = " @#@ #@ #$ %$% $";
// An unfilled link template of the photo site's pages.
const Text kFilterText = "https://500px.com{{url}}";
constexpr size_t kLongestFiltered = 25;
constexpr size_t kSmallestKept = 200 * 1024;

bool BreaksFilterRules(const Text& c) {
    return c == kFilterText || c.size() <= kLongestFiltered ||
           EndsWith(c, ".pdf") || EndsWith(c, ".js") ||
           EndsWith(c, ".css") || EndsWith(c, ".com");
}

// The link filter and the duplicate check; true when c is skipped. A link
// skipped by the filter still joins SeenUrls.
bool Skipped(const RunEnvironment& env, const Text& c, Text& SeenUrls) {
    bool skipped = false;
    if (BreaksFilterRules(c) && env.CompatOn->load() == 0) {
        env.LogLine("跳过：" + c + "（原因：URL不符合过滤规则）");
        skipped = true;
    }
    if (!skipped && Find(SeenUrls, c) != -1) {
        env.LogLine("跳过：" + c + "（原因：重复的URL）");
        return true;
    }
    SeenUrls += kUrlSeparator + c;
    return skipped;
}

// Writes the whole body; false when the file cannot be opened or written in
// full. A partly written file is removed; a path that could not be opened
// at all is left as it was, since it is not ours.
bool WriteWholeFile(const fs::path& path, const Bytes& body) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(body.data()),
              static_cast<std::streamsize>(body.size()));
    out.close();
    if (out) return true;
    std::error_code ignored;
    fs::remove(path, ignored);
    return false;
}

// The screening tests in their order, on the bytes just written (the same
// bytes the file holds). The deletion entry, or empty when the file stays.
Text DeletionReason(const RunEnvironment& env, const Bytes& body,
                    const Text& digest, const Text& SeenDigests) {
    // Only the bytes before the first zero count: a picture's header has one
    // early, so text further on in the picture is not looked at.
    if (env.CompatOn->load() == 0 && Find(BodyAsText(body), "http") != -1)
        return "已删除此文件（原因：此文件非图片文件）";
    if (env.FilterOn->load() == 1 && body.size() < kSmallestKept)
        return "已删除此文件（原因：此文件小于200KB）";
    if (Find(SeenDigests, digest) != -1) return "已删除此文件/原因：MD5重复";
    // An empty body is what every failed or timed-out fetch gives.
    if (body.empty()) return "已删除此文件（原因：下载失败）";
    return Text();
}

fs::path AcceptedPath(const fs::path& BatchFolder, long long n, long long kb) {
    return BatchFolder / (NumberText(n) + "（大小：" + NumberText(kb) + "KB）.jpg");
}

// Renames without replacing: the folder is the run's own, so a file already
// standing under the new name is not one to overwrite.
bool RenameWithinFolder(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (fs::exists(to, error) || error) return false;
    fs::rename(from, to, error);
    return !error;
}

}  // namespace

void HandleCandidate(const RunEnvironment& env, long long n, const Text& c,
                     const fs::path& BatchFolder, Text& SeenUrls, Text& SeenDigests) {
    if (Skipped(env, c, SeenUrls)) return;

    env.LogLine("下载：" + c);
    const Bytes body = env.fetch(c);
    const fs::path downloadPath = BatchFolder / (NumberText(n) + ".jpg");
    if (!WriteWholeFile(downloadPath, body)) {
        env.LogLine("保存失败：" + downloadPath.string());
        return;
    }

    const Text digest = Md5Hex(body);
    const Text reason = DeletionReason(env, body, digest, SeenDigests);
    std::error_code ignored;
    if (!reason.empty()) {
        env.LogLine(reason);
        fs::remove(downloadPath, ignored);
        return;
    }

    const long long kb = static_cast<long long>(body.size() / 1024);
    const fs::path acceptedPath = AcceptedPath(BatchFolder, n, kb);
    if (!RenameWithinFolder(downloadPath, acceptedPath)) {
        fs::remove(downloadPath, ignored);
        env.LogLine("保存失败：" + acceptedPath.string());
        return;
    }
    env.LogLine("已收录此文件（大小：" + NumberText(kb) + "KB）");
    SeenDigests += " " + digest;
}
