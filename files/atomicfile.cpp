// Write-then-rename, with the standard library and POSIX. Exclusive creation ("x") keeps
// two saves into one folder from sharing a temporary file.
#include "files/atomicfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace veltar {
namespace {

namespace fs = std::filesystem;

constexpr int kTempAttempts = 100;

std::string ErrnoReason(const char* fallback) {
    return errno != 0 ? std::generic_category().message(errno) : std::string(fallback);
}

// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaxLinks = 40;

// The file a save replaces: the target of a symbolic link (of a chain of them) rather
// than the link, also when the target does not exist yet, so that the link stays.
Status ResolveTarget(const std::string& path, fs::path& target) {
    target = path;
    std::error_code ec;
    for (int n = 0; fs::is_symlink(fs::symlink_status(target, ec)); ++n) {
        if (n == kMaxLinks) return Status::Error("too many levels of symbolic links");
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return Status::Error(ec.message());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return Status::Ok();
}

// Whether the process belongs to the group `gid`, by its own or a supplementary group.
bool InGroup(gid_t gid) {
    if (gid == ::getegid()) return true;
    const int n = ::getgroups(0, nullptr);
    if (n <= 0) return false;
    std::vector<gid_t> groups(static_cast<size_t>(n));
    const int got = ::getgroups(n, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

// Whether the user took the write permission away, as an editor decides it: by the
// permission bits of the class the user falls in. The superuser may write anything,
// so for that user a file without any write bit counts as read-only.
bool IsReadOnly(const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const uid_t uid = ::geteuid();
    if (uid == 0) return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (uid == st.st_uid) return (st.st_mode & S_IWUSR) == 0;
    if (InGroup(st.st_gid)) return (st.st_mode & S_IWGRP) == 0;
    return (st.st_mode & S_IWOTH) == 0;
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
    if (Status s = ResolveTarget(path, target_); !s) return s;
    std::error_code ec;
    if (target_.filename().empty()) return Status::Error("no file name");
    if (fs::is_directory(target_, ec)) return Status::Error("is a directory");
    if (IsReadOnly(target_)) return Status::Error("the file is read-only");
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
