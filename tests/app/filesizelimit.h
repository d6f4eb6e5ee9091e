// Simulates a full disk for the tests of the project files and the file commands.
#pragma once

#include <sys/resource.h>

#include <csignal>

// Lets files grow to `bytes` only while it lives, as a full disk would: writes past the
// limit fail (EFBIG) instead of raising SIGXFSZ.
class TFileSizeLimit {
  public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

  private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};
