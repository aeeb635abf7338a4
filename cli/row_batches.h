#pragma once

// A table's rows read a batch at a time in one thread, filled in on the
// machine's other cores, and written in the order they came.

#include "csv.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// Records as the reader read them, and the text written for them.
class RowBatch {
public:
    struct Row {
        std::size_t firstField = 0; // among the batch's fields
        std::size_t fieldCount = 0;
        long long line = 0; // where the record began
        CsvReader::Status status = CsvReader::Status::Record;
        std::string problem; // a malformed record's
    };

    // Keeps the reader's current record; false once the batch is full.
    bool add(const CsvReader& reader, CsvReader::Status status);
    const std::vector<Row>& rows() const { return rows_; }
    // A row's fields, valid until the batch is cleared.
    void fieldsOf(const Row& row, std::vector<std::string_view>& fields) const;
    // Empties it for the next records; the work sets `failed` anew.
    void clear();

    std::string written;
    bool failed = false;      // a row failed or could not be read
    std::exception_ptr error; // what the work on it threw
    bool finished = false;    // the work is done: guarded by the workers' lock

    // Records and bytes a batch holds at most: a few batches in flight
    // keep the memory of a table as flat as that of one record.
    static constexpr std::size_t kMostRows = 1024;
    static constexpr std::size_t kMostBytes = 1 << 20;

private:
    std::vector<Row> rows_;
    std::string texts_;             // every field's text, one after another
    std::vector<std::size_t> ends_; // where each ends in texts_
};

// Fills the next batch; false after the last one, which may hold rows.
using FillBatch = std::function<bool(RowBatch&)>;
using BatchWork = std::function<void(RowBatch&)>;

// Fills batches in this thread, runs `work` on them on worker threads and
// hands each to `done` in this thread, in the order they were filled; what
// `fill` or `work` throws comes out here, after the workers have stopped.
// A table of one batch, or a machine of one core, starts no thread.
void runBatches(const FillBatch& fill, const BatchWork& work, const BatchWork& done);

} // namespace orbel
