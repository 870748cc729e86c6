// veltar-cli batch: a case table in, its result table out.
#pragma once

namespace veltar::cli {

// Arguments after the word "batch": FILE.velti|- [-o OUT|-] [--format velto|csv|jsonl]
// [--jobs N] [--data DIR].
int RunBatch(int argc, char** argv);

}  // namespace veltar::cli
