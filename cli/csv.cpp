// The table's reader and writer: separated records, quoted fields, a
// record's memory whatever the length of the input.
#include "csv.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace orbel {
namespace {

constexpr std::size_t kChunk = 1 << 16;
constexpr std::size_t kMostFields = 256;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

CsvReader::CsvReader(Source source, char separator)
    : source_(std::move(source))
    , separator_(separator != 0 ? separator : ',')
    , detect_(separator == 0)
    , buffer_(kChunk) {}

// The first line whole in the buffer, as far as the buffer holds it: the
// separator it holds most of outside quotes.
void CsvReader::detectSeparator() {
    constexpr std::string_view candidates = ",;\t";
    std::array<std::size_t, candidates.size()> counts{};
    for (const char* c = at_;;) {
        bool quoted = false;
        counts = {};
        for (c = at_; c < end_ && (quoted || (*c != '\n' && *c != '\r')); ++c) {
            quoted = quoted != (*c == '"');
            const std::size_t which = candidates.find(*c);
            if (!quoted && which != std::string_view::npos)
                ++counts[which];
        }
        const auto kept = static_cast<std::size_t>(end_ - at_);
        if (c < end_ || exhausted_ || kept == buffer_.size())
            break;
        std::memmove(buffer_.data(), at_, kept);
        const std::size_t read = source_(buffer_.data() + kept, buffer_.size() - kept);
        exhausted_ = read == 0;
        at_ = buffer_.data();
        end_ = at_ + kept + read;
    }
    separator_ =
        candidates[static_cast<std::size_t>(std::ranges::max_element(counts) - counts.begin())];
    detect_ = false;
}

bool CsvReader::refill() {
    if (exhausted_)
        return false;
    std::size_t filled = 0;
    // The mark is looked for in the first three bytes, however the source
    // hands them out.
    do {
        const std::size_t read = source_(buffer_.data() + filled, buffer_.size() - filled);
        if (read == 0)
            exhausted_ = true;
        filled += read;
    } while (!started_ && !exhausted_ && filled < kByteOrderMark.size());
    at_ = buffer_.data();
    end_ = at_ + filled;
    if (!started_ && std::string_view(at_, filled).starts_with(kByteOrderMark))
        at_ += kByteOrderMark.size();
    started_ = true;
    return at_ < end_ || (!exhausted_ && refill());
}

std::string& CsvReader::newField() {
    if (count_ == kMostFields) {
        problem_ = "more than " + std::to_string(kMostFields) + " fields";
        fields_.back().clear();
        return fields_.back();
    }
    if (count_ == fields_.size())
        fields_.emplace_back();
    std::string& field = fields_[count_++];
    field.clear();
    return field;
}

void CsvReader::append(const char* from, const char* to) {
    std::string& field = fields_[count_ - 1];
    if (field.size() + static_cast<std::size_t>(to - from) <= kLongestField) {
        field.append(from, to);
        return;
    }
    const std::size_t room = kLongestField - std::min(field.size(), kLongestField);
    if (static_cast<std::size_t>(to - from) > room && problem_.empty())
        problem_ = "a field longer than " + std::to_string(kLongestField) + " bytes";
    field.append(from, std::min(static_cast<std::size_t>(to - from), room));
}

bool CsvReader::endOfLine(char c) {
    if (c != '\n' && c != '\r')
        return false;
    ++at_;
    ++line_;
    if (c == '\r' && !atEnd() && *at_ == '\n')
        ++at_;
    return true;
}

void CsvReader::skipLine() {
    while (!atEnd() && !endOfLine(*at_))
        ++at_;
}

CsvReader::Status CsvReader::next() {
    problem_.clear();
    count_ = 0;
    if (atEnd())
        return Status::End;
    if (detect_)
        detectSeparator();
    recordLine_ = line_;
    for (;;) {
        newField();
        bool more = false; // the field ended at a comma
        if (!atEnd() && *at_ == '"') {
            ++at_;
            for (;;) {
                if (atEnd()) {
                    problem_ = "a quote is not closed";
                    return Status::Malformed;
                }
                // Scanned through locals: a char may alias the members.
                const char* at = at_;
                const char* const end = end_;
                long long lines = 0;
                for (; at < end && *at != '"'; ++at)
                    lines += *at == '\n' ? 1 : 0;
                line_ += lines;
                append(at_, at);
                at_ = at;
                if (at_ == end_)
                    continue;
                ++at_;
                if (atEnd() || *at_ != '"')
                    break;
                append(at_, at_ + 1); // a doubled quote is one
                ++at_;
            }
            more = !atEnd() && *at_ == separator_;
            if (!more && !atEnd() && !endOfLine(*at_)) {
                problem_ = "text after a closing quote";
                skipLine();
                return Status::Malformed;
            }
        } else {
            for (;;) {
                const char* at = at_;
                const char* const end = end_;
                const char separator = separator_;
                while (at < end && *at != separator && *at != '\n' && *at != '\r')
                    ++at;
                append(at_, at);
                at_ = at;
                if (at_ < end_ || atEnd())
                    break;
            }
            more = at_ < end_ && *at_ == separator_;
            if (at_ < end_ && !more)
                endOfLine(*at_);
        }
        if (!more)
            return problem_.empty() ? Status::Record : Status::Malformed;
        ++at_;
    }
}

CsvWriter::CsvWriter(Sink sink, char separator)
    : sink_(std::move(sink))
    , separator_(separator) {
    for (const char c : {separator, '"', '\r', '\n'})
        quoted_[static_cast<unsigned char>(c)] = true;
}

// Where the next `bytes` go; the buffer grows, and stays grown, for a
// longer record than it has held before.
char* CsvWriter::room(std::size_t bytes) {
    if (capacity_ - used_ < bytes) {
        const std::size_t capacity = std::max(used_ + bytes, 2 * std::max(capacity_, kChunk));
        auto grown = std::make_unique_for_overwrite<char[]>(capacity);
        std::copy(buffer_.get(), buffer_.get() + used_, grown.get());
        buffer_ = std::move(grown);
        capacity_ = capacity;
    }
    return buffer_.get() + used_;
}

void CsvWriter::field(std::string_view text) {
    // At worst a separator, two quotes and every byte doubled.
    char* at = room(2 * text.size() + 3);
    if (!firstField_)
        *at++ = separator_;
    firstField_ = false;
    // Copied as it is looked at: most fields need no quotes.
    char* const start = at;
    bool quote = false;
    for (const char c : text) {
        *at++ = c;
        quote |= quoted_[static_cast<unsigned char>(c)];
    }
    if (quote) {
        at = start;
        *at++ = '"';
        for (const char c : text) {
            if (c == '"')
                *at++ = '"';
            *at++ = c;
        }
        *at++ = '"';
    }
    used_ = static_cast<std::size_t>(at - buffer_.get());
}

void CsvWriter::endRecord() {
    char* at = room(2);
    at[0] = '\r';
    at[1] = '\n';
    used_ += 2;
    firstField_ = true;
    if (used_ >= kChunk)
        flush();
}

void CsvWriter::flush() {
    if (used_ != 0)
        sink_({buffer_.get(), std::exchange(used_, 0)});
}

} // namespace orbel
