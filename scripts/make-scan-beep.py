#!/usr/bin/env python3
# Writes resources/sounds/scanbeep.wav: the scanner's beep for a new ISBN,
# 90 ms of 1.8 kHz, 16-bit mono 22050 Hz, faded in and out so it does not click.
import math, struct, sys, wave

rate, seconds, pitch = 22050, 0.09, 1800
n = int(rate * seconds)
frames = bytearray()
for i in range(n):
    envelope = min(1.0, i / (rate * 0.005), (n - i) / (rate * 0.01))
    frames += struct.pack('<h', int(0.45 * 32767 * envelope * math.sin(2 * math.pi * pitch * i / rate)))
out = wave.open(sys.argv[1] if len(sys.argv) > 1 else 'resources/sounds/scanbeep.wav', 'wb')
out.setnchannels(1)
out.setsampwidth(2)
out.setframerate(rate)
out.writeframes(bytes(frames))
out.close()
