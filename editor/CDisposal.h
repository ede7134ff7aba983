// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <chrono>
#include <future>
#include <utility>
#include <vector>

// Frees large values on threads of their own, so that the window does not
// wait while a replaced document or the items of refilled lists give back
// their memory (at 100,000 holidays, tens of milliseconds). A value handed
// over must share nothing with what stays but reference-counted texts,
// whose counts are atomic. The destructor waits for what is still running.
class CDisposal {
public:
    CDisposal() = default;
    CDisposal(const CDisposal&) = delete;
    CDisposal& operator=(const CDisposal&) = delete;
    ~CDisposal() { pending.clear(); }  // each future waits for its thread

    template <class T>
    void Dispose(T value) {
        std::erase_if(pending, [](const std::future<void>& done) {
            return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        });
        pending.push_back(
            std::async(std::launch::async, [held = std::move(value)]() mutable { const T gone = std::move(held); }));
    }

    // Waits until everything handed over is freed.
    void WaitForAll() const {
        for (const std::future<void>& freeing : pending) {
            freeing.wait();
        }
    }

private:
    std::vector<std::future<void>> pending;
};
