#pragma once

#include <atomic>

// A flag that one thread trips and another polls. The user-interface thread
// cancels a lookup that a worker runs; the HTTP client polls the token while
// a transfer is under way and aborts it, so a cancel takes effect within a
// fraction of a second even when the server is slow or hangs.
class CCancelToken
{
public:
    CCancelToken() = default;
    CCancelToken(const CCancelToken &) = delete;
    CCancelToken &operator=(const CCancelToken &) = delete;

    void cancel() { m_cancelled.store(true, std::memory_order_release); }
    // Makes the token usable for the next run.
    void reset() { m_cancelled.store(false, std::memory_order_release); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_acquire); }

private:
    std::atomic<bool> m_cancelled{false};
};
