#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

// What the kernel tells about a process: its memory and its context switches, and the
// monotonic clock that every process of the machine shares.
namespace procstat {

// Nanoseconds on the monotonic clock.
std::int64_t nowNs();

// A field of /proc/PID/status in kB, such as "VmHWM"; pid 0 is this process; -1 when unknown.
long statusKb(pid_t pid, const std::string& field);

// The context switches of every thread of the process so far: voluntary ones, where a thread
// went to sleep (each is one wake-up), and involuntary ones, where another took its core.
struct Switches {
    long voluntary = 0;
    long involuntary = 0;
};
Switches contextSwitches(pid_t pid);

}  // namespace procstat
