#include "harvest/analysis_thread.h"

#include <utility>
#include <vector>

#include "harvest/batch_folder.h"
#include "harvest/handle_candidate.h"
#include "harvest/harvest_pass.h"

namespace {

const Text kHintText = " 请输入URL……";
constexpr size_t kShortestAnswer = 500;

const Text kNetworkFailure =
    "网络异常，可能的原因：\r\n"
    "1. 网络故障，请检查网络。\r\n"
    "2. 您使用的是Windows XP，本程序不兼容Windows XP，请更换其他操作系统。\r\n"
    "3. 您输入的URL有误。";
const Text kPageFailure =
    "500px访问异常,可能的原因：\r\n"
    "1. 您输入的URL不正确。\r\n"
    "2. 500px被屏蔽，请翻墙后访问。\r\n"
    "3. 网络故障，请检查网络设置。\r\n"
    "4. 本程序不兼容Windows XP，请更换其他操作系统使用。";

// The box holds an address unless it is empty or shows its hint text.
bool HasAddress(const RunEnvironment& env) {
    if (env.输入框().empty()) return false;
    return env.输入框() != kHintText;
}

// A body counts by its text: the bytes before its first zero byte.
bool LongEnough(const Bytes& body) { return BodyAsText(body).size() >= kShortestAnswer; }

void HarvestAndHandle(const RunEnvironment& env, Text page, const std::filesystem::path& BatchFolder) {
    std::vector<Text> CandidateList;
    Text SeenUrls;
    Text SeenDigests;
    env.LogLine("开始解析网页代码");
    HarvestPass(page, "\"http", "\"", CandidateList);
    HarvestPass(page, "'http", "'", CandidateList);
    env.LogLine("开始下载资源");
    for (size_t i = 0; i < CandidateList.size(); ++i)
        HandleCandidate(env, static_cast<long long>(i + 1), CandidateList[i],
                        BatchFolder, SeenUrls, SeenDigests);
}

}  // namespace

void AnalysisThread(const RunEnvironment& env) {
    env.LogLine("分析线程启动");
    if (!HasAddress(env)) {
        env.LogLine(" 未输入URL，线程无法工作。");
        env.LogLine("分析线程退出");
        return;
    }

    env.LogLine("检查网络连接……");
    if (!LongEnough(env.fetch(env.probeAddress))) {
        env.LogLine(kNetworkFailure);
        env.LogLine("分析线程退出");
        return;
    }
    env.LogLine("网络连接正常……");
    env.LogLine("下载500px网页代码……（如果速度缓慢，请翻墙后使用）");

    // Read again: the box may have changed while the probe ran.
    const Bytes pageBody = env.fetch(env.输入框());
    if (!LongEnough(pageBody)) {
        env.LogLine(kPageFailure);
        return;
    }
    // Script data in pages writes its slashes escaped.
    Text page = ReplaceAll(BodyAsText(pageBody), "\\/", "/");

    const BatchFolderResult batch =
        CreateBatchFolder(env.runsFolder, BatchFolderName(env.localClock()));
    if (!batch.created) {
        env.LogLine("无法创建文件夹：" + batch.folder.string());
        env.LogLine("分析线程退出");
        return;
    }

    HarvestAndHandle(env, std::move(page), batch.folder);
    env.LogLine("分析线程退出");
}
