#!/usr/bin/env python3
"""Times bindwell-cli's first pass over a library (A), with the working
folder in a tmpfs folder and on the disk beside the library, the same
keeping the originals in the Trash (K), its second pass over the books it
fixed (A2), the same fix scripted with the stock tools (B:
stock_pipeline.sh, its unpacking in the same two places), and unpacking
alone (unzip -t of every book), all side by side in one run, alternating,
and prints one table of medians. Checks first that A and B wrote the same
stylesheet and package bytes. S is A with the faces cut down to each
book's characters, S2 its second pass. V is A making Kobo books as well
(--kepub), V2 its second pass.

    pipeline_bench.py --cli build/bin/bindwell-cli --fonts /usr/share/fonts/truetype/liberation2
                      [--library DIR] [--books N] [--small] [--runs R]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

HERE = Path(__file__).resolve().parent


def run(command, env):
    """Wall seconds, CPU seconds and peak resident MB of a command and all
    that it starts."""
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.monotonic() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{command[0]} failed with status {status}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def books(folder):
    return sorted(p for p in Path(folder).rglob("*") if p.suffix.lower() == ".epub" and p.is_file())


def megabytes(folder):
    return sum(p.stat().st_size for p in books(folder)) / 1e6


def edited_entries(book):
    with zipfile.ZipFile(book) as z:
        return {n: z.read(n) for n in z.namelist() if n.lower().endswith((".css", "content.opf"))}


def same_edits(a, b):
    differing = [p.relative_to(a) for p in books(a)
                 if edited_entries(p) != edited_entries(Path(b) / p.relative_to(a))]
    for p in differing[:5]:
        print(f"  edits differ: {p}")
    return not differing


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--fonts", required=True)
    parser.add_argument("--library", default=None, help="where the benchmark library is kept between runs")
    parser.add_argument("--books", type=int, default=120)
    parser.add_argument("--small", action="store_true", help="a library of small books (make_library.py --small)")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    cli, fonts = str(Path(args.cli).resolve()), str(Path(args.fonts).resolve())

    scratch = Path(tempfile.mkdtemp(prefix="bindwell-bench-"))
    library = Path(args.library or scratch / "library") / (f"Small-{args.books}" if args.small else f"Books-{args.books}")
    if not library.exists():
        subprocess.run([sys.executable, str(HERE / "make_library.py"), str(library), "--books", str(args.books)] +
                       (["--small"] if args.small else []), check=True)
    # The working folders: a tmpfs one, as Bindwell's is on a desktop
    # ($XDG_RUNTIME_DIR), and one on the disk beside the library. The home
    # Trash beside the library, on its filesystem, as a user's is.
    shm = Path(tempfile.mkdtemp(prefix="bindwell-bench-", dir="/dev/shm"))
    envs = {}
    for place, root in (("tmpfs", shm), ("disk", scratch)):
        (root / f"tmp-{place}").mkdir()
        envs[place] = dict(os.environ, TMPDIR=str(root / f"tmp-{place}"), XDG_CONFIG_HOME=str(scratch / "config"),
                           XDG_DATA_HOME=str(scratch / "data"))
        envs[place].pop("XDG_RUNTIME_DIR", None)

    # A embeds the whole faces, as B does; S cuts them down to each book's
    # characters (the first-run default).
    options = [cli, "--font-sizes", "--justify", "--fonts", "--keep-css"]
    fix = lambda d: options + ["--no-subset-fonts", "--no-keep-originals", d]
    keeping = lambda d: options + ["--no-subset-fonts", "--keep-originals", d]
    cut = lambda d: options + ["--subset-fonts", "--no-keep-originals", d]
    kobo = lambda d: options + ["--no-subset-fonts", "--no-keep-originals", "--kepub", d]
    stock = lambda d: [str(HERE / "stock_pipeline.sh"), d, fonts]
    # name: (command, folder it works in, whether that folder is copied afresh first, working folder's place)
    pipelines = {
        "A bindwell-cli, tmpfs": (fix, "A", True, "tmpfs"),
        "A bindwell-cli, disk": (fix, "D", True, "disk"),
        "K originals to the Trash, tmpfs": (keeping, "K", True, "tmpfs"),
        "A2 second pass, tmpfs": (fix, "A", False, "tmpfs"),
        "S faces cut down, tmpfs": (cut, "S", True, "tmpfs"),
        "S2 second pass, tmpfs": (cut, "S", False, "tmpfs"),
        "V Kobo books, tmpfs": (kobo, "V", True, "tmpfs"),
        "V2 second pass, tmpfs": (kobo, "V", False, "tmpfs"),
        "B stock tools, tmpfs": (stock, "B", True, "tmpfs"),
        "B stock tools, disk": (stock, "C", True, "disk"),
        "unpack only (unzip -t)": (lambda d: [str(HERE / "stock_pipeline.sh"), "--unpack-only", d, fonts], "U", True,
                                   "tmpfs"),
    }
    results = {name: [] for name in pipelines}
    size_in = megabytes(library)
    count = len(books(library))
    size_out = {}
    try:
        for round_ in range(args.runs):
            for name, (command, folder, fresh, place) in pipelines.items():
                # A fresh copy of the library for each run, and nothing deleted
                # until the end: thousands of files deleted just before a run
                # slow down the file system's allocation of new ones (ext4
                # passes over inodes freed in the last 30 seconds), which
                # no user's library sees.
                work = scratch / f"{folder}-{round_}"
                if fresh:
                    shutil.copytree(library, work)
                subprocess.run(["sync"], check=True)
                results[name].append(run(command(str(work)), envs[place]))
                size_out[name] = megabytes(work)
            print(f"round {round_ + 1} of {args.runs} done", file=sys.stderr)
        fair = all(same_edits(scratch / f"{folder}-0", scratch / "B-0") for folder in ("A", "D", "S"))

        # Peak memory of A on the largest book alone.
        largest = max(books(library), key=lambda p: p.stat().st_size)
        single = scratch / "single"
        shutil.rmtree(single, ignore_errors=True)
        single.mkdir()
        shutil.copy(largest, single / largest.name)
        _, _, peak_large = run(fix(str(single)), envs["tmpfs"])
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
        shutil.rmtree(shm, ignore_errors=True)

    print(f"\n{count} books, {size_in:.1f} MB in; medians of {args.runs} alternating runs\n")
    print("| pipeline | MB out | wall s | CPU s | books/s | peak MB |")
    print("|---|---|---|---|---|---|")
    medians = {}
    for name, runs in results.items():
        wall, cpu, peak = (statistics.median(r[i] for r in runs) for i in range(3))
        medians[name] = wall
        print(f"| {name} | {size_out[name]:.1f} | {wall:.2f} | {cpu:.2f} | {count / wall:.1f} | {peak:.0f} |")
    unpack = medians["unpack only (unzip -t)"]
    print()
    for place in ("tmpfs", "disk"):
        a, b = medians[f"A bindwell-cli, {place}"], medians[f"B stock tools, {place}"]
        print(f"Working folder on {place}: A takes {a / unpack:.2f} times as long as unzip -t and is "
              f"{b / a:.1f} times as fast as B.")
    a = medians["A bindwell-cli, tmpfs"]
    print(f"Keeping the originals takes {medians['K originals to the Trash, tmpfs'] / a:.2f} times as long as A; "
          f"the second pass is {a / medians['A2 second pass, tmpfs']:.1f} times as fast as the first.")
    print(f"A's output is {size_out['A bindwell-cli, tmpfs'] / size_out['B stock tools, tmpfs'] * 100:.1f}% of B's.")
    s = medians["S faces cut down, tmpfs"]
    print(f"Cutting the faces down takes {s / a:.2f} times as long as A and {s / unpack:.2f} times as long as "
          f"unzip -t; the library grows by {size_out['S faces cut down, tmpfs'] - size_in:.1f} MB instead of "
          f"{size_out['A bindwell-cli, tmpfs'] - size_in:.1f} MB; its second pass is "
          f"{s / medians['S2 second pass, tmpfs']:.1f} times as fast as the first.")
    v = medians["V Kobo books, tmpfs"]
    print(f"Making Kobo books as well (--kepub) takes {v / a:.2f} times as long as A (goal: at most 2); its second "
          f"pass is {v / medians['V2 second pass, tmpfs']:.1f} times as fast as the first.")
    print(f"A on the largest book alone ({largest.stat().st_size / 1e6:.1f} MB): peak {peak_large:.0f} MB.")
    print("Stylesheet and package bytes: " + ("the same in A and B." if fair else "DIFFERENT between A and B."))
    return 0 if fair else 1


if __name__ == "__main__":
    sys.exit(main())
