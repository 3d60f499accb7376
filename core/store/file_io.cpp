#include "core/store/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelmor::store {

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::string* error) {
    bytes.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        if (error) *error = std::strerror(S_ISDIR(st.st_mode) ? EISDIR : errno);
        ::close(fd);
        return false;
    }
    // Regular files are read straight into the string; anything else
    // (pipes, /proc files) in chunks.
    std::size_t expected = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
    bytes.resize(expected);
    std::size_t got = 0;
    char probe[4096];
    for (;;) {
        // Fill the expected size first; after that read into a small buffer,
        // so that a file of the size fstat gave costs no extra copy, and one
        // that grew or has no size (a pipe) is still read to its end.
        const bool filling = got < bytes.size();
        char* dst = filling ? bytes.data() + got : probe;
        std::size_t room = filling ? bytes.size() - got : sizeof probe;
        ssize_t n = ::read(fd, dst, room);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            if (error) *error = std::strerror(errno);
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (!filling) {
            bytes.resize(got);
            bytes.append(probe, static_cast<std::size_t>(n));
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    ::close(fd);
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    lines.reserve(bytes.size() / 24 + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const void* hit = std::memchr(bytes.data() + start, '\n', bytes.size() - start);
        std::size_t end = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data())
                              : bytes.size();
        std::size_t len = end - start;
        if (hit && len > 0 && bytes[end - 1] == '\r') --len;
        lines.push_back(bytes.substr(start, len));
        start = end + 1;
    }
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (auto& l : lines) total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error, bool keep_backup, const WriteFaultHook& fault) {
    namespace fs = std::filesystem;
    auto fail = [&](const std::string& why) {
        if (error) *error = path.string() + ": " + why;
        return false;
    };
    fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string tmpl = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return fail(std::strerror(errno));
    const std::string tmp = tmpl;
    auto abandon = [&](const std::string& why) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return fail(why);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        if (fault && !fault(written)) return abandon(std::strerror(ENOSPC));
        std::size_t chunk = std::min<std::size_t>(bytes.size() - written, 1 << 16);
        ssize_t n = ::write(fd, bytes.data() + written, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon(std::strerror(errno));
        }
        written += static_cast<std::size_t>(n);
    }
    if (fault && !fault(written)) return abandon(std::strerror(ENOSPC));
    if (::fsync(fd) != 0) return abandon(std::strerror(errno));
    // Keep the permissions of the file we replace; new files get 0644.
    struct stat st {};
    ::fchmod(fd, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);
    if (::close(fd) != 0) {
        ::unlink(tmp.c_str());
        return fail(std::strerror(errno));
    }
    std::error_code ec;
    if (keep_backup && fs::exists(path, ec)) {
        fs::path bak = path;
        bak += ".bak";
        // A hard link keeps the old file in place until the rename replaces it.
        fs::remove(bak, ec);
        if (::link(path.c_str(), bak.c_str()) != 0) fs::copy_file(path, bak, ec);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int e = errno;
        ::unlink(tmp.c_str());
        return fail(std::strerror(e));
    }
    return true;
}

}  // namespace zelmor::store
