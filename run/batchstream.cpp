// The streamed batch: a reading and writing thread, and worker threads that calculate
// whole blocks. A fixed ring of blocks bounds the memory: the reader waits for the
// oldest block to be written before it reuses it.
#include "run/batchstream.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "run/calculate.h"
#include "run/dbcase.h"

namespace veltar {
namespace {

// Span warnings would repeat for every case of a table; the table shows the spans,
// so the run goes on without them.
class NoWarnings : public CalcEvents {
public:
    void Warn(std::string_view, std::string_view) override {}
};

// Rows are kept in place from block to block, so their texts reuse their memory.
struct Block {
    std::vector<CaseRow> rows;
    std::size_t used = 0;
    std::string text;
    std::vector<FaultedRow> faults;
    std::int64_t cases = 0;
};

// Fills `b` up to its limits. `ended` becomes true at the end of the table or at a
// row that cannot be read, whose message goes to `failure`.
void ReadBlock(CaseTableReader& reader, const StreamOptions& options, Block& b, bool& ended, Status& failure) {
    b.rows.resize(std::max<std::size_t>(options.blockRows, 1));
    b.used = 0;
    std::size_t bytes = 0;
    while (b.used < b.rows.size() && bytes < options.blockBytes) {
        CaseRow& row = b.rows[b.used];
        bool got = false;
        if (Status s = reader.Next(row, got); !s) failure = s;
        if (!got) {
            ended = true;
            return;
        }
        bytes += sizeof(CaseRow) + row.Project.size() + row.Ident.size();
        ++b.used;
    }
}

// Every block starts from a fresh case, as the table's first row does: a case keeps
// values of the row before it that a faulted run did not reach.
void RunBlock(Block& b, Case& c, const Tables& tables, const ResultFormat& format) {
    c = Case{};
    b.text.clear();
    b.faults.clear();
    b.cases = 0;
    for (std::size_t i = 0; i < b.used; ++i) {
        const CaseRow& row = b.rows[i];
        if (row.comment) {
            format.Comment(b.text, row);
            continue;
        }
        CalculateRow(c, tables, row);
        const std::string fault = RunFault(c);
        if (!fault.empty()) b.faults.push_back({row.line, row.Ident, fault});
        ++b.cases;
        format.Calculated(b.text, row, c, fault);
    }
}

class Writer {
public:
    Writer(TextSink& sink, const FaultListener& faulted, StreamReport& report)
        : sink_(sink), faulted_(faulted), report_(report) {}

    Status Emit(const Block& b) {
        for (const FaultedRow& f : b.faults)
            if (faulted_) faulted_(f);
        report_.rows += static_cast<std::int64_t>(b.used);
        report_.cases += b.cases;
        report_.faulted += static_cast<std::int64_t>(b.faults.size());
        return sink_.Write(b.text);
    }

private:
    TextSink& sink_;
    const FaultListener& faulted_;
    StreamReport& report_;
};

Status RunOnCaller(CaseTableReader& reader, const Tables& tables, const ResultFormat& format,
                   const StreamOptions& options, Writer& writer) {
    Block b;
    Case c;
    Status failure = Status::Ok();
    for (bool ended = false; !ended;) {
        ReadBlock(reader, options, b, ended, failure);
        RunBlock(b, c, tables, format);
        if (Status s = writer.Emit(b); !s) return s;
    }
    return failure;
}

// Blocks handed to the workers in a ring; `ready` marks a block whose text is done.
class Workers {
public:
    Workers(int count, std::size_t slots, const Tables& tables, const ResultFormat& format)
        : blocks_(slots), ready_(slots, false), tables_(tables), format_(format) {
        for (int i = 0; i < count; ++i) threads_.emplace_back([this] { Work(); });
    }

    ~Workers() {
        {
            const std::lock_guard lock(m_);
            closing_ = true;
            pending_.clear();
        }
        changed_.notify_all();
        for (std::thread& t : threads_) t.join();
    }

    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    std::size_t Slots() const { return blocks_.size(); }
    Block& Slot(std::size_t i) { return blocks_[i]; }

    void Submit(std::size_t i) {
        {
            const std::lock_guard lock(m_);
            ready_[i] = false;
            pending_.push_back(i);
        }
        changed_.notify_all();
    }

    // Waits for block `i`; rethrows what its calculation threw.
    Block& Await(std::size_t i) {
        std::unique_lock lock(m_);
        changed_.wait(lock, [&] { return ready_[i] || error_; });
        if (error_) std::rethrow_exception(error_);
        return blocks_[i];
    }

private:
    void Work() {
        Case c;
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock lock(m_);
                changed_.wait(lock, [&] { return closing_ || !pending_.empty(); });
                if (pending_.empty()) return;
                i = pending_.front();
                pending_.pop_front();
            }
            std::exception_ptr error;
            try {
                RunBlock(blocks_[i], c, tables_, format_);
            } catch (...) {
                error = std::current_exception();
            }
            {
                const std::lock_guard lock(m_);
                ready_[i] = true;
                if (error && !error_) error_ = error;
            }
            changed_.notify_all();
        }
    }

    std::vector<Block> blocks_;
    std::vector<bool> ready_;
    const Tables& tables_;
    const ResultFormat& format_;
    std::mutex m_;
    std::condition_variable changed_;
    std::deque<std::size_t> pending_;
    bool closing_ = false;
    std::exception_ptr error_;
    std::vector<std::thread> threads_;
};

Status RunOnWorkers(CaseTableReader& reader, const Tables& tables, const ResultFormat& format,
                    const StreamOptions& options, Writer& writer) {
    // Two blocks a worker: one being calculated while the next waits, read ahead.
    Workers workers(options.jobs, 2 * static_cast<std::size_t>(options.jobs), tables, format);
    Status failure = Status::Ok();
    bool ended = false;
    std::size_t read = 0, written = 0;
    for (;;) {
        while (!ended && read - written < workers.Slots()) {
            const std::size_t slot = read % workers.Slots();
            ReadBlock(reader, options, workers.Slot(slot), ended, failure);
            if (workers.Slot(slot).used == 0) break;
            workers.Submit(slot);
            ++read;
        }
        if (written == read) return failure;
        if (Status s = writer.Emit(workers.Await(written % workers.Slots())); !s) return s;
        ++written;
    }
}

}  // namespace

void CalculateRow(Case& c, const Tables& tables, const CaseRow& row) {
    NoWarnings quiet;
    ApplyCaseRow(c, tables, row);
    Calculate(c, tables, quiet);
}

Status StreamResultTable(CaseTableReader& reader, const Tables& tables, const ResultFormat& format, TextSink& sink,
                         const StreamOptions& options, const FaultListener& faulted, StreamReport& report) {
    report = StreamReport{};
    std::string header;
    format.Header(header);
    if (Status s = sink.Write(header); !s) return s;
    Writer writer(sink, faulted, report);
    const Status s = options.jobs <= 1 ? RunOnCaller(reader, tables, format, options, writer)
                                       : RunOnWorkers(reader, tables, format, options, writer);
    report.warning = reader.Warning();
    return s;
}

}  // namespace veltar
