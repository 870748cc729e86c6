// veltar-cli sweep.
#pragma once

namespace veltar::cli {

int RunSweepCommand(int argc, char** argv);

}  // namespace veltar::cli
