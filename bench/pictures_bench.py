#!/usr/bin/env python3
"""The pictures' benchmark: the first pass with --fit-pictures and --grey-pictures against the same pass
without them, and against ImageMagick's convert, one process a picture on every core, over the same
pictures unpacked, on the benchmark library's picture books drawn as photographs (make_library.py --photos).

    pictures_bench.py --cli build/bin/bindwell-cli [--library DIR] [--books 40] [--runs 3] [--screen 1264x1680]
                      [--convert /usr/bin/convert]
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
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

HERE = Path(__file__).resolve().parent
PICTURES = (".jpg", ".jpeg", ".png")


def run(command, env=None):
    """Wall seconds, CPU seconds and peak resident MB of a command and all that it starts."""
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{command[0]} failed with status {status}")
    return time.monotonic() - start, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def books(folder):
    return sorted(p for p in Path(folder).rglob("*.epub") if p.is_file())


def picture_bytes(folder):
    total = 0
    for book in books(folder):
        with zipfile.ZipFile(book) as z:
            total += sum(i.file_size for i in z.infolist() if i.filename.lower().endswith(PICTURES))
    return total


def convert_all(convert, pictures, out, screen):
    """ImageMagick over every picture, one process each, as many at once as there are cores."""
    def one(picture):
        return run([convert, str(picture), "-auto-orient", "-resize", f"{screen}>", "-colorspace", "Gray",
                    "-quality", "85", str(out / picture.name)])
    start = time.monotonic()
    with ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        results = list(pool.map(one, pictures))
    return time.monotonic() - start, sum(r[1] for r in results), max(r[2] for r in results)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--library", default=None, help="where the photo library is kept between runs")
    parser.add_argument("--books", type=int, default=40)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--screen", default="1264x1680")
    # ImageMagick's own program, not a wrapper that the PATH may put first.
    parser.add_argument("--convert", default="/usr/bin/convert" if Path("/usr/bin/convert").exists() else "convert")
    args = parser.parse_args()

    library = Path(args.library or Path(args.cli).resolve().parent.parent / "bench-photo-library")
    if not library.exists():
        subprocess.run([sys.executable, str(HERE / "make_library.py"), str(library), "--books", str(args.books),
                        "--photos"], check=True)
    scratch = Path(tempfile.mkdtemp(prefix="pictures-bench-"))
    try:
        # The picture books alone.
        source = scratch / "source"
        for book in books(library):
            with zipfile.ZipFile(book) as z:
                if any(n.lower().endswith(PICTURES) for n in z.namelist()):
                    target = source / book.relative_to(library)
                    target.parent.mkdir(parents=True, exist_ok=True)
                    shutil.copy2(book, target)
        unpacked = scratch / "unpacked"
        unpacked.mkdir()
        pictures = []
        for book in books(source):
            with zipfile.ZipFile(book) as z:
                for name in z.namelist():
                    if name.lower().endswith(PICTURES):
                        picture = unpacked / f"{book.stem}-{Path(name).name}"
                        picture.write_bytes(z.read(name))
                        pictures.append(picture)
        before = picture_bytes(source)
        print(f"{len(books(source))} picture books, {len(pictures)} pictures, {before / 1e6:.1f} MB of pictures")

        env = dict(os.environ, XDG_CONFIG_HOME=str(scratch / "config"), XDG_DATA_HOME=str(scratch / "data"),
                   TMPDIR=str(scratch))
        common = [args.cli, "--no-fonts", "--justify", "--keep-css", "--no-kindle", "--no-keep-originals"]
        passes = {
            "with the pictures' options": common + ["--fit-pictures", "--grey-pictures", "--screen", args.screen],
            "without them": common + ["--no-fit-pictures", "--no-grey-pictures"],
        }
        figures = {name: [] for name in list(passes) + ["ImageMagick, the pictures alone"]}
        after = 0
        for r in range(args.runs):
            for name, command in passes.items():
                copy = scratch / f"run-{r}-{len(figures[name])}-{name.split()[0]}"
                shutil.copytree(source, copy)
                figures[name].append(run(command + [str(copy)], env))
                if name.startswith("with "):
                    after = picture_bytes(copy)
                shutil.rmtree(copy)
            out = scratch / f"convert-{r}"
            out.mkdir()
            figures["ImageMagick, the pictures alone"].append(convert_all(args.convert, pictures, out, args.screen))
            shutil.rmtree(out)

        print(f"pictures: {before / 1e6:.1f} MB -> {after / 1e6:.1f} MB")
        print(f"{'':34} {'wall s':>8} {'CPU s':>8} {'peak MB':>8}   (medians of {args.runs})")
        medians = {}
        for name, runs in figures.items():
            medians[name] = [statistics.median(f[i] for f in runs) for i in range(3)]
            wall, cpu, peak = medians[name]
            print(f"{name:34} {wall:8.2f} {cpu:8.2f} {peak:8.0f}")
        fix = medians["with the pictures' options"][0]
        share = fix - medians["without them"][0]
        magick = medians["ImageMagick, the pictures alone"][0]
        print(f"the whole fix takes {fix / magick:.2f} of ImageMagick's time for the pictures alone "
              f"(goal: at most 0.20); the pictures' share of it {share:.2f} s, {share / magick:.2f} of it")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
