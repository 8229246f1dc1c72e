// The in-memory file that carries one fetch's request to its worker and the
// reply back, and the two records written on it.
#pragma once

#include "common/text.h"

// A growable run of bytes with a current position. Values are written one
// after another at the position and read back in the same order and types:
// each is a type byte, its length in 8 bytes (little-endian) and its bytes.
struct MemoryFile {
    Bytes data;
    size_t position = 0;
};

void MemSeekStart(MemoryFile& file);
size_t MemLength(const MemoryFile& file);
// Deletes up to `count` bytes at the position.
void MemDeleteAtPosition(MemoryFile& file, size_t count);
void MemWriteText(MemoryFile& file, const Text& text);
void MemWriteBytes(MemoryFile& file, const Bytes& bytes);
// A value that is missing, cut short or of the other type reads as empty,
// and the position then moves to the end.
Text MemReadText(MemoryFile& file);
Bytes MemReadBytes(MemoryFile& file);

inline constexpr const char* kRequestMarker = "Quorvex";
inline constexpr const char* kReplyMarker = "Quorvex_OK";

struct RequestRecord {
    Text marker = kRequestMarker;
    Text url;
    Text method;
    Text proxy;
    Text userName;
    Text password;
    Text extraHeaders;
    Text data;
    Text cookies;
};

struct ReplyRecord {
    Text marker = kReplyMarker;
    Text headers;
    Bytes body;
};

// Both write from the start of the file and read from its start.
void WriteRequestRecord(MemoryFile& file, const RequestRecord& record);
void WriteReplyRecord(MemoryFile& file, const ReplyRecord& record);
ReplyRecord ReadReplyRecord(MemoryFile& file);
// The eight texts after the marker, read from the position.
void ReadRequestFields(MemoryFile& file, RequestRecord& record);
