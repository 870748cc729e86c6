// Write-then-rename, with the standard library only. Exclusive creation ("x") keeps
// two saves into one folder from sharing a temporary file.
#include "files/atomicfile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace veltar {
namespace {

namespace fs = std::filesystem;

constexpr int kTempAttempts = 100;

std::string ErrnoReason(const char* fallback) {
    return errno != 0 ? std::generic_category().message(errno) : std::string(fallback);
}

// The file a save replaces: the target of a symbolic link rather than the link.
fs::path ResolvedTarget(const std::string& path) {
    std::error_code ec;
    const fs::path given(path);
    if (!fs::is_symlink(given, ec)) return given;
    fs::path real = fs::weakly_canonical(given, ec);
    return ec ? given : real;
}

// Creates a fresh temporary file beside `target`; nullptr when none can be created.
std::FILE* CreateTemp(const fs::path& target, fs::path& temp) {
    const std::string stem = "." + target.filename().string() + ".saving";
    for (int i = 0; i < kTempAttempts; ++i) {
        temp = target.parent_path() / (stem + std::to_string(i));
        errno = 0;
        if (std::FILE* f = std::fopen(temp.c_str(), "wbx")) return f;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

// The data reaches the disk before the rename makes it the file: a power cut then
// leaves the old file or the new one, never an empty one.
Status FlushAndClose(std::FILE* f) {
    errno = 0;
    bool ok = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
    std::string reason = ok ? std::string() : ErrnoReason("write error");
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        reason = ErrnoReason("write error");
    }
    return ok ? Status::Ok() : Status::Error(reason);
}

// A replaced file keeps the permissions the user gave it.
void CopyPermissions(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    const fs::file_status st = fs::status(from, ec);
    if (!ec && fs::is_regular_file(st)) fs::permissions(to, st.permissions(), ec);
}

}  // namespace

Status ReplaceFileContent(const std::string& path, std::string_view content) {
    FileReplacement file;
    if (Status s = file.Open(path); !s) return s;
    if (Status s = file.Write(content); !s) return s;
    return file.Commit();
}

FileReplacement::~FileReplacement() { Discard(); }

Status FileReplacement::Open(const std::string& path) {
    Discard();
    target_ = ResolvedTarget(path);
    std::error_code ec;
    if (target_.filename().empty()) return Status::Error("no file name");
    if (fs::is_directory(target_, ec)) return Status::Error("is a directory");
    file_ = CreateTemp(target_, temp_);
    if (file_ == nullptr) return Status::Error(ErrnoReason("can't create a temporary file"));
    return Status::Ok();
}

Status FileReplacement::Write(std::string_view piece) {
    if (file_ == nullptr) return Status::Error("write error");
    errno = 0;
    if (std::fwrite(piece.data(), 1, piece.size(), file_) == piece.size()) return Status::Ok();
    Status failed = Status::Error(ErrnoReason("write error"));
    Discard();
    return failed;
}

Status FileReplacement::Commit() {
    if (file_ == nullptr) return Status::Error("write error");
    Status written = FlushAndClose(file_);
    file_ = nullptr;
    std::error_code ec;
    if (written) {
        CopyPermissions(target_, temp_);
        fs::rename(temp_, target_, ec);
        if (ec) written = Status::Error(ec.message());
    }
    if (!written) fs::remove(temp_, ec);
    temp_.clear();
    return written;
}

void FileReplacement::Discard() {
    if (file_ == nullptr) return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ec;
    fs::remove(temp_, ec);
    temp_.clear();
}

}  // namespace veltar
