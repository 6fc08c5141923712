// One map from system errors to the reports' numbers and words.

#include "base/file_errors.h"

#include <gtest/gtest.h>

namespace lexicount::test {
namespace {

TEST(FileErrors, NumbersAndWordsOfSystemErrors) {
    struct Case {
        std::errc error;
        bool reading;
        int number;
        std::string words;
    };
    const Case cases[] = {
        {std::errc::no_such_file_or_directory, true, 53, "File not found"},
        {std::errc::no_such_file_or_directory, false, 76, "Path not found"},
        {std::errc::not_a_directory, true, 76, "Path not found"},
        {std::errc::permission_denied, false, 70, "Permission denied"},
        {std::errc::read_only_file_system, false, 70, "Permission denied"},
        {std::errc::is_a_directory, false, 75, "Path/File access error"},
        {std::errc::not_supported, true, 75, "Path/File access error"},
        {std::errc::no_space_on_device, false, 61, "Disk full"},
        {std::errc::io_error, true, 57, "Device I/O error"},
        {std::errc::not_enough_memory, false, 7, "Out of memory"},
    };
    for (const Case& c : cases) {
        const std::error_code error = std::make_error_code(c.error);
        EXPECT_EQ(ErrorNumberFor(error, c.reading), c.number) << error.message();
        EXPECT_EQ(DescribeError(error, c.reading), c.words) << error.message();
    }
    // Others keep the system's words and count as a device error.
    const std::error_code other = std::make_error_code(std::errc::file_too_large);
    EXPECT_EQ(ErrorNumberFor(other), 57);
    EXPECT_EQ(DescribeError(other), other.message());
}

}  // namespace
}  // namespace lexicount::test
