#!/usr/bin/env python3
"""Makes the two sound cues of Kickpool: dist/Sounds/error.wav (a low falling double tone) and
dist/Sounds/Question.wav (a rising two-note chime). 16-bit mono PCM, 22050 samples a second."""
import math
import os
import struct
import wave

RATE = 22050


def tone(frequency, seconds, volume=0.45, harmonics=(1.0,)):
    """One note with short fades at both ends, so that it starts and stops without a click."""
    count = int(RATE * seconds)
    fade = int(RATE * 0.01)
    samples = []
    for n in range(count):
        t = n / RATE
        value = sum(weight * math.sin(2 * math.pi * frequency * (k + 1) * t)
                    for k, weight in enumerate(harmonics)) / sum(harmonics)
        envelope = min(1.0, n / fade, (count - 1 - n) / fade)
        samples.append(volume * envelope * value)
    return samples


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def write(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples))


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "dist", "Sounds")
    os.makedirs(folder, exist_ok=True)
    buzz = (1.0, 0.5, 0.3)
    write(os.path.join(folder, "error.wav"),
          tone(440, 0.13, harmonics=buzz) + silence(0.03) + tone(330, 0.16, harmonics=buzz))
    write(os.path.join(folder, "Question.wav"),
          tone(660, 0.11) + silence(0.02) + tone(880, 0.15))


if __name__ == "__main__":
    main()
