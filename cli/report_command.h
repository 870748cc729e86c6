// veltar-cli report: the printed report of a case as a PDF file, without a display.
#pragma once

namespace veltar::cli {

int RunReport(int argc, char** argv);

}  // namespace veltar::cli
