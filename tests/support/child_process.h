#pragma once

// Runs a program as a child process with a watchdog, and reports how it
// ended and the most memory it held, for tests that must prove an input
// neither hangs nor balloons.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace lexicount::test {

struct ChildResult {
    int status = -1;            // exit status; -1 when killed or not started
    bool timedOut = false;      // the watchdog killed it
    std::int64_t maxRssKb = 0;  // peak resident memory of the child, in KiB
    std::string out;
    std::string err;
};

// Runs the program with the arguments and an empty standard input, and
// kills it after the timeout. fileSizeLimit (0: none) is the child's
// RLIMIT_FSIZE: writes beyond it fail with EFBIG, which provokes a failed
// write even for root. stdout and stderr are captured through pipes drained
// by threads, so a chatty child never blocks and the limit does not touch them.
ChildResult RunChild(const std::filesystem::path& program, const std::vector<std::string>& args,
                     std::chrono::seconds timeout = std::chrono::seconds(120),
                     std::uint64_t fileSizeLimit = 0);

// Runs the program as RunChild does and sends it the signal as soon as
// `when` holds (checked every 0.1 ms; timedOut is then set), to interrupt it
// at a chosen moment.
ChildResult RunChildUntil(const std::filesystem::path& program, const std::vector<std::string>& args,
                          const std::function<bool()>& when, int signal);

// False in a build with AddressSanitizer, whose shadow memory and allocator
// caches swamp the peak memory of a child built the same way: memory bounds
// are asserted only in ordinary builds.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kChildMemoryIsMeasurable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kChildMemoryIsMeasurable = false;
#else
inline constexpr bool kChildMemoryIsMeasurable = true;
#endif
#else
inline constexpr bool kChildMemoryIsMeasurable = true;
#endif

// The built lexicount-cli (LEXICOUNT_CLI, as for RunCli).
std::filesystem::path CliPath();

}  // namespace lexicount::test
