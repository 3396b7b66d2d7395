#pragma once
// The options that change what the message layer sends: the module kind and the
// handshake and start/close actions. The application fills them from the settings.

namespace midi {

enum class SynthType { Db50 = 0, Qs300 = 1, OtherXg = 2 };

struct SynthOptions {
    SynthType type = SynthType::Db50;
    int timeout = 10;                 // handshake time-out in 100 ms ticks (0..19)
    bool timeoutCheck = true;         // handshake before QS300 voice dumps
    bool multiParameterChange = true; // QS300: send whole parts parameter by parameter
    bool qsLocalOff = true;           // at start, QS300 local switch off
    bool qsLocalOn = true;            // at close, QS300 local switch on
    bool xgReset = false;             // at start, XG System On
};

} // namespace midi
