#pragma once
// While a dump waits for the module's answer the window keeps handling events, so a
// dialog's button can be clicked again before the first click has finished. The guard lets
// only the outer click through.

namespace app {

class ReentryGuard {
  public:
    explicit ReentryGuard(bool& running) : running_(running), entered_(!running) {
        running_ = true;
    }
    ~ReentryGuard() {
        if (entered_) running_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;
    bool entered() const { return entered_; }

  private:
    bool& running_;
    bool entered_;
};

} // namespace app
