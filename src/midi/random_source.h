#pragma once
// Where random voice proposals get their numbers from. The program draws from a generator
// seeded once from the clock; tests give a fixed sequence.

#include <memory>

namespace midi {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A number from 0 to `count` - 1, uniformly drawn (0 when `count` is below 1).
    virtual int below(int count) = 0;
};

// A generator seeded from the clock when made.
std::unique_ptr<RandomSource> makeClockSeededRandom();

} // namespace midi
