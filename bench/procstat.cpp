#include "procstat.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace procstat {

namespace {

std::string procDir(pid_t pid) {
    return pid == 0 ? "/proc/self" : "/proc/" + std::to_string(pid);
}

// The number after "name:" in a status file, or -1.
long statusField(const std::string& file, const std::string& name) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with(name + ":")) {
            std::istringstream value(line.substr(name.size() + 1));
            long number = -1;
            value >> number;
            return number;
        }
    }
    return -1;
}

}  // namespace

std::int64_t nowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

long statusKb(pid_t pid, const std::string& field) {
    return statusField(procDir(pid) + "/status", field);
}

// /proc/PID/status counts the main thread only; Qt's X connection has a thread of its own.
Switches contextSwitches(pid_t pid) {
    Switches total;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(procDir(pid) + "/task", error)) {
        const std::string status = task.path().string() + "/status";
        total.voluntary += statusField(status, "voluntary_ctxt_switches");
        total.involuntary += statusField(status, "nonvoluntary_ctxt_switches");
    }
    return total;
}

}  // namespace procstat
