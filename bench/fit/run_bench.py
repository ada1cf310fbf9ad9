#!/usr/bin/env python3
"""The fit bench: makes synthetic movies (make_movie.py), distorts their true subtitles
(shifts up to minutes, frame-rate mismatches, dropped and merged entries, comments and music
lines), fits them with lumetra-cli to the movie's sound and to the true subtitle (--reference)
and reports the share of entries within 100 and 250 ms of the truth, refusals, time and peak
memory. With --long-minutes L it also times one movie of L minutes on one core (taskset) and
on every core, beside FFmpeg decoding its sound alone.

usage: run_bench.py CLI WORKDIR [--movies N] [--minutes M] [--seed S] [--long-minutes L]
"""
import argparse
import os
import random
import re
import subprocess
import tempfile
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


def run(cli, args, prefix=()):
    """Runs one process; returns its result, wall time, peak memory (MB) and CPU time."""
    with tempfile.TemporaryFile("w+") as out, tempfile.TemporaryFile("w+") as err:
        started = time.time()
        child = subprocess.Popen(list(prefix) + [cli] + args, stdout=out, stderr=err, text=True)
        _, status, usage = os.wait4(child.pid, 0)
        elapsed = time.time() - started
        child.returncode = os.waitstatus_to_exitcode(status)
        out.seek(0)
        err.seek(0)
        result = subprocess.CompletedProcess(child.args, child.returncode, out.read(), err.read())
    return result, elapsed, usage.ru_maxrss / 1024, usage.ru_utime + usage.ru_stime


def time_long_movie(cli, work, minutes, runs=3):
    """Times the fit of one long movie: the best of `runs` on one core and on all, and FFmpeg
    decoding the same sound alone, for a machine shared with other work."""
    movie = os.path.join(work, "long%g.mkv" % minutes)
    truth = os.path.join(work, "long%g.srt" % minutes)
    if not os.path.exists(movie):
        subprocess.run([os.path.join(HERE, "make_movie.py"), "7", str(minutes), movie, truth],
                       check=True)
    args = ["fit", "--dry-run", "--movie", movie, truth]
    one = min(run(cli, args, ["taskset", "-c", "0"])[1] for _ in range(runs))
    every = []
    for _ in range(runs):
        result, elapsed, peak, cpu = run(cli, args)
        every.append((elapsed, peak, cpu))
    decode = min(run("ffmpeg", ["-v", "error", "-threads", "1", "-i", movie, "-vn", "-f", "null",
                                "-"], ["taskset", "-c", "0"])[1] for _ in range(runs))
    best = min(every)
    print("%g-minute movie: %.1f s on one core, %.1f s on %d cores (%.1f s CPU), %.0f MB; "
          "FFmpeg decodes its sound alone in %.1f s" % (minutes, one, best[0], os.cpu_count(),
                                                        best[2], best[1], decode))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cli")
    ap.add_argument("work")
    ap.add_argument("--movies", type=int, default=4)
    ap.add_argument("--minutes", type=float, default=10)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--music", type=float, default=0.25)
    ap.add_argument("--long-minutes", type=float, default=0)
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
    reference = []
    for m, (movie, truth_path) in enumerate(movies):
        truth = read_srt(truth_path)
        for case in range(4):
            shift = rng.choice([rng.uniform(-5, 5), rng.uniform(-180, 180)])
            speed = rng.choice([1, 1, RATES[2] / RATES[0], RATES[0] / RATES[2], RATES[1] / RATES[0],
                                RATES[3] / RATES[2]])
            path = os.path.join(a.work, "in%d_%d.srt" % (m, case))
            write_srt(path, distort(truth, rng, shift, speed))
            out = path[:-4] + " - fitted.srt"
            if os.path.exists(out):
                os.remove(out)  # left by an interrupted run
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
        # The true subtitle as the subtitle that fits, for the last case's distortion.
        result, elapsed, peak, _ = run(a.cli, ["fit", "--reference", truth_path, path])
        if result.returncode == 0 and os.path.exists(out):
            r100, r250 = score(read_srt(out), truth)
            os.remove(out)
        else:
            r100 = r250 = 0
        reference.append((r100, elapsed))
        print("movie %d subtitle that fits: %s within100 %.0f%% %.2fs" % (
            m, "written" if result.returncode == 0 else "refused", r100 * 100, elapsed))
    print("cases with >= 90%% within 250 ms: %d of %d; mean within 100 ms %.1f%%, within 250 ms %.1f%%"
          % (good_cases, fitted_cases, 100 * sum(x for x, _ in near) / len(near),
             100 * sum(y for _, y in near) / len(near)))
    print("other movies' subtitles refused: %d of %d" % (refused_other, other_cases))
    print("subtitle that fits: %d of %d cases with every entry within 100 ms, slowest %.2f s"
          % (sum(r >= 1 for r, _ in reference), len(reference), max(t for _, t in reference)))
    if a.long_minutes > 0:
        time_long_movie(a.cli, a.work, a.long_minutes)


main()
