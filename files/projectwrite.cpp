// Writing a project file: each value on its own CR LF line, numbers in invariant
// form and in the precision the field holds, so "625" stays whole and 612.5 a float.
#include <cmath>
#include <string_view>

#include "files/atomicfile.h"
#include "files/projectfile.h"
#include "files/projectlayout.h"
#include "files/valuetext.h"

namespace veltar {
namespace {

void ReplaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

// Files named ".kvt" or ".hlm" are saved as ".kvrt", case-sensitive. Only the file
// name changes: a folder named like that is where the user chose to save.
void ApplyExtensionRule(std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t from = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(from);
    if (name.find(".kvt") != std::string::npos)
        ReplaceAll(name, ".kvt", ".kvrt");
    else if (name.find(".hlm") != std::string::npos)
        ReplaceAll(name, ".hlm", ".kvrt");
    path.replace(from, std::string::npos, name);
}

// Appends the text of one value; returns why it can't be written, empty when it can.
struct ValueWriter {
    std::string& out;

    std::string operator()(const std::string& text) const {
        if (text.size() > kMaxProjectTextBytes)
            return "is longer than " + std::to_string(kMaxProjectTextBytes) + " characters";
        out += QuoteText(text);
        return {};
    }
    std::string operator()(i16 whole) const {
        out += std::to_string(whole);
        return {};
    }
    std::string operator()(float single) const { return Number(Real(single)); }
    std::string operator()(Real number) const { return Number(number); }
    std::string operator()(double number) const { return Number(Real(number)); }

    std::string Number(Real x) const {
        if (!std::isfinite(static_cast<double>(x))) return "is not a finite number";
        out += x.kind() == Real::Kind::Single ? NumberText(static_cast<float>(static_cast<double>(x)))
                                              : NumberText(static_cast<double>(x));
        return {};
    }
};

Status BuildText(const Case& c, std::string& out) {
    out = std::to_string(kProjectVersion) + "\r\n";
    const ValueWriter write{out};
    for (const FieldDef* line : ProjectLines()) {
        const std::string fault = std::visit([&](auto member) { return write(c.*member); }, line->member);
        if (!fault.empty()) return Status::Error(std::string(line->label) + " " + fault);
        out += "\r\n";
    }
    return Status::Ok();
}

}  // namespace

std::string ProjectFileText(const Case& c) {
    std::string text;
    if (Status s = BuildText(c, text); !s) text += "\n" + s.message;
    return text;
}

Status WriteProjectFile(Case& c, std::string& path) {
    ApplyExtensionRule(path);
    std::string text;
    Status s = BuildText(c, text);
    if (s) s = ReplaceFileContent(path, text);
    if (!s) return Status::Error("can't save file - " + path + ": " + s.message);
    c.FileName = path;
    return Status::Ok();
}

}  // namespace veltar
