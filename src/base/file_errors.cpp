#include "base/file_errors.h"

#include <array>
#include <utility>

namespace lexicount {
namespace {

constexpr std::array<std::pair<std::errc, int>, 10> kNumbers = {{
    {std::errc::permission_denied, kErrPermissionDenied},
    {std::errc::operation_not_permitted, kErrPermissionDenied},
    {std::errc::read_only_file_system, kErrPermissionDenied},
    {std::errc::no_such_file_or_directory, kErrPathNotFound},
    {std::errc::not_a_directory, kErrPathNotFound},
    // A folder, FIFO or device where a file was meant.
    {std::errc::is_a_directory, kErrPathFileAccess},
    {std::errc::not_supported, kErrPathFileAccess},
    {std::errc::not_enough_memory, kErrOutOfMemory},
    {std::errc::no_space_on_device, kErrDiskFull},
    {std::errc::io_error, kErrDeviceIO},
}};

const char* Description(int number) {
    switch (number) {
        case kErrOutOfMemory: return "Out of memory";
        case kErrFileNotFound: return "File not found";
        case kErrDeviceIO: return "Device I/O error";
        case kErrDiskFull: return "Disk full";
        case kErrPermissionDenied: return "Permission denied";
        case kErrPathFileAccess: return "Path/File access error";
        case kErrPathNotFound: return "Path not found";
        default: return nullptr;
    }
}

int KnownNumber(std::error_code error, bool reading) {
    if (reading && error == std::errc::no_such_file_or_directory) return kErrFileNotFound;
    for (const auto& [code, number] : kNumbers) {
        if (error == code) return number;
    }
    return 0;
}

}  // namespace

int ErrorNumberFor(std::error_code error, bool reading) {
    const int number = KnownNumber(error, reading);
    return number != 0 ? number : kErrDeviceIO;
}

std::string DescribeError(std::error_code error, bool reading) {
    const int number = KnownNumber(error, reading);
    return number != 0 ? Description(number) : error.message();
}

}  // namespace lexicount
