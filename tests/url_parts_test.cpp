#include "fetch/url_parts.h"

#include <gtest/gtest.h>

namespace {

struct UrlCase {
    Text address;
    Text host;
    Text hostWithPort;
    Text path;
    int port;
};

class UrlPartsTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(UrlPartsTest, SplitsAddress) {
    const UrlCase& c = GetParam();
    EXPECT_EQ(UrlHost(c.address), c.host) << c.address;
    EXPECT_EQ(UrlHost(c.address, kUrlKeepPort), c.hostWithPort) << c.address;
    EXPECT_EQ(UrlPath(c.address), c.path) << c.address;
    EXPECT_EQ(UrlPort(c.address), c.port) << c.address;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlPartsTest,
    ::testing::Values(
        UrlCase{"http://WWW.Example.COM:8080/Path/To?Q=1#Frag", "www.example.com",
                "www.example.com:8080", "/Path/To?Q=1#Frag", 8080},
        UrlCase{"http://host", "host", "host", "/", 80},
        UrlCase{"http://host?q=1", "host?q=1", "host?q=1", "/", 80},
        UrlCase{"https://500px.com/popular", "500px.com", "500px.com", "/popular", 443},
        UrlCase{"https://h:8443/x", "h", "h:8443", "/x", 8443},
        UrlCase{"example.com/a/b", "example.com", "example.com", "/a/b", 80},
        // Capital scheme is no scheme: the host is its letters, the port empty.
        UrlCase{"HTTP://Host/x", "http", "http:", "//Host/x", 0},
        UrlCase{"http://h:/x", "h", "h:", "/x", 0},
        // The earlier scheme wins: an http address in the query is not the host.
        UrlCase{"https://a.com/r?u=http://b.com/c", "a.com", "a.com", "/r?u=http://b.com/c", 443},
        UrlCase{"http://a.com/r?u=https://b.com/c", "a.com", "a.com", "/r?u=https://b.com/c", 80},
        // A one-letter host that is a letter of the scheme is looked for after the scheme.
        UrlCase{"http://t/p", "t", "t", "/p", 80},
        UrlCase{"https://s/q", "s", "s", "/q", 443},
        UrlCase{"", "", "", "/", 80}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(UrlParts, SchemeDetection) {
    EXPECT_TRUE(UrlIsHttps("https://x/"));
    EXPECT_FALSE(UrlIsHttps("http://x/?https://y/"));
    EXPECT_EQ(UrlHostStart("xx https://h/"), 12);
}

}  // namespace
