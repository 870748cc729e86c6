// veltar-cli calc and save.
#pragma once

namespace veltar::cli {

int RunCalc(int argc, char** argv);
int RunSave(int argc, char** argv);

}  // namespace veltar::cli
