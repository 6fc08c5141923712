#include "support/zip_fixture.h"

#include <zip.h>

#include <stdexcept>

namespace lexicount::test {
namespace {

constexpr std::string_view kLocalSignature("PK\3\4", 4);
constexpr std::string_view kCentralSignature("PK\1\2", 4);

std::uint32_t Read16(const std::string& s, std::size_t at) {
    return static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8);
}

void Write32(std::string& s, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Offset of the header with the given signature whose file name (at
// nameAt, length at lengthAt) is `name`.
std::size_t FindHeader(const std::string& zip, std::string_view signature, std::size_t lengthAt,
                       std::size_t nameAt, std::string_view name) {
    for (std::size_t at = zip.find(signature); at != std::string::npos; at = zip.find(signature, at + 1)) {
        if (at + nameAt > zip.size()) break;
        if (Read16(zip, at + lengthAt) == name.size() && zip.compare(at + nameAt, name.size(), name) == 0) {
            return at;
        }
    }
    throw std::runtime_error("zip entry not found: " + std::string(name));
}

std::size_t LocalHeader(const std::string& zip, std::string_view name) {
    return FindHeader(zip, kLocalSignature, 26, 30, name);
}

std::size_t CentralHeader(const std::string& zip, std::string_view name) {
    return FindHeader(zip, kCentralSignature, 28, 46, name);
}

zip_uint16_t EncryptionMethod() {
    if (zip_encryption_method_supported(ZIP_EM_AES_256, 1)) return ZIP_EM_AES_256;
    if (zip_encryption_method_supported(ZIP_EM_TRAD_PKWARE, 1)) return ZIP_EM_TRAD_PKWARE;
    return ZIP_EM_NONE;
}

std::string ReadSource(zip_source_t* source) {
    zip_stat_t stat;
    if (zip_source_open(source) < 0 || zip_source_stat(source, &stat) < 0) {
        throw std::runtime_error("cannot read the built zip");
    }
    std::string bytes(stat.size, '\0');
    const zip_int64_t got = zip_source_read(source, bytes.data(), bytes.size());
    zip_source_close(source);
    if (got != static_cast<zip_int64_t>(bytes.size()))
        throw std::runtime_error("short read of the built zip");
    return bytes;
}

}  // namespace

bool CanEncryptZipEntries() {
    return EncryptionMethod() != ZIP_EM_NONE;
}

std::string MakeZip(const std::vector<ZipEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);  // the archive's close would free it otherwise
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (archive == nullptr) throw std::runtime_error("zip_open_from_source failed");
    for (const ZipEntry& entry : entries) {
        zip_source_t* data = zip_source_buffer(archive, entry.data.data(), entry.data.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), data, ZIP_FL_ENC_UTF_8);
        if (index < 0) throw std::runtime_error("zip_file_add failed");
        zip_set_file_compression(archive, index, ZIP_CM_DEFLATE, 9);
        if (entry.encrypted && zip_file_set_encryption(archive, index, EncryptionMethod(), "secret") < 0) {
            throw std::runtime_error("zip_file_set_encryption failed");
        }
    }
    if (zip_close(archive) < 0) throw std::runtime_error("zip_close failed");
    std::string bytes = ReadSource(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

void PatchZipUncompressedSize(std::string& zip, std::string_view name, std::uint32_t size) {
    Write32(zip, LocalHeader(zip, name) + 22, size);
    Write32(zip, CentralHeader(zip, name) + 24, size);
}

void PatchZipCrc(std::string& zip, std::string_view name, std::uint32_t crc) {
    Write32(zip, LocalHeader(zip, name) + 14, crc);
    Write32(zip, CentralHeader(zip, name) + 16, crc);
}

std::size_t ZipDataOffset(const std::string& zip, std::string_view name) {
    const std::size_t at = LocalHeader(zip, name);
    return at + 30 + Read16(zip, at + 26) + Read16(zip, at + 28);
}

}  // namespace lexicount::test
