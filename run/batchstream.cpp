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

// A block's rows as read: their texts one after the other. The worker reads their
// cells, so that the reading thread only finds the line ends.
struct RowText {
    std::size_t at = 0;
    std::size_t size = 0;
    int line = 0;
};

struct Block {
    std::string lines;
    std::vector<RowText> rows;
    // What the worker made of them: the text, the faulted cases, and the first row
    // whose cells could not be read (the rows after it are left alone).
    std::string text;
    std::vector<FaultedRow> faults;
    std::int64_t rowsDone = 0;
    std::int64_t cases = 0;
    Status failure = Status::Ok();
};

// Fills `b` up to its limits. `ended` becomes true at the end of the table or at a
// line that cannot be read, whose message goes to `failure`.
void ReadBlock(CaseLineReader& reader, const StreamOptions& options, Block& b, bool& ended, Status& failure) {
    b.lines.clear();
    b.rows.clear();
    while (b.rows.size() < std::max<std::size_t>(options.blockRows, 1) && b.lines.size() < options.blockBytes) {
        std::string_view text;
        int line = 0;
        bool got = false;
        if (Status s = reader.Next(text, line, got); !s) failure = s;
        if (!got) {
            ended = true;
            return;
        }
        b.rows.push_back({b.lines.size(), text.size(), line});
        b.lines += text;
    }
}

// Every block starts from a fresh case, as the table's first row does: a case keeps
// values of the row before it that a faulted run did not reach.
void RunBlock(Block& b, Case& c, CaseRow& row, const Tables& tables, const std::string& source,
              const StreamOptions& options, const ResultFormat& format) {
    c = Case{};
    b.text.clear();
    b.faults.clear();
    b.rowsDone = 0;
    b.cases = 0;
    b.failure = Status::Ok();
    for (const RowText& r : b.rows) {
        b.failure = ReadCaseRowText(std::string_view(b.lines).substr(r.at, r.size), r.line, source, tables,
                                    options.decSep, row);
        if (!b.failure) return;
        ++b.rowsDone;
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
        report_.rows += b.rowsDone;
        report_.cases += b.cases;
        report_.faulted += static_cast<std::int64_t>(b.faults.size());
        if (Status s = sink_.Write(b.text); !s) return s;
        return b.failure;
    }

private:
    TextSink& sink_;
    const FaultListener& faulted_;
    StreamReport& report_;
};

Status RunOnCaller(CaseLineReader& reader, const Tables& tables, const ResultFormat& format,
                   const StreamOptions& options, Writer& writer) {
    Block b;
    Case c;
    CaseRow row;
    Status failure = Status::Ok();
    for (bool ended = false; !ended;) {
        ReadBlock(reader, options, b, ended, failure);
        RunBlock(b, c, row, tables, reader.Source(), options, format);
        if (Status s = writer.Emit(b); !s) return s;
    }
    return failure;
}

// Blocks handed to the workers in a ring; `ready` marks a block whose text is done.
class Workers {
public:
    Workers(std::size_t slots, const Tables& tables, const std::string& source, const StreamOptions& options,
            const ResultFormat& format)
        : blocks_(slots), ready_(slots, false), tables_(tables), source_(source), options_(options), format_(format) {
        for (int i = 0; i < options.jobs; ++i) threads_.emplace_back([this] { Work(); });
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
        CaseRow row;
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
                RunBlock(blocks_[i], c, row, tables_, source_, options_, format_);
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
    const std::string& source_;
    const StreamOptions& options_;
    const ResultFormat& format_;
    std::mutex m_;
    std::condition_variable changed_;
    std::deque<std::size_t> pending_;
    bool closing_ = false;
    std::exception_ptr error_;
    std::vector<std::thread> threads_;
};

Status RunOnWorkers(CaseLineReader& reader, const Tables& tables, const ResultFormat& format,
                    const StreamOptions& options, Writer& writer) {
    // Two blocks a worker: one being calculated while the next waits, read ahead.
    Workers workers(2 * static_cast<std::size_t>(options.jobs), tables, reader.Source(), options, format);
    Status failure = Status::Ok();
    bool ended = false;
    std::size_t read = 0, written = 0;
    for (;;) {
        while (!ended && read - written < workers.Slots()) {
            const std::size_t slot = read % workers.Slots();
            ReadBlock(reader, options, workers.Slot(slot), ended, failure);
            if (workers.Slot(slot).rows.empty()) break;
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
    ApplyCaseRow(c, tables, row);
    CalculateNumbers(c, tables);
}

Status StreamResultTable(CaseLineReader& reader, const Tables& tables, const ResultFormat& format, TextSink& sink,
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
