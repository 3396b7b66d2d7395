// xg-orvo-tool send-set through the real backend: a set reaches a peer over JACK exactly as
// the program sends it after "Load Set", with the progress on standard error.

#include "integration/jack_peer.h"

#include "files/set_load.h"
#include "files/set_writer.h"
#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <cstdio>
#include <filesystem>

namespace {

using namespace jackpeer;

// What "Load Set" sends for the file, recorded in memory.
std::vector<Msg> expectedSend(const std::filesystem::path& path) {
    midi::MemoryBackend memory({}, {"memory"});
    midi::ManualClock clock;
    midi::MidiPort port(memory, clock);
    port.FillDeviceLists();
    port.OpenMidiOut(0);
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    midi::XgMessages messages(port, *image, clock);
    midi::SynthOptions options;
    options.timeoutCheck = false;
    messages.setOptions(options);
    files::TxMidiData container;
    files::loadSetInto(path, files::SetKind::Set, container, *image, port, messages);
    return memory.sent();
}

TEST(SendSetOverJack, TheToolSendsTheSetAsTheProgramWould) {
    Received received;
    auto peer = peerInput(received, "PeerSet");
    if (!peer) SKIP_OR_FAIL_WITHOUT_SERVER();

    const auto path = std::filesystem::temp_directory_path() / "xgorvo_send_set_jack.XGS";
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    for (int p = 0; p < image::kPartCount; ++p) image->part(p, image::offset::kPan) = 20;
    image->reverb.current[12] = 90;
    files::saveSetFile(path, *image, files::sectionsOf(files::SetKind::Set), {});
    const auto expected = expectedSend(path);

    const std::string command = std::string(XGORVO_TOOL_PATH) +
                                " send-set --out 'JACK: PeerSet:peer in' '" + path.string() +
                                "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    EXPECT_EQ(pclose(pipe), 0) << output;
    std::filesystem::remove(path);

    EXPECT_NE(output.find("sending 100 %"), std::string::npos) << output;
    EXPECT_EQ(received.waitFor(expected.size()), expected);
}

} // namespace
