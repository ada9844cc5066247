#!/usr/bin/env python3
"""Writes sound/warning.wav, the warning clip played during the countdown.

The clip is a two-tone alarm: four beeps alternating 880 Hz and 660 Hz, each
with short raised-cosine fades so that it does not click, then silence.

The file layout is fixed, byte for byte:
  offset  0  "RIFF", size 13066, "WAVE"
  offset 12  "fmt " chunk, 16 bytes: PCM (1), 1 channel, 11025 samples/s,
             11025 bytes/s, block align 1, 8 bits per sample
  offset 36  "data" chunk header, size 13029
  offset 44  13029 unsigned 8-bit samples (silence is 128)
  offset 13073  one pad byte (0), because the data size is odd
  total 13074 bytes.
Python's wave module would neither write the pad byte nor count it in the RIFF
size, so the bytes are put together here with struct. The output is
deterministic: same script, same file.

Usage: make_warning_clip.py [output path]   (default: sound/warning.wav beside
this script). Uses the Python 3 standard library only.
"""

import math
import os
import struct
import sys

RATE = 11025
SAMPLE_COUNT = 13029
TOTAL_SIZE = 13074

# (frequency in Hz, start in seconds, length in seconds)
BEEPS = [
    (880.0, 0.000, 0.240),
    (660.0, 0.285, 0.240),
    (880.0, 0.570, 0.240),
    (660.0, 0.855, 0.240),
]
FADE = 0.008      # seconds of fade in and fade out per beep
AMPLITUDE = 0.85  # before dividing by (1 + OVERTONE): peaks at about 60 % of full scale
OVERTONE = 0.22   # a little of the third harmonic makes the beep less pure, more "alarm"


def make_samples():
    """Returns the clip as floats in [-1, 1], SAMPLE_COUNT of them."""
    out = [0.0] * SAMPLE_COUNT
    fade_n = int(round(FADE * RATE))
    for freq, start, length in BEEPS:
        first = int(round(start * RATE))
        n = int(round(length * RATE))
        for i in range(n):
            k = first + i
            if k >= SAMPLE_COUNT:
                break
            t = i / RATE
            if i < fade_n:
                env = 0.5 - 0.5 * math.cos(math.pi * i / fade_n)
            elif i >= n - fade_n:
                env = 0.5 - 0.5 * math.cos(math.pi * (n - 1 - i) / fade_n)
            else:
                env = 1.0
            w = 2.0 * math.pi * freq * t
            v = (math.sin(w) + OVERTONE * math.sin(3.0 * w)) / (1.0 + OVERTONE)
            out[k] = AMPLITUDE * env * v
    return out


def to_u8(x):
    """Float in [-1, 1] to an unsigned 8-bit sample, 128 being silence."""
    return max(0, min(255, int(round(128.0 + 127.0 * x))))


def build_wave(samples):
    data = bytes(to_u8(x) for x in samples)
    assert len(data) == SAMPLE_COUNT
    pad = b"\x00" if len(data) % 2 else b""
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * 1, 1, 8)
    body = (b"WAVE"
            + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(data)) + data + pad)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def check(blob):
    """Asserts the exact layout described at the top of this file."""
    assert len(blob) == TOTAL_SIZE, len(blob)
    assert blob[0:4] == b"RIFF"
    assert struct.unpack_from("<I", blob, 4)[0] == 13066
    assert blob[8:12] == b"WAVE"
    assert blob[12:16] == b"fmt "
    assert struct.unpack_from("<I", blob, 16)[0] == 16
    assert struct.unpack_from("<HHIIHH", blob, 20) == (1, 1, 11025, 11025, 1, 8)
    assert blob[36:40] == b"data"
    assert struct.unpack_from("<I", blob, 40)[0] == 13029
    assert 44 + 13029 + 1 == TOTAL_SIZE
    assert blob[TOTAL_SIZE - 1] == 0
    # starts and ends in silence, so playing it repeatedly does not click
    assert blob[44] == 128 and blob[44 + 13029 - 1] == 128


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "sound", "warning.wav")
    blob = build_wave(make_samples())
    check(blob)
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "wb") as f:
        f.write(blob)
    print("%s: %d bytes, %d samples at %d Hz (%.3f s)"
          % (path, len(blob), SAMPLE_COUNT, RATE, SAMPLE_COUNT / RATE))


if __name__ == "__main__":
    main()
