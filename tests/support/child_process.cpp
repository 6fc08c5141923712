#include "support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <thread>

namespace lexicount::test {
namespace {

// The parent's environment, except that a child built with AddressSanitizer
// frees at once: its quarantine would keep freed blocks resident and count
// them as the program's memory.
std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> env;
    std::string asan = "ASAN_OPTIONS=";
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.starts_with(asan)) {
            asan = entry + ":";
        } else {
            env.push_back(entry);
        }
    }
    env.push_back(asan + "quarantine_size_mb=0");
    return env;
}

// In the child after fork: only async-signal-safe calls until exec.
[[noreturn]] void ExecChild(const std::filesystem::path& program, std::vector<char*>& argv,
                            std::vector<char*>& envp, int in, int out, int err, std::uint64_t fileSizeLimit) {
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    if (fileSizeLimit > 0) {
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
    }
    execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
}

// Collects everything written to the pipe until its writers close it.
std::thread Drain(int fd, std::string& into) {
    return std::thread([fd, &into] {
        char buffer[65536];
        for (;;) {
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n > 0) {
                into.append(buffer, static_cast<size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                break;
            }
        }
        close(fd);
    });
}

}  // namespace

std::filesystem::path CliPath() {
    const char* cli = std::getenv("LEXICOUNT_CLI");
    return cli != nullptr ? cli : "build/lexicount-cli";
}

namespace {

// Runs the child; once the time is up, or when signalWhen holds, it gets the
// signal and is waited for.
ChildResult Run(const std::filesystem::path& program, const std::vector<std::string>& args,
                std::chrono::nanoseconds timeout, int signal, std::uint64_t fileSizeLimit,
                const std::function<bool()>& signalWhen = nullptr) {
    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) return {};
    std::vector<std::string> strings{program.string()};
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& s : strings) argv.push_back(s.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment = ChildEnvironment();
    std::vector<char*> envp;
    for (auto& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);

    ChildResult result;
    const pid_t pid = fork();
    if (pid == 0) ExecChild(program, argv, envp, in, out[1], err[1], fileSizeLimit);
    close(in);
    close(out[1]);
    close(err[1]);
    std::thread outReader = Drain(out[0], result.out);
    std::thread errReader = Drain(err[0], result.err);
    if (pid < 0) {
        outReader.join();
        errReader.join();
        return result;
    }

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int raw = 0;
    rusage usage{};
    for (;;) {
        const pid_t done = wait4(pid, &raw, WNOHANG, &usage);
        if (done == pid) break;
        if (std::chrono::steady_clock::now() > deadline || (signalWhen && signalWhen())) {
            kill(pid, signal);
            wait4(pid, &raw, 0, &usage);
            result.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(signalWhen ? std::chrono::microseconds(100)
                                               : std::chrono::milliseconds(10));
    }
    result.status = !result.timedOut && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.maxRssKb = usage.ru_maxrss;
    outReader.join();
    errReader.join();
    return result;
}

}  // namespace

ChildResult RunChild(const std::filesystem::path& program, const std::vector<std::string>& args,
                     std::chrono::seconds timeout, std::uint64_t fileSizeLimit) {
    return Run(program, args, timeout, SIGKILL, fileSizeLimit);
}

ChildResult RunChildUntil(const std::filesystem::path& program, const std::vector<std::string>& args,
                          const std::function<bool()>& when, int signal) {
    return Run(program, args, std::chrono::seconds(120), signal, 0, when);
}

}  // namespace lexicount::test
