#include "common/text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

unsigned char ByteAt(const Text& text, Pos i) {
    return static_cast<unsigned char>(text[static_cast<size_t>(i)]);
}

// How many continuation bytes a lead byte announces.
int ExpectedTail(unsigned char lead) {
    if (lead < 0xC0) return 0;
    if (lead < 0xE0) return 1;
    if (lead < 0xF0) return 2;
    return 3;
}

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MatchesAt(const Text& text, Pos i, const Text& what, bool fold) {
    if (static_cast<size_t>(i) + what.size() > text.size()) return false;
    if (!fold) return text.compare(static_cast<size_t>(i), what.size(), what) == 0;
    for (size_t k = 0; k < what.size(); ++k)
        if (FoldAscii(text[static_cast<size_t>(i) + k]) != FoldAscii(what[k])) return false;
    return true;
}

Pos FindImpl(const Text& text, const Text& what, Pos start, bool fold) {
    const Pos size = static_cast<Pos>(text.size());
    Pos i = std::max<Pos>(start, 1) - 1;
    if (i >= size) return -1;
    if (what.empty()) return i + 1;
    // Every byte outside 0x80-0xBF starts a character, so when the needle
    // starts with such a byte a plain byte search lands only on character
    // starts; only the cut-off character at the very end must be refused.
    if (!fold && !IsContinuation(static_cast<unsigned char>(what[0]))) {
        const size_t at = text.find(what, static_cast<size_t>(i));
        if (at == Text::npos || CharLen(text, static_cast<Pos>(at)) == 0) return -1;
        return static_cast<Pos>(at) + 1;
    }
    while (i < size) {
        if (MatchesAt(text, i, what, fold)) return i + 1;
        const Pos step = CharLen(text, i);
        if (step == 0) return -1;
        i += step;
    }
    return -1;
}

}  // namespace

Pos CharLen(const Text& text, Pos i) {
    const Pos size = static_cast<Pos>(text.size());
    const int expected = ExpectedTail(ByteAt(text, i));
    Pos len = 1;
    while (len <= expected) {
        if (i + len >= size) return 0;  // cut off by the end of the text
        if (!IsContinuation(ByteAt(text, i + len))) break;
        ++len;
    }
    return len;
}

Pos Find(const Text& text, const Text& what, Pos start) {
    return FindImpl(text, what, start, false);
}

Pos FindNoCase(const Text& text, const Text& what, Pos start) {
    return FindImpl(text, what, start, true);
}

Text ReplaceAll(const Text& text, const Text& from, const Text& to) {
    if (from.empty()) return text;
    Text out;
    out.reserve(text.size());
    Pos done = 0;  // bytes of `text` already copied
    Pos at = Find(text, from, 1);
    while (at != -1) {
        out.append(text, static_cast<size_t>(done), static_cast<size_t>(at - 1 - done));
        out += to;
        done = at - 1 + static_cast<Pos>(from.size());
        at = Find(text, from, done + 1);
    }
    out.append(text, static_cast<size_t>(done), Text::npos);
    return out;
}

Pos SplitCount(const Text& text, const Text& sep) {
    if (sep.empty()) return 1;
    Pos pieces = 0;
    Pos pieceStart = 0;
    Pos at = Find(text, sep, 1);
    while (at != -1) {
        ++pieces;
        pieceStart = at - 1 + static_cast<Pos>(sep.size());
        at = Find(text, sep, pieceStart + 1);
    }
    if (pieceStart < static_cast<Pos>(text.size()) || pieces == 0) ++pieces;
    return pieces;
}

Text Mid(const Text& text, Pos start, Pos length) {
    const Pos size = static_cast<Pos>(text.size());
    if (start <= 0 || start > size || length <= 0) return Text();
    return text.substr(static_cast<size_t>(start - 1),
                       static_cast<size_t>(std::min(length, size - start + 1)));
}

Text Left(const Text& text, Pos length) { return Mid(text, 1, length); }

Text Right(const Text& text, Pos length) {
    const Pos size = static_cast<Pos>(text.size());
    if (length <= 0) return Text();
    if (length >= size) return text;
    return text.substr(static_cast<size_t>(size - length));
}

Text DeleteAt(const Text& text, Pos start, Pos length) {
    const Pos size = static_cast<Pos>(text.size());
    const Pos from = std::max<Pos>(start, 1) - 1;
    if (length <= 0 || from >= size) return text;
    Text out = text;
    out.erase(static_cast<size_t>(from), static_cast<size_t>(std::min(length, size - from)));
    return out;
}

namespace {
Text ChangeCase(const Text& text, char lo, char hi, int delta) {
    Text out = text;
    const Pos size = static_cast<Pos>(out.size());
    for (Pos i = 0; i < size;) {
        const Pos step = CharLen(out, i);
        if (step == 0) break;
        char& c = out[static_cast<size_t>(i)];
        if (step == 1 && c >= lo && c <= hi) c = static_cast<char>(c + delta);
        i += step;
    }
    return out;
}
}  // namespace

Text ToLowerAscii(const Text& text) { return ChangeCase(text, 'A', 'Z', 'a' - 'A'); }
Text ToUpperAscii(const Text& text) { return ChangeCase(text, 'a', 'z', 'A' - 'a'); }

bool IsBlank(const Text& text) {
    static const Text kIdeographicSpace = "\xE3\x80\x80";
    const Pos size = static_cast<Pos>(text.size());
    for (Pos i = 0; i < size;) {
        if (text[static_cast<size_t>(i)] == ' ') { ++i; continue; }
        if (text.compare(static_cast<size_t>(i), 3, kIdeographicSpace) == 0) { i += 3; continue; }
        return false;
    }
    return true;
}

bool EndsWith(const Text& text, const Text& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

Text NumberText(long long n) { return std::to_string(n); }

int LeadingNumber(const Text& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    double value = 0;
    bool any = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        any = true;
    }
    if (!any) return 0;
    value = std::trunc(negative ? -value : value);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

Text BodyAsText(const Bytes& body) {
    const void* zero = std::memchr(body.data(), 0, body.size());
    const size_t n = zero ? static_cast<size_t>(static_cast<const unsigned char*>(zero) - body.data())
                          : body.size();
    return Text(reinterpret_cast<const char*>(body.data()), n);
}

Bytes ToBytes(const Text& text) { return Bytes(text.begin(), text.end()); }
