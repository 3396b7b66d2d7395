#pragma once
// Errors of the MIDI layer. Each carries the text the user sees in the error box.

#include <stdexcept>
#include <string>

namespace midi {

// Raised by opening the output device and by the checked short send.
class EmidioutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raised by each step of opening the input device.
class EMidiInputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What a backend throws; the port layer turns it into one of the two above.
class BackendError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace midi
