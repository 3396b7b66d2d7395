#!/usr/bin/env python3
"""Writes the Standard MIDI Files the reader tests are driven by, and their outcome table.

Usage: gen_midi_test_files.py tests/data/midi_files

Each file below is listed with the outcome the reader must give: "ok TRACKS EVENTS" for a
file it takes, or the exact error text for one it refuses. The files are kept in the
repository; run this again only to add or change one, and commit the result.
"""
import pathlib
import sys


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(out)


def be32(n):
    return n.to_bytes(4, "big")


def header(fmt=1, tracks=1, division=180, extra=b"", length=None):
    body = fmt.to_bytes(2, "big") + tracks.to_bytes(2, "big") + division.to_bytes(2, "big")
    size = 6 + len(extra) if length is None else length
    return b"MThd" + be32(size) + body + extra


def track(events, length=None):
    return b"MTrk" + be32(len(events) if length is None else length) + events


END = b"\x00\xff\x2f\x00"
NAME = b"\x00\xff\x03\x02XG"
XG_ON = b"\x00\xf0\x08\x43\x10\x4c\x00\x00\x7e\x00\xf7"
PART_VOLUME = b"\x00\xf0\x08\x43\x10\x4c\x08\x00\x0b\x64\xf7"
NOTES = b"\x00\x90\x3c\x64" b"\x60\x3e\x64" b"\x60\x80\x3c\x00" b"\x00\x3e\x00"
CHANNEL_MIX = b"\x00\xc1\x05" b"\x00\xd1\x40" b"\x00\xe1\x00\x40" b"\x00\xb1\x07\x64"
SPLIT_SYSEX = b"\x00\xf0\x05\x43\x10\x4c\x00\x00" b"\x10\xf7\x03\x7e\x00\xf7"

FILES = [
    # ---- files the reader takes ----
    ("valid_set.mid", header() + track(NAME + XG_ON + PART_VOLUME + END), "ok 1 4"),
    ("valid_two_tracks_running_status.mid",
     header(tracks=2) + track(NAME + NOTES + END) + track(CHANNEL_MIX + END), "ok 2 11"),
    ("valid_format_0.mid", header(fmt=0) + track(NOTES + END), "ok 1 5"),
    ("valid_header_extra.mid", header(extra=b"\x11\x22") + track(END), "ok 1 1"),
    ("valid_no_tracks.mid", header(tracks=0), "ok 0 0"),
    ("valid_empty_track.mid", header() + track(b""), "ok 1 0"),
    ("valid_sysex_continuation.mid", header() + track(SPLIT_SYSEX + b"\x00\x90\x3c\x64" + END),
     "ok 1 4"),
    # An F7 event outside a split message is an escape that continues nothing.
    ("valid_sysex_escape.mid", header() + track(b"\x00\xf7\x01\xf8" + b"\x00\x90\x3c\x64" + END),
     "ok 1 3"),
    ("valid_long_sysex.mid",
     header() + track(b"\x00\xf0" + vlq(300) + bytes(299) + b"\xf7" + END), "ok 1 2"),
    ("valid_largest_delta.mid", header() + track(vlq(0x0FFFFFFF) + b"\x90\x3c\x64" + END),
     "ok 1 2"),
    # Bytes after the last track announced are not read.
    ("valid_trailing_bytes.mid", header() + track(END) + b"junk", "ok 1 1"),
    # ---- files it refuses ----
    ("empty.mid", b"", "Invalid MIDI File ID"),
    ("bad_file_id.mid", b"RIFF" + header()[4:] + track(END), "Invalid MIDI File ID"),
    ("bad_header_size.mid", header(length=5) + track(END), "Invalid MIDI Header Size"),
    ("bad_track_id.mid", header() + b"MTrx" + track(END)[4:], "Invalid Track Start ID"),
    ("truncated_header.mid", header()[:10], "Unexpected End of File"),
    ("truncated_track_chunk.mid", header() + track(NOTES + END)[:12], "Unexpected End of File"),
    ("truncated_event.mid", header() + track(b"\x00\x90\x3c"), "Unexpected End of Track"),
    ("truncated_delta.mid", header() + track(END + b"\x81"), "Unexpected End of Track"),
    ("missing_track.mid", header(tracks=2) + track(END), "Unexpected End of File"),
    ("running_status_at_start.mid", header() + track(b"\x00\x3c\x64" + END),
     "Running Status Error"),
    ("running_status_after_sysex.mid", header() + track(XG_ON + b"\x00\x3c\x64" + END),
     "Running Status Error"),
    ("running_status_after_meta.mid",
     header() + track(b"\x00\x90\x3c\x64" + NAME + b"\x00\x3c\x00" + END), "Running Status Error"),
    ("sysex_not_continued.mid",
     header() + track(b"\x00\xf0\x05\x43\x10\x4c\x00\x00" + b"\x00\x90\x3c\x64" + END),
     "Sysex Error"),
    ("sysex_continued_by_meta.mid", header() + track(b"\x00\xf0\x05\x43\x10\x4c\x00\x00" + END),
     "Sysex Error"),
    ("data_byte_with_top_bit.mid", header() + track(b"\x00\x90\x3c\xe4" + END),
     "Invalid Data Byte"),
    ("system_status_in_track.mid", header() + track(b"\x00\xf1\x10" + END),
     "Invalid Status Byte"),
    ("five_byte_delta.mid", header() + track(b"\xff\xff\xff\xff\x00\x90\x3c\x64" + END),
     "Invalid Variable Length Number"),
    ("time_beyond_32_bits.mid",
     header() + track((vlq(0x0FFFFFFF) + b"\xff\x01\x00") * 17 + END), "Event Time Too Large"),
    # Lengths far beyond the file: refused without reserving what they announce.
    ("huge_header_length.mid", header(length=0xFFFFFFFF) + track(END), "Unexpected End of File"),
    ("huge_track_length.mid", header() + track(END, length=0xFFFFFFF0), "Unexpected End of File"),
    ("huge_track_count.mid", header(tracks=0xFFFF) + track(END), "Unexpected End of File"),
    ("huge_sysex_length.mid", header() + track(b"\x00\xf0" + vlq(0x0FFFFFFF) + b"\x43\xf7"),
     "Unexpected End of Track"),
    ("huge_meta_length.mid", header() + track(b"\x00\xff\x01" + vlq(0x0FFFFFFF) + b"text"),
     "Unexpected End of Track"),
]


def main():
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    lines = [
        "# file | outcome: \"ok TRACKS EVENTS\" or the reader's error text",
        "# Written by tools/gen/gen_midi_test_files.py together with the files.",
    ]
    for name, data, outcome in FILES:
        (folder / name).write_bytes(data)
        lines.append(f"{name} | {outcome}")
    (folder / "outcomes.txt").write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
