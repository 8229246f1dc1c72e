#include "fetch/memory_file.h"

#include <algorithm>

namespace {

constexpr unsigned char kTextType = 'T';
constexpr unsigned char kBytesType = 'B';
constexpr size_t kLengthSize = 8;

void WriteRaw(MemoryFile& file, const unsigned char* bytes, size_t count) {
    const size_t end = file.position + count;
    if (file.data.size() < end) file.data.resize(end);
    std::copy(bytes, bytes + count, file.data.begin() + static_cast<std::ptrdiff_t>(file.position));
    file.position = end;
}

void WriteValue(MemoryFile& file, unsigned char type, const unsigned char* bytes, size_t count) {
    unsigned char head[1 + kLengthSize] = {type};
    for (size_t i = 0; i < kLengthSize; ++i) head[1 + i] = static_cast<unsigned char>(uint64_t{count} >> (8 * i));
    WriteRaw(file, head, sizeof head);
    WriteRaw(file, bytes, count);
}

// The value's bytes as [begin, end) of the data; false when there is none.
bool ReadValue(MemoryFile& file, unsigned char type, size_t& begin, size_t& end) {
    const size_t left = file.data.size() - std::min(file.position, file.data.size());
    if (left < 1 + kLengthSize || file.data[file.position] != type) {
        file.position = file.data.size();
        return false;
    }
    uint64_t count = 0;
    for (size_t i = 0; i < kLengthSize; ++i) count |= uint64_t{file.data[file.position + 1 + i]} << (8 * i);
    if (count > left - 1 - kLengthSize) {
        file.position = file.data.size();
        return false;
    }
    begin = file.position + 1 + kLengthSize;
    end = begin + count;
    file.position = end;
    return true;
}

}  // namespace

void MemSeekStart(MemoryFile& file) { file.position = 0; }

size_t MemLength(const MemoryFile& file) { return file.data.size(); }

void MemDeleteAtPosition(MemoryFile& file, size_t count) {
    const size_t at = std::min(file.position, file.data.size());
    const size_t end = at + std::min(count, file.data.size() - at);
    file.data.erase(file.data.begin() + static_cast<std::ptrdiff_t>(at),
                    file.data.begin() + static_cast<std::ptrdiff_t>(end));
}

void MemWriteText(MemoryFile& file, const Text& text) {
    WriteValue(file, kTextType, reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

void MemWriteBytes(MemoryFile& file, const Bytes& bytes) {
    WriteValue(file, kBytesType, bytes.data(), bytes.size());
}

Text MemReadText(MemoryFile& file) {
    size_t begin = 0, end = 0;
    if (!ReadValue(file, kTextType, begin, end)) return Text();
    return Text(file.data.begin() + static_cast<std::ptrdiff_t>(begin),
                file.data.begin() + static_cast<std::ptrdiff_t>(end));
}

Bytes MemReadBytes(MemoryFile& file) {
    size_t begin = 0, end = 0;
    if (!ReadValue(file, kBytesType, begin, end)) return Bytes();
    return Bytes(file.data.begin() + static_cast<std::ptrdiff_t>(begin),
                 file.data.begin() + static_cast<std::ptrdiff_t>(end));
}

void WriteRequestRecord(MemoryFile& file, const RequestRecord& record) {
    MemSeekStart(file);
    for (const Text* field : {&record.marker, &record.url, &record.method, &record.proxy,
                              &record.userName, &record.password, &record.extraHeaders,
                              &record.data, &record.cookies})
        MemWriteText(file, *field);
}

void ReadRequestFields(MemoryFile& file, RequestRecord& record) {
    for (Text* field : {&record.url, &record.method, &record.proxy, &record.userName,
                        &record.password, &record.extraHeaders, &record.data, &record.cookies})
        *field = MemReadText(file);
}

void WriteReplyRecord(MemoryFile& file, const ReplyRecord& record) {
    MemSeekStart(file);
    MemWriteText(file, record.marker);
    MemWriteText(file, record.headers);
    MemWriteBytes(file, record.body);
}

ReplyRecord ReadReplyRecord(MemoryFile& file) {
    MemSeekStart(file);
    ReplyRecord record;
    record.marker = MemReadText(file);
    record.headers = MemReadText(file);
    record.body = MemReadBytes(file);
    return record;
}
