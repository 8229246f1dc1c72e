// Texts and byte arrays, and the text operations the whole program uses.
//
// A text is UTF-8 held in a std::string. Positions count bytes and start at
// 1; a search that finds nothing gives -1. Scans walk the text character by
// character: a byte of 0xC0 or above starts a character that takes the
// continuation bytes (0x80-0xBF) after it, at most three; any other byte is
// a character of its own; a character cut off by the end of the text ends
// the scan. So a match never starts inside a character.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;
using Bytes = std::vector<unsigned char>;
using Pos = long long;

// Length in bytes of the character that starts at byte index i (0-based),
// or 0 when the character is cut off by the end of the text (scan ends).
Pos CharLen(const Text& text, Pos i);

// First match of `what` at a character start, from `start` (1-based; 1 or
// less means the start of the text). -1 when not found. The empty text is
// found at the start position while anything is left to scan.
Pos Find(const Text& text, const Text& what, Pos start = 1);
// The same with the letters A-Z and a-z folded; other bytes compare as they are.
Pos FindNoCase(const Text& text, const Text& what, Pos start = 1);

// Every occurrence of `from` replaced by `to`, left to right, no overlaps.
Text ReplaceAll(const Text& text, const Text& from, const Text& to);

// Number of pieces the text falls into when split on `sep`: every
// occurrence ends a piece (even an empty one), and what follows the last
// occurrence is a piece only when it is not empty. A text without `sep`
// (the empty text included) is one piece.
Pos SplitCount(const Text& text, const Text& sep);

// Stretches count bytes and never adjust for characters.
Text Mid(const Text& text, Pos start, Pos length);
Text Left(const Text& text, Pos length);
Text Right(const Text& text, Pos length);
// Deletes `length` bytes at `start`; a start of 1 or less means the start.
Text DeleteAt(const Text& text, Pos start, Pos length);

Text ToLowerAscii(const Text& text);
Text ToUpperAscii(const Text& text);

// Empty, or nothing but ASCII spaces and U+3000 ideographic spaces.
bool IsBlank(const Text& text);
bool EndsWith(const Text& text, const Text& tail);

// Decimal, no leading zeros, minus sign for negative numbers.
Text NumberText(long long n);
// Leading numeric part of a text (sign, digits, a decimal point), truncated
// toward zero and kept within the range of int; 0 when there is none.
int LeadingNumber(const Text& text);

// A byte array used as text: the bytes before its first zero byte.
Text BodyAsText(const Bytes& body);
Bytes ToBytes(const Text& text);
