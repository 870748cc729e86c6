// veltar-cli design.
#pragma once

namespace veltar::cli {

int RunDesignCommand(int argc, char** argv);

}  // namespace veltar::cli
