#!/usr/bin/env python3
"""The fit bench: makes synthetic movies (make_movie.py), distorts their true subtitles
(shifts up to minutes, frame-rate mismatches, dropped and merged entries, comments and music
lines), fits them with lumetra-cli and reports the share of entries within 100 and 250 ms of
the truth, refusals, time and peak memory.

usage: run_bench.py CLI WORKDIR [--movies N] [--minutes M] [--seed S]
"""
import argparse
import os
import random
import re
import resource
import subprocess
import time

HERE = os.path.dirname(os.path.abspath(__file__))
RATES = [24000 / 1001, 24, 25, 30000 / 1001, 30]


def read_srt(path):
    text = open(path, encoding="utf-8", errors="replace").read().replace("\r", "")
    entries = []
    for block in text.strip().split("\n\n"):
        lines = block.split("\n")
        m = re.match(r"(\d+):(\d+):(\d+),(\d+) --> (\d+):(\d+):(\d+),(\d+)", lines[1] if len(lines) > 1 else "")
        if not m:
            continue
        g = [int(x) for x in m.groups()]
        entries.append((g[0] * 3600 + g[1] * 60 + g[2] + g[3] / 1000,
                        g[4] * 3600 + g[5] * 60 + g[6] + g[7] / 1000, "\n".join(lines[2:])))
    return entries


def srt_time(seconds):
    ms = max(0, int(round(seconds * 1000)))
    return "%02d:%02d:%02d,%03d" % (ms // 3600000, ms // 60000 % 60, ms // 1000 % 60, ms % 1000)


def write_srt(path, entries):
    with open(path, "w", encoding="utf-8") as f:
        for i, (s, e, text) in enumerate(entries, 1):
            f.write("%d\r\n%s --> %s\r\n%s\r\n\r\n" % (i, srt_time(s), srt_time(e), text))


def distort(entries, rng, shift, speed):
    out = []
    for s, e, text in entries:
        if rng.random() < 0.08 or s - shift < 0:
            continue  # dropped, or before the start of the distorted subtitle
        if out and rng.random() < 0.05:
            ps, pe, ptext = out.pop()  # merged with the one before
            out.append((ps, (e - shift) / speed, ptext + "\n" + text))
            continue
        out.append(((s - shift) / speed, (e - shift) / speed, text))
    # Comments and music lines that have no speech under them.
    for _ in range(max(1, len(out) // 40)):
        s = rng.uniform(0, out[-1][1])
        out.append((s, s + 2, rng.choice(["[door slams]", "\u266a la la \u266a", "(sighs)"])))
    out.sort()
    return out


def score(fitted, truth):
    by_text = {}
    for s, e, text in truth:
        by_text.setdefault(text, s)
    near100 = near250 = total = 0
    for s, e, text in fitted:
        first = text.split("\n")[0]
        if first not in by_text:
            continue
        total += 1
        error = abs(s - by_text[first])
        near100 += error <= 0.1
        near250 += error <= 0.25
    return near100 / max(total, 1), near250 / max(total, 1)


def run(cli, args):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    started = time.time()
    result = subprocess.run([cli] + args, capture_output=True, text=True)
    elapsed = time.time() - started
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
    return result, elapsed, peak, before


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cli")
    ap.add_argument("work")
    ap.add_argument("--movies", type=int, default=4)
    ap.add_argument("--minutes", type=float, default=10)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--music", type=float, default=0.25)
    a = ap.parse_args()
    os.makedirs(a.work, exist_ok=True)
    rng = random.Random(a.seed)
    movies = []
    for m in range(a.movies):
        movie = os.path.join(a.work, "movie%d.mkv" % m)
        truth = os.path.join(a.work, "truth%d.srt" % m)
        if not os.path.exists(movie):
            subprocess.run([os.path.join(HERE, "make_movie.py"), str(a.seed * 100 + m), str(a.minutes),
                            movie, truth, "--music", str(a.music)], check=True)
        movies.append((movie, truth))
    fitted_cases = good_cases = 0
    refused_other = other_cases = 0
    near = []
    for m, (movie, truth_path) in enumerate(movies):
        truth = read_srt(truth_path)
        for case in range(4):
            shift = rng.choice([rng.uniform(-5, 5), rng.uniform(-180, 180)])
            speed = rng.choice([1, 1, RATES[2] / RATES[0], RATES[0] / RATES[2], RATES[1] / RATES[0],
                                RATES[3] / RATES[2]])
            path = os.path.join(a.work, "in%d_%d.srt" % (m, case))
            write_srt(path, distort(truth, rng, shift, speed))
            result, elapsed, peak, _ = run(a.cli, ["fit", "--movie", movie, path])
            out = path[:-4] + " - fitted.srt"
            if result.returncode == 0 and os.path.exists(out):
                n100, n250 = score(read_srt(out), truth)
                os.remove(out)
            else:
                n100 = n250 = 0
            fitted_cases += 1
            good_cases += n250 >= 0.9
            near.append((n100, n250))
            print("movie %d case %d shift %+.2f speed %.5f: %s within100 %.0f%% within250 %.0f%% "
                  "%.1fs %.0fMB" % (m, case, shift, speed, "written" if result.returncode == 0 else
                                    "refused", n100 * 100, n250 * 100, elapsed, peak), flush=True)
            if result.returncode != 0:
                print("   ", result.stderr.strip().replace("\n", " "))
        # A subtitle of another movie must be refused.
        other = movies[(m + 1) % len(movies)][1]
        if other != truth_path:
            result, elapsed, peak, _ = run(a.cli, ["fit", "--dry-run", "--movie", movie, other])
            other_cases += 1
            refused_other += result.returncode != 0
            print("movie %d other movie's subtitle: %s %s" % (m, "refused" if result.returncode else "ACCEPTED",
                                                           result.stdout.strip().replace("\n", " ")))
    print("cases with >= 90%% within 250 ms: %d of %d; mean within 100 ms %.1f%%, within 250 ms %.1f%%"
          % (good_cases, fitted_cases, 100 * sum(x for x, _ in near) / len(near),
             100 * sum(y for _, y in near) / len(near)))
    print("other movies' subtitles refused: %d of %d" % (refused_other, other_cases))


main()
