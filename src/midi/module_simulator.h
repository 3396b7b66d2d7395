#pragma once
// A pretend XG module (with QS300 user voices) built from the program's own tables, for
// trying the editor and testing it without hardware. It takes what a module takes:
//
//   F0 43 1n 4C hh mm ll data.. F7         parameter change
//   F0 43 0n 4C cc cc hh mm ll data.. cs F7  bulk dump (a wrong count or checksum is ignored)
//   F0 43 1n 4C 00 00 7E 00 F7             XG System On (also All Parameter Reset 7F,
//                                            Drum Setup Reset 7D, and GM System On)
//   F0 43 0n 4B 02 7D 11 vv 00 data.. cs F7  QS300 user voice dump (voices 0..15)
//   F0 43 1n 4B 00 00 09 vv F7             QS300 local switch
//
// and answers the requests a module answers:
//
//   F0 43 3n 4C hh mm ll F7   parameter request: one parameter change with the value
//   F0 43 2n 4C hh mm ll F7   bulk dump request, for these start addresses:
//       00 00 00   system block (7 bytes: tune nibbles, volume, attenuator, transpose)
//       02 01 00   reverb: the dump of 02 01 00 (14 bytes) and of 02 01 10 (6 bytes)
//       02 01 20   chorus: 02 01 20 (15 bytes) and 02 01 30 (6 bytes)
//       02 01 40   variation: 02 01 40 (33 bytes) and 02 01 70 (6 bytes)
//       02 01 10 / 30 / 70   only the last six bytes of that block
//       08 pp 00   multi part pp, bytes 00..28 (41 bytes, detune as two nibbles)
//       08 pp 30   multi part pp, bytes 30..6E (63 bytes)
//       30 nn 00 / 31 nn 00   drum setup 1 / 2, note nn (13..91), 16 bytes
//   F0 43 2n 4B 11 vv 00 F7   QS300 user voice vv: the 392-byte voice dump it holds
//
// Answers are the bytes the program itself sends for the same block (same counts, same
// layout, fresh checksums) with the module's device number. Only messages for that device
// number are taken. Many real modules answer only some requests; the answer policy plays
// that.

#include "image/synth_image.h"
#include "midi/module_memory.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace midi {

enum class AnswerKind { System, Effects, Parts, Drums, Voices };
inline constexpr int kAnswerKindCount = 5;

class ModuleSimulator {
  public:
    using AnswerKind = midi::AnswerKind;
    using Answer = std::vector<std::uint8_t>;

    explicit ModuleSimulator(int deviceNumber = 0);

    // Applies one complete message and returns what the module sends back (mostly nothing).
    std::vector<Answer> receive(std::span<const std::uint8_t> message);

    // Which requests get an answer (all, at first). Silent answers none, whatever the kinds.
    void setAnswering(AnswerKind kind, bool on);
    bool answering(AnswerKind kind) const;
    void setSilent(bool silent) { silent_ = silent; }
    bool silent() const { return silent_; }

    int deviceNumber() const { return device_; }
    bool localOn() const { return localOn_; }

    // What the module holds. Bytes the editor keeps but a module has not (the loaded
    // copies, the effect type memory, the voice bank) stay as the reset left them.
    const image::SynthImage& image() const { return memory_.image(); }
    const ModuleMemory& memory() const { return memory_; }

    // Everything offered to receive(), and how much of it was for this module and taken.
    std::size_t receivedMessages() const { return received_; }
    std::size_t receivedBytes() const { return receivedBytes_; }
    std::size_t takenMessages() const { return taken_; }
    std::size_t answersSent() const { return answersSent_; }

  private:
    bool forThisDevice(std::uint8_t deviceByte) const { return (deviceByte & 0x0F) == device_; }
    bool takeXg(std::span<const std::uint8_t> m, std::vector<Answer>& answers);
    bool takeQs300(std::span<const std::uint8_t> m, std::vector<Answer>& answers);
    bool takeSystemCommand(std::uint8_t low, std::span<const std::uint8_t> data);
    bool takeBulkDump(std::span<const std::uint8_t> m);
    void answerParameterRequest(XgAddress at, std::vector<Answer>& answers) const;
    void answerDumpRequest(XgAddress at, std::vector<Answer>& answers) const;
    void answerVoiceRequest(int number, std::vector<Answer>& answers) const;
    bool answersFor(XgAddress at) const;

    int device_ = 0;
    ModuleMemory memory_;
    std::array<bool, kAnswerKindCount> answering_{true, true, true, true, true};
    bool silent_ = false;
    bool localOn_ = true;
    std::size_t received_ = 0;
    std::size_t receivedBytes_ = 0;
    std::size_t taken_ = 0;
    std::size_t answersSent_ = 0;
};

} // namespace midi
