// MD5 digest (RFC 1321) of a byte array, through OpenSSL's EVP interface.
#pragma once

#include "common/text.h"

// 32 upper-case hexadecimal digits.
Text Md5Hex(const Bytes& data);
