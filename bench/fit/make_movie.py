#!/usr/bin/env python3
"""Makes a synthetic movie for the fit bench: a subtitle's entries spoken by espeak-ng at
their times (with a small random lag), over music, noise, effects and silent stretches,
muxed with a small video track. Writes MOVIE and the true subtitle TRUTH.srt.

usage: make_movie.py SEED MINUTES MOVIE TRUTH [--music LEVEL] [--noise LEVEL] [--fps RATE]
                     [--beat LEVEL] [--laughter LEVEL]

--beat adds a drum beat (a kick and a hi-hat) throughout; --laughter adds fits of laughter:
pitched "ha"s five a second, three seconds every 37, which an energy detector takes for speech.
"""
import argparse
import os
import random
import subprocess
import tempfile

WORDS = ("the a we you they said never always house river light night morning friend "
         "money train station doctor window letter remember tomorrow yesterday quickly "
         "listen please sorry captain mother father brother sister forest garden city "
         "police answer question truth secret under over behind before after again "
         "why what where when how nothing something everyone nobody really maybe").split()
RATE = 22050


def srt_time(seconds):
    ms = int(round(seconds * 1000))
    return "%02d:%02d:%02d,%03d" % (ms // 3600000, ms // 60000 % 60, ms // 1000 % 60, ms % 1000)


def speak(text, voice, speed, pitch, path):
    subprocess.run(["espeak-ng", "-v", voice, "-s", str(speed), "-p", str(pitch), "-w", path, text],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(path, "rb") as f:
        data = f.read()
    return data[44:]  # 16-bit mono at 22050 Hz after the header


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("seed", type=int)
    ap.add_argument("minutes", type=float)
    ap.add_argument("movie")
    ap.add_argument("truth")
    ap.add_argument("--music", type=float, default=0.25)
    ap.add_argument("--noise", type=float, default=0.03)
    ap.add_argument("--fps", default="24000/1001")
    ap.add_argument("--beat", type=float, default=0)
    ap.add_argument("--laughter", type=float, default=0)
    a = ap.parse_args()
    rng = random.Random(a.seed)
    voices = ["en", "en-us", "en-gb-x-rp", "en+f3", "en+m3", "en-us+f2", "en+m7"]
    length = a.minutes * 60
    pcm = bytearray()
    entries = []
    t = rng.uniform(5, 40)
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "w.wav")
        while t < length - 10:
            text = " ".join(rng.choice(WORDS) for _ in range(rng.randint(2, 12)))
            speech = speak(text, rng.choice(voices), rng.randint(130, 200), rng.randint(20, 80), wav)
            duration = len(speech) / 2 / RATE
            lag = rng.uniform(-0.15, 0.25)  # subtitles start a little before or after speech
            start = max(0.0, t + lag)
            entries.append((start, start + max(1.0, duration + rng.uniform(0.2, 0.8)), text))
            at = int(t * RATE) * 2
            pcm.extend(b"\0" * (at - len(pcm)))
            pcm.extend(speech)
            t += duration + rng.uniform(0.3, 4)
            if rng.random() < 0.05:
                t += rng.uniform(20, 120)  # a stretch without dialogue
        pcm.extend(b"\0" * (int(length * RATE) * 2 - len(pcm)))
        raw = os.path.join(tmp, "speech.raw")
        with open(raw, "wb") as f:
            f.write(pcm)
        # Music in scenes that come and go: a chord with a tremolo; pink noise throughout;
        # effects as bursts of loud noise now and then.
        dur = "%f" % length
        inputs = ["-f", "s16le", "-ar", str(RATE), "-ac", "1", "-i", raw]
        for freq in (196, 247, 294, 392):
            inputs += ["-f", "lavfi", "-i", "sine=f=%d:r=%d:d=%s" % (freq, RATE, dur)]
        inputs += ["-f", "lavfi", "-i", "anoisesrc=a=%f:c=pink:r=%d:d=%s" % (a.noise, RATE, dur)]
        inputs += ["-f", "lavfi", "-i", "anoisesrc=a=0.6:c=brown:r=%d:d=%s" % (RATE, dur)]
        inputs += ["-f", "lavfi", "-i", "color=c=gray:s=64x48:r=%s:d=%s" % (a.fps, dur)]
        beat = ("%f*(exp(-15*mod(t,0.5))*sin(2*PI*70*t)+0.4*exp(-40*mod(t+0.25,0.5))*(random(0)*2-1))"
                % a.beat)
        laughter = ("%f*lt(mod(t,37),3)*lt(mod(t*5,1),0.45)*(sin(2*PI*(280+60*sin(2*PI*0.7*t))*t)"
                    "+0.5*sin(2*PI*3*(280+60*sin(2*PI*0.7*t))*t))" % a.laughter)
        inputs += ["-f", "lavfi", "-i", "aevalsrc='%s+%s':s=%d:d=%s" % (beat, laughter, RATE, dur)]
        graph = ("[1][2][3][4]amix=inputs=4:normalize=1,tremolo=f=4:d=0.6,"
                 "volume=%f,volume=0:enable='lt(sin(2*PI*t/173),-0.2)'[music];"
                 "[6]volume=0:enable='gt(mod(t,41),0.7)'[effects];"
                 "[0][music][5][effects][8]amix=inputs=5:normalize=0,aresample=48000[a]"
                 % (a.music * 4,))
        subprocess.run(
            ["ffmpeg", "-v", "error", "-y"] + inputs +
            ["-filter_complex", graph, "-map", "7:v", "-map", "[a]", "-c:v", "libx264",
             "-preset", "ultrafast", "-crf", "51", "-c:a", "aac", "-ac", "2", "-b:a", "128k",
             a.movie], check=True)
    with open(a.truth, "w") as f:
        for i, (s, e, text) in enumerate(entries, 1):
            f.write("%d\r\n%s --> %s\r\n%s\r\n\r\n" % (i, srt_time(s), srt_time(e), text))


main()
