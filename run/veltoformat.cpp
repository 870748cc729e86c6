// The result table's own text for the streamed batch: the same lines as the table the
// database window writes.
#include "files/resulttable.h"
#include "run/batchstream.h"

namespace veltar {

void VeltoFormat::Header(std::string& out) const {
    out += ResultHeader();
    out += "\r\n";
}

void VeltoFormat::Comment(std::string& out, const CaseRow& row) const {
    out += row.Project;
    out += "\r\n";
}

void VeltoFormat::Calculated(std::string& out, const CaseRow&, const Case& c, const std::string& fault) const {
    out += ResultLineText(c, !fault.empty(), sep_);
    out += "\r\n";
}

}  // namespace veltar
