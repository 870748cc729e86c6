// Reading the four profile tables and the material table. A file is read whole into
// a local table and only a complete, valid set of tables replaces the caller's.
#include <charconv>
#include <cmath>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/excerpt.h"
#include "core/parse.h"
#include "files/datatables.h"
#include "files/record_reader.h"

namespace veltar {

namespace {

struct ProfileFile {
    const char* name;
    int fields;
    const char* layout;
    int minRecords;  // the default row of a new case must exist
};

constexpr ProfileFile kBulbFile{"bfprof.dat", 5, "H, tw, c, r, Ax", 17};
constexpr ProfileFile kLFile{"lprof.dat", 4, "H, B, tw, tf", 1};
constexpr ProfileFile kTFile{"tprof.dat", 4, "H, B, tw, tf", 1};
constexpr ProfileFile kFlatFile{"fprof.dat", 2, "H, tw", 14};
constexpr const char* kMaterialFile = "ABSmat.dat";
constexpr int kMaterialFields = 4;
// Grade 2 is the default of a new case and must be a table grade, not the last one.
constexpr int kMinMaterials = 4;

// Why a field is not a usable number, or empty when `value` holds it. Dimensions,
// strengths and factors are never negative.
std::string NumberFault(const Field& f, float& value) {
    if (f.quoted) return "is quoted text, not a number";
    if (f.text.empty()) return "is empty";
    if (!IsDecimal(f.text)) return "is not a number";
    const std::string_view digits = f.text.starts_with('+') ? f.text.substr(1) : f.text;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) return "is out of range";
    if (ec != std::errc()) return "is not a number";
    if (value < 0) return "is negative";
    return {};
}

Status ReadNumber(const RecordReader& in, int i, float& value) {
    const std::string fault = NumberFault(in.At(i), value);
    if (fault.empty()) return Status::Ok();
    return in.LineError("field " + std::to_string(i + 1) + " " + Excerpt(in.At(i).text) + " " + fault);
}

Status CheckFieldCount(const RecordReader& in, int expected, const char* layout) {
    if (in.FieldCount() == expected) return Status::Ok();
    return in.LineError("expected " + std::to_string(expected) + " fields (" + layout + "), found " +
                        std::to_string(in.FieldCount()));
}

Status TooMany(const RecordReader& in, int max) {
    return in.LineError("more than " + std::to_string(max) + " records");
}

Status CheckCount(const RecordReader& in, int records, int minRecords, const std::string& why) {
    if (records == 0) return in.FileError("the file holds no records");
    if (records >= minRecords) return Status::Ok();
    return in.FileError(std::to_string(records) + " records, at least " + std::to_string(minRecords) + " needed (" +
                        why + ")");
}

Status ReadProfileFile(const std::string& dir, const ProfileFile& file, ProfileTable& table) {
    RecordReader in(dir, file.name);
    int n = 0;
    for (; in.Next(); ++n) {
        if (n == kMaxProfileRows) return TooMany(in, kMaxProfileRows);
        if (Status s = CheckFieldCount(in, file.fields, file.layout); !s) return s;
        for (int i = 0; i < file.fields; ++i) {
            if (Status s = ReadNumber(in, i, table.row[n][i]); !s) return s;
        }
    }
    if (!in.status()) return in.status();
    table.count = n - 1;
    return CheckCount(in, n, file.minRecords, "the default is row " + std::to_string(file.minRecords - 1));
}

Status ReadMaterialRecord(const RecordReader& in, MaterialTable& table, int n) {
    if (Status s = CheckFieldCount(in, kMaterialFields, "\"name\", Fy, Fu, Q"); !s) return s;
    if (!in.At(0).quoted) return in.LineError("the grade name must be in double quotes");
    table.name[n] = std::string(in.At(0).text);
    if (Status s = ReadNumber(in, 1, table.Fy[n]); !s) return s;
    if (Status s = ReadNumber(in, 2, table.Fu[n]); !s) return s;
    return ReadNumber(in, 3, table.Q[n]);
}

Status ReadMaterialFile(const std::string& dir, MaterialTable& table) {
    RecordReader in(dir, kMaterialFile);
    int n = 0;
    for (; in.Next(); ++n) {
        if (n == kMaxMaterialRows) return TooMany(in, kMaxMaterialRows);
        if (Status s = ReadMaterialRecord(in, table, n); !s) return s;
    }
    if (!in.status()) return in.status();
    table.count = n - 1;
    return CheckCount(in, n, kMinMaterials, "the default grade 2 and the user-defined last grade");
}

// Written without the "..", so that a message names the folder a user would look in.
std::filesystem::path SharedDataDir(const std::string& exeDir) {
    return (std::filesystem::path(exeDir) / ".." / "share" / "veltar").lexically_normal();
}

bool HasDataTables(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_regular_file(dir / "lprof.dat", ec);
}

}  // namespace

Status ReadTables(const std::string& dir, Tables& tables) {
    Tables read;
    Status s = ReadProfileFile(dir, kBulbFile, read.BF);
    if (s) s = ReadProfileFile(dir, kLFile, read.L);
    if (s) s = ReadProfileFile(dir, kTFile, read.T);
    if (s) s = ReadProfileFile(dir, kFlatFile, read.Fb);
    if (s) s = ReadMaterialFile(dir, read.Mat);
    if (s) tables = std::move(read);
    return s;
}

std::string FindDataDir(const std::string& exeDir) {
    if (HasDataTables(exeDir)) return exeDir;
    const std::filesystem::path shared = SharedDataDir(exeDir);
    if (HasDataTables(shared)) return shared.string();
    return {};
}

Status ReadProgramTables(const std::string& exeDir, Tables& tables) {
    const std::string dir = FindDataDir(exeDir);
    if (dir.empty())
        return Status::Error("can't find the data tables (lprof.dat and the others): looked in " + exeDir + " and " +
                             SharedDataDir(exeDir).string());
    return ReadTables(dir, tables);
}

}  // namespace veltar
