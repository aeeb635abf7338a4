#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// Reads separated records one at a time: fields in double quotes may hold
// separators, line breaks and doubled quotes; lines end in CRLF or LF; a
// leading UTF-8 byte order mark is passed over, and a blank line is a record
// of one empty field. The separator is a comma, a semicolon or a TAB: the
// one given, or the one the first line holds most of outside quotes (a
// comma when it holds none). Memory stays that of one record whatever the
// length of the input.
class CsvReader {
public:
    // Fills the buffer with up to `size` bytes; 0 at the end. May throw.
    using Source = std::function<std::size_t(char*, std::size_t)>;

    enum class Status { Record, Malformed, End };

    explicit CsvReader(Source source, char separator = 0);

    // The next record; Malformed comes with the problem, and the reader
    // goes on at the next line.
    Status next();
    std::span<const std::string> fields() const { return {fields_.data(), count_}; }
    long long line() const { return recordLine_; } // where the record began
    std::string_view problem() const { return problem_; }
    // The one given, or found in the first record; a comma before that.
    char separator() const { return separator_; }

    // A field is cut here, and its record is malformed.
    static constexpr std::size_t kLongestField = 65536;

private:
    bool refill();
    bool atEnd() { return at_ == end_ && !refill(); }
    std::string& newField();
    void append(const char* from, const char* to);
    void skipLine();
    bool endOfLine(char c);
    void detectSeparator();

    Source source_;
    char separator_;
    bool detect_; // none was given: the first record says
    std::vector<char> buffer_;
    const char* at_ = nullptr;
    const char* end_ = nullptr;
    bool exhausted_ = false;
    bool started_ = false;
    long long line_ = 1;
    long long recordLine_ = 0;
    std::vector<std::string> fields_;
    std::size_t count_ = 0;
    std::string problem_;
};

// Writes records as the reader reads them, CRLF after each; a field is
// quoted when it holds the separator, a quote or a line break.
class CsvWriter {
public:
    using Sink = std::function<void(std::string_view)>;

    explicit CsvWriter(Sink sink, char separator = ',');

    void field(std::string_view text);
    void endRecord();
    void flush();

private:
    char* room(std::size_t bytes);

    Sink sink_;
    char separator_;
    std::array<bool, 256> quoted_{}; // the bytes that make a field quoted
    // Written, not yet sunk: its first used_ of capacity_ bytes.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    bool firstField_ = true;
};

} // namespace orbel
