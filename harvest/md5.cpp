#include "harvest/md5.h"

#include <openssl/evp.h>

#include <cstdlib>
#include <cstdio>
#include <memory>

namespace {

struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

// A digest that cannot be computed is as fatal as memory running out:
// every later decision about duplicates would be wrong.
[[noreturn]] void DigestFailed() {
    std::fputs("MD5 digest could not be computed\n", stderr);
    std::abort();
}

}  // namespace

Text Md5Hex(const Bytes& data) {
    DigestContext context(EVP_MD_CTX_new());
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!context ||
        EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1 ||
        EVP_DigestUpdate(context.get(), data.data(), data.size()) != 1 ||
        EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
        DigestFailed();
    static const char kHex[] = "0123456789ABCDEF";
    Text hex;
    hex.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0F];
    }
    return hex;
}
