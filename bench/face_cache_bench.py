#!/usr/bin/env python3
"""Times bindwell-cli's first pass with the faces cut down to each book's
characters against unzip -t of every book, with an empty cache of cut
faces (the first run) and with the cache a run over the same library left
(a later run), beside the first pass with the whole faces, all side by
side in one run, alternating; prints one table of medians, the packed
faces per book, and checks that both runs wrote the same books.

    face_cache_bench.py --cli build/bin/bindwell-cli --fonts /usr/share/fonts/truetype/liberation2
                        [--library DIR] [--books N] [--small] [--runs R] [--other-cli CLI --other-name NAME]

--other-cli times another build's cut faces with an empty cache beside
them (cuts to pages of characters, say).
"""
import argparse
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
from pipeline_bench import books, megabytes, run  # noqa: E402

FACES = ["LiberationSerif-Regular.ttf", "LiberationSerif-Italic.ttf", "LiberationSerif-Bold.ttf",
         "LiberationSerif-BoldItalic.ttf"]


def packed_faces(book, whole):
    """The four faces' packed bytes in a book, and whether they are cut."""
    with zipfile.ZipFile(book) as z:
        infos = {i.filename: i for i in z.infolist()}
        if not all(f in infos for f in FACES):
            return None, False
        return sum(infos[f].compress_size for f in FACES), sum(infos[f].file_size for f in FACES) < whole


def packed_bytes(book):
    """The four faces' entries as a book holds them: CRC-32 and compressed bytes."""
    out = []
    with open(book, "rb") as f, zipfile.ZipFile(book) as z:
        for name in FACES:
            info = z.getinfo(name)
            f.seek(info.header_offset + 26)
            name_length, extra_length = struct.unpack("<HH", f.read(4))
            f.seek(info.header_offset + 30 + name_length + extra_length)
            out.append((info.CRC, f.read(info.compress_size)))
    return out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--fonts", required=True)
    parser.add_argument("--library", default=None, help="where the benchmark library is kept between runs")
    parser.add_argument("--books", type=int, default=120)
    parser.add_argument("--small", action="store_true")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--other-cli", default=None)
    parser.add_argument("--other-name", default="other build")
    args = parser.parse_args()
    cli, fonts = str(Path(args.cli).resolve()), str(Path(args.fonts).resolve())

    scratch = Path(tempfile.mkdtemp(prefix="bindwell-facebench-"))
    library = Path(args.library or scratch / "library") / (f"Small-{args.books}" if args.small else f"Books-{args.books}")
    if not library.exists():
        subprocess.run([sys.executable, str(HERE / "make_library.py"), str(library), "--books", str(args.books)] +
                       (["--small"] if args.small else []), check=True)
    shm = Path(tempfile.mkdtemp(prefix="bindwell-facebench-", dir="/dev/shm"))
    (shm / "tmp").mkdir()
    base = dict(os.environ, TMPDIR=str(shm / "tmp"), XDG_CONFIG_HOME=str(scratch / "config"),
                XDG_DATA_HOME=str(scratch / "data"))
    base.pop("XDG_RUNTIME_DIR", None)
    cache = lambda name: dict(base, XDG_CACHE_HOME=str(scratch / name))

    options = ["--font-sizes", "--justify", "--fonts", "--keep-css", "--no-keep-originals"]
    whole = lambda d: [cli] + options + ["--no-subset-fonts", d]
    cut = lambda d: [cli] + options + ["--subset-fonts", d]
    other = lambda d: [str(Path(args.other_cli).resolve())] + options + ["--subset-fonts", d]
    unpack = lambda d: [str(HERE / "stock_pipeline.sh"), "--unpack-only", d, fonts]

    # The warm cache: what one run over a copy of the library leaves.
    warmup = scratch / "warmup"
    shutil.copytree(library, warmup)
    run(cut(str(warmup)), cache("cache-warm"))

    # name: (command, folder, environment of round r)
    pipelines = {
        "unpack only (unzip -t)": (unpack, "U", lambda r: base),
        "A whole faces": (whole, "A", lambda r: base),
        "S cut faces, empty cache": (cut, "S", lambda r: cache(f"cache-empty-{r}")),
        "W cut faces, warm cache": (cut, "W", lambda r: cache("cache-warm")),
    }
    if args.other_cli:
        pipelines[f"O {args.other_name}, empty cache"] = (other, "O", lambda r: cache(f"cache-other-{r}"))
    results = {name: [] for name in pipelines}
    size_out = {}
    count, size_in = len(books(library)), megabytes(library)
    try:
        for round_ in range(args.runs):
            for name, (command, folder, env) in pipelines.items():
                work = scratch / f"{folder}-{round_}"
                shutil.copytree(library, work)
                subprocess.run(["sync"], check=True)
                results[name].append(run(command(str(work)), env(round_)))
                size_out[name] = megabytes(work)
            print(f"round {round_ + 1} of {args.runs} done", file=sys.stderr)

        whole_size = sum((Path(fonts) / f).stat().st_size for f in FACES)
        per_book = {}
        for folder in ["S", "O"] if args.other_cli else ["S"]:
            sizes = [packed_faces(b, whole_size) for b in books(scratch / f"{folder}-0")]
            per_book[folder] = sorted(s for s, is_cut in sizes if s is not None and is_cut)
        same = all(packed_bytes(scratch / "W-0" / p.relative_to(scratch / "S-0")) == packed_bytes(p)
                   for p in books(scratch / "S-0") if packed_faces(p, whole_size)[1])
        cache_mb = sum(p.stat().st_size for p in (scratch / "cache-warm").rglob("*.faces")) / 1e6
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
        shutil.rmtree(shm, ignore_errors=True)

    print(f"\n{count} books, {size_in:.1f} MB in; medians of {args.runs} alternating runs\n")
    print("| pipeline | MB out | wall s | CPU s | books/s | times unzip -t |")
    print("|---|---|---|---|---|---|")
    medians = {name: statistics.median(r[0] for r in runs) for name, runs in results.items()}
    floor = medians["unpack only (unzip -t)"]
    for name, runs in results.items():
        cpu = statistics.median(r[1] for r in runs)
        print(f"| {name} | {size_out[name]:.1f} | {medians[name]:.2f} | {cpu:.2f} | {count / medians[name]:.1f} | "
              f"{medians[name] / floor:.2f} |")
    print()
    for folder, sizes in per_book.items():
        if sizes:
            print(f"{folder}: {len(sizes)} books with cut faces; packed faces per book: median "
                  f"{statistics.median(sizes) / 1024:.1f} KB, smallest {sizes[0] / 1024:.1f} KB, largest "
                  f"{sizes[-1] / 1024:.1f} KB")
    print(f"The warm cache holds {cache_mb:.1f} MB; the run with it wrote "
          + ("the same faces as the run without." if same else "OTHER FACES than the run without."))
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main())
