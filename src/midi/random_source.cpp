#include "midi/random_source.h"

#include <chrono>
#include <random>

namespace midi {

namespace {

class ClockSeededRandom final : public RandomSource {
  public:
    ClockSeededRandom()
        : engine_(static_cast<std::mt19937::result_type>(
              std::chrono::steady_clock::now().time_since_epoch().count())) {}

    int below(int count) override {
        if (count < 1) return 0;
        return std::uniform_int_distribution<int>(0, count - 1)(engine_);
    }

  private:
    std::mt19937 engine_;
};

} // namespace

std::unique_ptr<RandomSource> makeClockSeededRandom() {
    return std::make_unique<ClockSeededRandom>();
}

} // namespace midi
