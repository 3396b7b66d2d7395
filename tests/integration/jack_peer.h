#pragma once
// A peer client over a running JACK server for the integration tests: it receives what the
// program sends, and tells whether a server runs at all.

#include <RtMidi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace jackpeer {

using Msg = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// Polls until `done` holds or three seconds have passed; returns whether it held.
template <class Condition> inline bool waitUntil(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

struct Received {
    std::mutex mutex;
    std::vector<Msg> messages;

    static void callback(double, std::vector<unsigned char>* m, void* self) {
        auto* r = static_cast<Received*>(self);
        std::lock_guard lock(r->mutex);
        r->messages.emplace_back(m->begin(), m->end());
    }
    std::vector<Msg> waitFor(std::size_t count) {
        waitUntil([&] {
            std::lock_guard lock(mutex);
            return messages.size() >= count;
        });
        std::lock_guard lock(mutex);
        return messages;
    }
};

inline bool flagSet(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return false;
    const std::string_view v(value);
    return !v.empty() && v != "0" && v != "false";
}

// A missing server is a failure where one was meant to run, else a reason to skip.
inline bool serverRequired() {
    return flagSet("CI") || flagSet("XGORVO_JACK_RUNNING");
}

#define SKIP_OR_FAIL_WITHOUT_SERVER()                                                              \
    do {                                                                                           \
        if (serverRequired()) FAIL() << "no JACK server runs, though the tests need one here";     \
        GTEST_SKIP() << "no JACK server runs";                                                     \
    } while (0)

// Any error while the peer is set up means there is no server to talk to.
inline void noteFailure(RtMidiError::Type type, const std::string&, void* failed) {
    if (type != RtMidiError::DEBUG_WARNING) *static_cast<bool*>(failed) = true;
}

// Each test has its own peer name: ctest runs them side by side, and JACK renames a
// second client of the same name.
inline std::unique_ptr<RtMidiIn> peerInput(Received& received, const std::string& client) {
    try {
        auto in = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, client);
        bool failed = false;
        in->setErrorCallback(&noteFailure, &failed);
        in->ignoreTypes(false, false, false);
        in->setCallback(&Received::callback, &received);
        in->openVirtualPort("peer in");
        in->setErrorCallback(nullptr, nullptr);
        if (failed) return nullptr;
        return in;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

inline int lineOf(const std::vector<std::string>& lines, const std::string& name) {
    const auto it = std::find(lines.begin(), lines.end(), name);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

} // namespace jackpeer
