#pragma once
// The exceptions of the file layer. Their texts are shown to the user as they are.

#include <stdexcept>

namespace files {

// A Standard MIDI File that does not follow the chunk format.
class EMidiData : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An event store asked to grow beyond the capacity it was created with.
class EVirtualMemory : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace files
