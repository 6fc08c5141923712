#pragma once

// Zip containers built and damaged on purpose, for the document tests.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexicount::test {

struct ZipEntry {
    std::string name;
    std::string data;
    bool encrypted = false;  // with the password "secret"
};

// Bytes of a zip archive holding the entries, each deflated.
std::string MakeZip(const std::vector<ZipEntry>& entries);

// Whether this libzip can write encrypted entries at all.
bool CanEncryptZipEntries();

// Rewrites a field of the entry in both its local header and the central
// directory, as a damaged or crafted archive would have it.
void PatchZipUncompressedSize(std::string& zip, std::string_view name, std::uint32_t size);
void PatchZipCrc(std::string& zip, std::string_view name, std::uint32_t crc);

// Offset of the entry's compressed data.
std::size_t ZipDataOffset(const std::string& zip, std::string_view name);

}  // namespace lexicount::test
