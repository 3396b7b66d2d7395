#include "encode_request.h"

#include "image/image_init.h"
#include "image/voice_dump.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace tool {

namespace {

using Args = std::span<const std::string>;

// The pieces a request is built with: a reset image and a message layer that records
// into memory.
struct Workbench {
    midi::MemoryBackend backend;
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};

    explicit Workbench(int device) {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(-1);
        xg.setDeviceNumber(device);
    }
};

struct BadArguments {
    std::string text;
};

long number(Args args, std::size_t i, const char* what, long low, long high) {
    if (i >= args.size()) throw BadArguments{std::string("missing ") + what};
    const auto value = parseNumber(args[i], low, high);
    if (!value) {
        throw BadArguments{std::string("bad ") + what + " '" + args[i] + "' (" +
                           std::to_string(low) + ".." + std::to_string(high) + ")"};
    }
    return *value;
}

void expectCount(Args args, std::size_t count, const char* what) {
    if (args.size() != count)
        throw BadArguments{std::string(what) + " takes " + std::to_string(count) + " argument" +
                           (count == 1 ? "" : "s")};
}

using Builder = std::function<void(Workbench&, Args)>;

const std::map<std::string, Builder, std::less<>>& builders() {
    static const std::map<std::string, Builder, std::less<>> table{
        {"part-param",
         [](Workbench& w, Args a) {
             expectCount(a, 3, "part-param");
             const int part = static_cast<int>(number(a, 0, "part", 1, 16)) - 1;
             const int offset = static_cast<int>(number(a, 1, "offset", 0, 103));
             const long high = offset == image::offset::kDetune ? 255 : 127;
             const auto value = static_cast<std::uint8_t>(number(a, 2, "value", 0, high));
             w.image->part(part, offset) = value;
             const int position = part * image::kPartRecordSize + offset;
             if (offset == image::offset::kDetune)
                 w.xg.SendPartDetune(part, position);
             else
                 w.xg.SendPartParam(part, position, value);
         }},
        {"part-detune",
         [](Workbench& w, Args a) {
             expectCount(a, 2, "part-detune");
             const int part = static_cast<int>(number(a, 0, "part", 1, 16)) - 1;
             w.image->part(part, image::offset::kDetune) =
                 static_cast<std::uint8_t>(number(a, 1, "value", 0, 255));
             w.xg.SendPartDetune(part, part * image::kPartRecordSize + image::offset::kDetune);
         }},
        {"effect-param",
         [](Workbench& w, Args a) {
             expectCount(a, 2, "effect-param");
             w.xg.SendEffectParam(static_cast<std::uint8_t>(number(a, 0, "address", 0, 127)),
                                  static_cast<std::uint8_t>(number(a, 1, "value", 0, 127)));
         }},
        {"effect-type",
         [](Workbench& w, Args a) {
             expectCount(a, 3, "effect-type");
             static const std::map<std::string, std::uint8_t, std::less<>> blocks{
                 {"reverb", midi::kReverbBlockAddress},
                 {"chorus", midi::kChorusBlockAddress},
                 {"variation", midi::kVariationBlockAddress}};
             const auto block = blocks.find(a[0]);
             if (block == blocks.end())
                 throw BadArguments{"bad block '" + a[0] + "' (reverb, chorus or variation)"};
             w.xg.SendEffectType(block->second,
                                 static_cast<std::uint8_t>(number(a, 1, "type MSB", 0, 127)),
                                 static_cast<std::uint8_t>(number(a, 2, "type LSB", 0, 127)));
         }},
        {"drum-param",
         [](Workbench& w, Args a) {
             expectCount(a, 4, "drum-param");
             w.xg.SendDrumParam(static_cast<int>(number(a, 0, "setup", 1, 2)),
                                static_cast<int>(number(a, 1, "note", 0, 127)),
                                static_cast<int>(number(a, 2, "parameter", 0, 15)),
                                static_cast<std::uint8_t>(number(a, 3, "value", 0, 127)));
         }},
        {"master-tune",
         [](Workbench& w, Args a) {
             expectCount(a, 1, "master-tune");
             w.xg.SendMasterTune(static_cast<int>(number(a, 0, "value", 0, 0xFFFF)));
         }},
        {"system",
         [](Workbench& w, Args a) {
             expectCount(a, 0, "system");
             w.xg.SendSystem();
         }},
        {"xg-system-on",
         [](Workbench& w, Args a) {
             expectCount(a, 0, "xg-system-on");
             w.xg.SendXGSystemOn();
         }},
        {"qs-local",
         [](Workbench& w, Args a) {
             expectCount(a, 1, "qs-local");
             if (a[0] != "on" && a[0] != "off")
                 throw BadArguments{"bad switch '" + a[0] + "' (on or off)"};
             w.xg.SendQSLocal(a[0] == "on");
         }},
        {"probe",
         [](Workbench& w, Args a) {
             expectCount(a, 0, "probe");
             w.xg.SendProbe();
         }},
        {"part",
         [](Workbench& w, Args a) {
             expectCount(a, 1, "part");
             w.xg.SendPart(static_cast<int>(number(a, 0, "part", 1, 16)) - 1);
         }},
        {"reverb",
         [](Workbench& w, Args a) {
             expectCount(a, 0, "reverb");
             w.xg.SendReverb();
         }},
        {"chorus",
         [](Workbench& w, Args a) {
             expectCount(a, 0, "chorus");
             w.xg.SendChorus();
         }},
        {"variation",
         [](Workbench& w, Args a) {
             expectCount(a, 0, "variation");
             w.xg.SendVariation();
         }},
        {"qs-voice",
         [](Workbench& w, Args a) {
             expectCount(a, 1, "qs-voice");
             const auto n = static_cast<std::size_t>(number(a, 0, "voice", 1, 128));
             auto dump = image::makeVoiceDump(w.image->bank[n - 1], 0, w.xg.deviceNumber());
             w.xg.SendQSVoice(dump);
         }},
    };
    return table;
}

} // namespace

std::optional<long> parseNumber(const std::string& text, long low, long high) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        first += 2;
        base = 16;
    }
    long value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, base);
    if (ec != std::errc() || end != last || first == last) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::string hexLine(const Message& message) {
    std::string line;
    line.reserve(message.size() * 3);
    char buffer[4];
    for (std::size_t i = 0; i < message.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i == 0 ? "%02X" : " %02X", message[i]);
        line += buffer;
    }
    return line;
}

const char* encodeUsage() {
    return "[--device N] part-param PART OFFSET VALUE | part-detune PART VALUE | "
           "effect-param ADDRESS VALUE | effect-type reverb|chorus|variation MSB LSB | "
           "drum-param SETUP NOTE PARAM VALUE | master-tune VALUE | system | xg-system-on | "
           "qs-local on|off | probe | part PART | reverb | chorus | variation | qs-voice N";
}

EncodeResult encodeRequest(std::span<const std::string> args) {
    EncodeResult result;
    try {
        int device = 0;
        if (!args.empty() && args[0] == "--device") {
            device = static_cast<int>(number(args, 1, "device number", 0, 15));
            args = args.subspan(2);
        }
        if (args.empty()) throw BadArguments{"nothing to encode"};
        const auto builder = builders().find(args[0]);
        if (builder == builders().end())
            throw BadArguments{"unknown message '" + args[0] + "'; use " + encodeUsage()};
        Workbench bench(device);
        builder->second(bench, args.subspan(1));
        result.messages = bench.backend.sent();
    } catch (const BadArguments& bad) {
        result.error = bad.text;
    }
    return result;
}

} // namespace tool
