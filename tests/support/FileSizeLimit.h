#pragma once

// A disk that fills up half-way through a write, for tests of what a failed
// write leaves behind: while the object lives, no file of the process grows
// beyond the limit (root included), and a write past it fails with EFBIG
// instead of ending the process with SIGXFSZ.

#include <csignal>

#include <sys/resource.h>

class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &mySaved);
        rlimit limited = mySaved;
        limited.rlim_cur = bytes;
        myHandler = std::signal(SIGXFSZ, SIG_IGN);
        myActive = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &mySaved);
        std::signal(SIGXFSZ, myHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // Whether the limit took effect.
    bool IsActive() const { return myActive; }

  private:
    rlimit mySaved{};
    void (*myHandler)(int) = SIG_DFL;
    bool myActive = false;
};
