#pragma once
// The exceptions of the file layer. Their texts are shown to the user as they are.

#include <stdexcept>
#include <string>
#include <system_error>

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

// A file that could not be opened, read or saved. The text is a whole sentence naming the
// file and the cause; the code is the system's, for callers that decide by it.
class EFileError : public std::runtime_error {
  public:
    EFileError(const std::string& text, std::error_code code)
        : std::runtime_error(text), code_(code) {}
    std::error_code code() const { return code_; }

  private:
    std::error_code code_;
};

} // namespace files
