// Batches of rows between the reading thread and the workers: a bounded
// number in flight, handed back in order.
#include "row_batches.h"

#include "csv.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace orbel {

bool RowBatch::add(const CsvReader& reader, CsvReader::Status status) {
    Row row;
    row.firstField = ends_.size();
    row.line = reader.line();
    row.status = status;
    if (status == CsvReader::Status::Malformed)
        row.problem = reader.problem();
    for (const std::string& field : reader.fields()) {
        texts_ += field;
        ends_.push_back(texts_.size());
    }
    row.fieldCount = ends_.size() - row.firstField;
    rows_.push_back(std::move(row));
    return rows_.size() < kMostRows && texts_.size() < kMostBytes;
}

void RowBatch::fieldsOf(const Row& row, std::vector<std::string_view>& fields) const {
    fields.clear();
    std::size_t start = row.firstField == 0 ? 0 : ends_[row.firstField - 1];
    for (std::size_t i = row.firstField; i < row.firstField + row.fieldCount; ++i) {
        fields.emplace_back(texts_.data() + start, ends_[i] - start);
        start = ends_[i];
    }
}

void RowBatch::clear() {
    rows_.clear();
    texts_.clear();
    ends_.clear();
    written.clear();
    finished = false; // an error ends the run: no batch with one is reused
}

namespace {

// Threads that take batches from a queue and mark each finished; like its
// lock, never copied.
class Workers {
public:
    // Throws, with no thread left running, when not one thread starts.
    Workers(const BatchWork& work, unsigned count)
        : work_(work) {
        try {
            for (unsigned i = 0; i < count; ++i)
                threads_.emplace_back([this] { serve(); });
        } catch (const std::system_error&) {
            if (threads_.empty())
                throw;
        }
    }

    ~Workers() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        queued_.notify_all();
        for (std::thread& thread : threads_)
            thread.join();
    }

    void submit(RowBatch& batch) {
        {
            const std::lock_guard lock(mutex_);
            queue_.push_back(&batch);
        }
        queued_.notify_one();
    }

    bool finished(const RowBatch& batch) {
        const std::lock_guard lock(mutex_);
        return batch.finished;
    }

    void waitFor(const RowBatch& batch) {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [&] { return batch.finished; });
    }

private:
    void serve() {
        for (;;) {
            RowBatch* batch = nullptr;
            {
                std::unique_lock lock(mutex_);
                queued_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (stopping_)
                    return;
                batch = queue_.front();
                queue_.pop_front();
            }
            try {
                work_(*batch);
            } catch (...) {
                batch->error = std::current_exception();
            }
            {
                const std::lock_guard lock(mutex_);
                batch->finished = true;
            }
            finished_.notify_all();
        }
    }

    const BatchWork& work_;
    std::mutex mutex_;
    std::condition_variable queued_;
    std::condition_variable finished_;
    std::deque<RowBatch*> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace

void runBatches(const FillBatch& fill, const BatchWork& work, const BatchWork& done) {
    // The reading takes some 30 % of a row's work: more than three workers
    // would wait for it.
    constexpr unsigned kMostWorkers = 4;
    unsigned cores = std::min(std::thread::hardware_concurrency(), kMostWorkers);
    // Declared before the workers, so that they stop before a batch goes.
    std::deque<std::unique_ptr<RowBatch>> inFlight; // oldest first
    std::vector<std::unique_ptr<RowBatch>> spare;
    std::optional<Workers> workers;
    const std::size_t mostInFlight = 2 * std::size_t{std::max(cores, 1U)} + 1;
    bool more = true;
    for (;;) {
        // Hand back the finished batches at the front; wait for the front one
        // when no other batch may be read yet. Only workers have batches in
        // flight.
        while (workers && !inFlight.empty() &&
               (!more || inFlight.size() == mostInFlight || workers->finished(*inFlight.front()))) {
            RowBatch& oldest = *inFlight.front();
            workers->waitFor(oldest);
            if (oldest.error)
                std::rethrow_exception(oldest.error);
            done(oldest);
            spare.push_back(std::move(inFlight.front()));
            inFlight.pop_front();
        }
        if (!more)
            return;
        // The next batch: a spare one, cleared, or a new one.
        if (spare.empty())
            spare.push_back(std::make_unique<RowBatch>());
        RowBatch& batch = *spare.back();
        batch.clear();
        more = fill(batch);
        if (!workers && more && cores >= 2) {
            try {
                workers.emplace(work, cores);
            } catch (const std::system_error&) { // no thread to be had: all on this one
                cores = 1;
            }
        }
        if (!workers) {
            work(batch);
            done(batch);
            continue;
        }
        workers->submit(batch);
        inFlight.push_back(std::move(spare.back()));
        spare.pop_back();
    }
}

} // namespace orbel
