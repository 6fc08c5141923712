#include "input/zip_member.h"

#include <zip.h>

#include <algorithm>
#include <memory>
#include <string>

namespace lexicount {
namespace {

constexpr std::uint64_t kChunk = 64 * 1024;

zip_t* OpenReadOnly(const std::filesystem::path& zipPath) {
#ifdef _WIN32
    // The narrow zip_open would go through the ANSI code page.
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_win32w_create(zipPath.c_str(), 0, -1, &error);
    zip_t* archive = source != nullptr ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (archive == nullptr && source != nullptr) zip_source_free(source);
    zip_error_fini(&error);
    return archive;
#else
    int error = 0;
    return zip_open(zipPath.c_str(), ZIP_RDONLY, &error);
#endif
}

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

ZipMemberReader::ZipMemberReader(const std::filesystem::path& zipPath, std::string_view memberName) {
    archive_ = OpenReadOnly(zipPath);
    if (archive_ == nullptr) return;
    const std::string name(memberName);
    index_ = zip_name_locate(archive_, name.c_str(), 0);
    if (index_ < 0) index_ = zip_name_locate(archive_, name.c_str(), ZIP_FL_NOCASE);
    if (index_ < 0) return;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index_), 0, &stat) == 0 &&
        (stat.valid & ZIP_STAT_SIZE) != 0) {
        claimedSize_ = stat.size;
    }
}

ZipMemberReader::~ZipMemberReader() {
    if (archive_ != nullptr) zip_discard(archive_);
}

ZipMemberRead ZipMemberReader::Read(std::uint64_t maxSize) {
    ZipMemberRead result;
    if (!Found()) return result;
    std::unique_ptr<zip_file_t, FileCloser> file(
        zip_fopen_index(archive_, static_cast<zip_uint64_t>(index_), 0));
    if (!file) return result;  // encrypted, unsupported method, bad local header

    // The claimed size is only a hint for the first allocation, bounded by
    // the limit; the loop below decides how much really comes out.
    result.bytes.reserve(static_cast<size_t>(std::min(claimedSize_, maxSize)));
    std::uint64_t total = 0;
    while (true) {
        const std::uint64_t want = std::min(kChunk, maxSize + 1 - total);
        result.bytes.resize(static_cast<size_t>(total + want));
        const zip_int64_t got = zip_fread(file.get(), result.bytes.data() + total, want);
        if (got < 0) {  // CRC mismatch, inflate error, truncated data
            result.bytes.resize(static_cast<size_t>(total));
            return result;
        }
        total += static_cast<std::uint64_t>(got);
        result.bytes.resize(static_cast<size_t>(total));
        if (total > maxSize) {
            result.bytes.clear();
            result.bytes.shrink_to_fit();
            result.status = ZipReadStatus::TooLarge;
            return result;
        }
        if (got == 0) break;
    }
    result.status = ZipReadStatus::Ok;
    return result;
}

ZipMemberRead ReadZipMember(const std::filesystem::path& zipPath, std::string_view memberName,
                            std::uint64_t maxSize) {
    ZipMemberReader reader(zipPath, memberName);
    if (reader.Found() && reader.ClaimedSize() > maxSize) {
        ZipMemberRead refused;
        refused.status = ZipReadStatus::TooLarge;
        return refused;
    }
    return reader.Read(maxSize);
}

}  // namespace lexicount
