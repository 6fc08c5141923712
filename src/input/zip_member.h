#pragma once

// Reading one member of a zip container into memory with libzip. Nothing is
// written to disk, and the member's size is bounded twice: by what the zip
// directory claims before inflating, and by what actually comes out while
// inflating, since a crafted directory may understate it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

struct zip;

namespace lexicount {

enum class ZipReadStatus {
    Ok,        // the whole member was read and its checksum matched
    Damaged,   // not a zip, no such member, encrypted, truncated, CRC or inflate error
    TooLarge,  // the directory claims, or inflating passed, more than the limit
};

struct ZipMemberRead {
    ZipReadStatus status = ZipReadStatus::Damaged;
    // The member's bytes; after a damaged read, what could be read before
    // the fault (possibly nothing). Empty when too large.
    std::string bytes;
};

// One member of one container, opened read-only. The directory is read on
// construction, so the claimed size can be judged before anything is inflated.
class ZipMemberReader {
public:
    // Looks the member up by its exact name first, then ignoring case.
    ZipMemberReader(const std::filesystem::path& zipPath, std::string_view memberName);
    ~ZipMemberReader();
    ZipMemberReader(const ZipMemberReader&) = delete;
    ZipMemberReader& operator=(const ZipMemberReader&) = delete;

    // The container opened and holds the member.
    bool Found() const { return archive_ != nullptr && index_ >= 0; }
    // Uncompressed size from the zip directory; 0 when unknown or not found.
    std::uint64_t ClaimedSize() const { return claimedSize_; }

    // Inflates the member. Never holds more than maxSize + 1 bytes of it:
    // passing maxSize is TooLarge whatever the directory claimed.
    ZipMemberRead Read(std::uint64_t maxSize);

private:
    zip* archive_ = nullptr;
    std::int64_t index_ = -1;
    std::uint64_t claimedSize_ = 0;
};

// Open, check the claimed size against maxSize (TooLarge without inflating)
// and read, in one call.
ZipMemberRead ReadZipMember(const std::filesystem::path& zipPath, std::string_view memberName,
                            std::uint64_t maxSize);

}  // namespace lexicount
