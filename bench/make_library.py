#!/usr/bin/env python3
"""Builds the benchmark library: EPUB 2 and EPUB 3 books made from real
text found on this machine (licences, package copyright files, Debian
change logs, Perl's documentation) and from photographs-like JPEG and PNG
images drawn by ImageMagick. Text-heavy books run from a few KB to about
3 MB, image-heavy ones to about 10 MB. The same seed gives the same books.

    make_library.py FOLDER [--books N] [--seed S] [--small]

With --small every book is a small one, as most of a real library is: 20
to 100 KB of text and a cover picture, about 70 KB packed.
"""
import argparse
import gzip
import html
import math
import os
import random
import subprocess
import sys
import zipfile
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

TEXT_SOURCES = ["/usr/share/common-licenses", "/usr/share/perl/5.36/pod", "/usr/share/doc"]


def real_paragraphs():
    """Paragraphs of real prose: blocks of text separated by blank lines."""
    paragraphs = []
    for top in TEXT_SOURCES:
        for root, _, files in os.walk(top):
            for name in sorted(files):
                path = os.path.join(root, name)
                try:
                    if name.endswith(".gz") and "changelog" in name:
                        raw = gzip.open(path).read()
                    elif name in ("copyright",) or top != "/usr/share/doc":
                        raw = open(path, "rb").read()
                    else:
                        continue
                except OSError:
                    continue
                text = raw.decode("utf-8", "replace")
                for block in text.split("\n\n"):
                    words = " ".join(block.split())
                    if len(words) > 60:
                        paragraphs.append(words)
    if not paragraphs:
        sys.exit("no text found on this machine")
    return paragraphs


STYLESHEET = """body {{ margin: 0 5%; font-size: 1em; line-height: 1.4; }}
h1 {{ font-size: 1.6em; font-weight: bold; text-align: center; margin: 2em 0 1em; }}
h2 {{ font-size: 1.3em; margin-top: 1.5em; }}
p {{ font-size: {body}pt; text-indent: 1.5em; margin: 0; }}
p.first {{ text-indent: 0; }}
.small {{ font-size: 9px; }}
blockquote {{ font-size: smaller; margin: 1em 2em; }}
img {{ max-width: 100%; }}
.caption {{ font-size:10pt;font-style: italic; text-align: center; }}
"""


# What --unready books say of their language: what a tool run in the C
# locale writes, a code written with "_", names and a three-letter code,
# and nothing.
UNREADY_LANGUAGES = ["C", "pt_BR", "English", "eng", ""]


def page(title, body, version, declared=True, lang=None):
    head = '<?xml version="1.0" encoding="utf-8"?>\n' if declared else ""
    attribute = f' xml:lang="{lang}"' if lang else ""
    if version == 3:
        head += ('<!DOCTYPE html>\n<html xmlns="http://www.w3.org/1999/xhtml" '
                 f'xmlns:epub="http://www.idpf.org/2007/ops"{attribute}>\n')
    else:
        head += ('<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.1//EN" "http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd">\n'
                 f'<html xmlns="http://www.w3.org/1999/xhtml"{attribute}>\n')
    return (head + f"<head><title>{html.escape(title)}</title>"
            '<link rel="stylesheet" type="text/css" href="../Styles/style.css"/></head>\n'
            f"<body>\n{body}</body>\n</html>\n")


def chapters(rng, paragraphs, size):
    """Chapter bodies whose text adds up to about size bytes."""
    out, current, total = [], [], 0
    chapter_size = max(2000, min(size // 8, 120_000))
    while total < size:
        para = html.escape(rng.choice(paragraphs))
        current.append(f"<p>{para}</p>\n")
        total += len(para) + 8
        if sum(len(p) for p in current) >= chapter_size:
            out.append(current)
            current = []
    if current:
        out.append(current)
    return out


def draw_image(job):
    path, seed, kind, width, height = job
    if path.exists():
        return
    noise = ["-attenuate", "0.4", "+noise", "Gaussian"] if kind == "jpg" else []
    quality = ["-quality", "90"] if kind == "jpg" else []
    subprocess.run(["convert", "-seed", str(seed), "-size", f"{width}x{height}", "plasma:fractal", *noise,
                    *quality, str(path)], check=True)


def make_book(path, number, rng, paragraphs, version, text_size, images, unready=False):
    title = f"Book {number}: " + " ".join(rng.choice(paragraphs).split()[:4])
    language = UNREADY_LANGUAGES[number % len(UNREADY_LANGUAGES)] if unready else "en"
    lang = language if unready and language == "C" else None
    page_of = lambda heading, body: page(heading, body, version, not unready, lang)
    css = STYLESHEET.format(body=rng.choice([10, 11, 12, 13]))
    bodies = chapters(rng, paragraphs, text_size)
    manifest, spine, files = [], [], []
    for i, paras in enumerate(bodies, 1):
        body = f"<h1>Chapter {i}</h1>\n" + "".join(paras)
        if images and i <= len(images):
            body += f'<p class="caption"><img src="../Images/{images[i - 1].name}" alt="plate {i}"/></p>\n'
        files.append((f"OEBPS/Text/ch{i:03}.xhtml", page_of(f"Chapter {i}", body).encode()))
        manifest.append(f'<item id="ch{i:03}" href="Text/ch{i:03}.xhtml" media-type="application/xhtml+xml"/>')
        spine.append(f'<itemref idref="ch{i:03}"/>')
    for k, image in enumerate(images):
        media = "image/jpeg" if image.suffix == ".jpg" else "image/png"
        manifest.append(f'<item id="img{k}" href="Images/{image.name}" media-type="{media}"/>')
    manifest.append('<item id="css" href="Styles/style.css" media-type="text/css"/>')
    if version == 3:
        nav = "".join(f'<li><a href="Text/ch{i:03}.xhtml">Chapter {i}</a></li>' for i in range(1, len(bodies) + 1))
        files.append(("OEBPS/nav.xhtml", page_of("Contents", f'<nav epub:type="toc"><ol>{nav}</ol></nav>\n')
                      .replace("../Styles", "Styles").encode()))
        manifest.append('<item id="nav" href="nav.xhtml" media-type="application/xhtml+xml" properties="nav"/>')
        meta = '<meta property="dcterms:modified">2026-01-01T00:00:00Z</meta>'
        spine_open = "<spine>"
    else:
        points = "".join(f'<navPoint id="n{i}" playOrder="{i}"><navLabel><text>Chapter {i}</text></navLabel>'
                         f'<content src="Text/ch{i:03}.xhtml"/></navPoint>' for i in range(1, len(bodies) + 1))
        files.append(("OEBPS/toc.ncx", ('<?xml version="1.0" encoding="utf-8"?>\n'
                                        '<ncx xmlns="http://www.daisy.org/z3986/2005/ncx/" version="2005-1">'
                                        f'<head><meta name="dtb:uid" content="bench-{number}"/></head>'
                                        f'<docTitle><text>{html.escape(title)}</text></docTitle>'
                                        f"<navMap>{points}</navMap></ncx>\n").encode()))
        manifest.append('<item id="ncx" href="toc.ncx" media-type="application/x-dtbncx+xml"/>')
        meta = ""
        spine_open = '<spine toc="ncx">'
    opf = ('<?xml version="1.0" encoding="utf-8"?>\n'
           f'<package xmlns="http://www.idpf.org/2007/opf" version="{version}.0" unique-identifier="id">\n'
           '<metadata xmlns:dc="http://purl.org/dc/elements/1.1/">\n'
           f'<dc:identifier id="id">urn:uuid:00000000-0000-4000-8000-{number:012}</dc:identifier>\n'
           f"<dc:title>{html.escape(title)}</dc:title>\n<dc:language>{language}</dc:language>\n{meta}\n</metadata>\n"
           "<manifest>\n" + "\n".join(manifest) + "\n</manifest>\n" + spine_open + "".join(spine) +
           "</spine>\n</package>\n")
    container = ('<?xml version="1.0"?>\n<container version="1.0" '
                 'xmlns="urn:oasis:names:tc:opendocument:xmlns:container"><rootfiles>'
                 '<rootfile full-path="OEBPS/content.opf" media-type="application/oebps-package+xml"/>'
                 "</rootfiles></container>\n")
    path.parent.mkdir(parents=True, exist_ok=True)
    with zipfile.ZipFile(path, "w") as book:
        book.writestr(zipfile.ZipInfo("mimetype"), "application/epub+zip", zipfile.ZIP_STORED)
        book.writestr("META-INF/container.xml", container, zipfile.ZIP_DEFLATED)
        book.writestr("OEBPS/content.opf", opf, zipfile.ZIP_DEFLATED)
        book.writestr("OEBPS/Styles/style.css", css, zipfile.ZIP_DEFLATED)
        for name, data in files:
            book.writestr(name, data, zipfile.ZIP_DEFLATED)
        for image in images:
            book.write(image, f"OEBPS/Images/{image.name}", zipfile.ZIP_DEFLATED)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--books", type=int, default=120)
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--small", action="store_true", help="small books only: text and a cover")
    parser.add_argument("--photos", action="store_true",
                        help="the picture books carry photographs larger than an e-reader's screen")
    parser.add_argument("--unready", action="store_true",
                        help="content documents without an XML declaration, and languages Send to Kindle refuses")
    args = parser.parse_args()
    out = Path(args.folder)
    images_dir = out.parent / (out.name + ("-photos" if args.photos else "-images"))
    images_dir.mkdir(parents=True, exist_ok=True)
    rng = random.Random(args.seed)
    paragraphs = real_paragraphs()

    # A quarter of the books are image-heavy; the rest carry text only.
    plans, jobs = [], []
    for n in range(1, args.books + 1):
        version = 3 if n % 2 else 2
        if args.small:
            # Twenty covers, shared: drawing one for each book would take
            # longer than the benchmark.
            cover = images_dir / f"cover-{n % 20:02}.jpg"
            if n <= 20:
                jobs.append((cover, 7000 + n, "jpg", 200, 300))
            plans.append((n, version, int(rng.uniform(20_000, 100_000)), [cover]))
        elif n % 4 == 0:
            # 1 to 10 MB of images, evenly on a log scale; a drawn image
            # takes about 0.85 MB.
            target = math.exp(rng.uniform(math.log(1e6), math.log(9.5e6)))
            images = []
            # A photograph of 3000 x 4000 (or 4000 x 3000) takes about 3 MB.
            for k in range(max(1, round(target / (3e6 if args.photos else 0.85e6)))):
                kind = "png" if k % 5 == 4 else "jpg"
                if args.photos:
                    width, height = (1600, 1200) if kind == "png" else (3000, 4000) if k % 2 == 0 else (4000, 3000)
                else:
                    width, height = (480, 360) if kind == "png" else (1000, 1400)
                image = images_dir / f"b{n:03}-{k:02}.{kind}"
                jobs.append((image, n * 100 + k, kind, width, height))
                images.append(image)
            plans.append((n, version, int(rng.uniform(20_000, 100_000)), images))
        else:
            plans.append((n, version, int(rng.choice([5e3, 2e4, 1e5, 3e5, 1e6, 3e6]) * rng.uniform(0.5, 1.0)), []))
    with ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        list(pool.map(draw_image, jobs))
    for n, version, text_size, images in plans:
        shelf = "" if n % 3 else f"Series {n % 7}/"
        make_book(out / f"{shelf}book-{n:03}.epub", n, rng, paragraphs, version, text_size, images, args.unready)
    total = sum(p.stat().st_size for p in out.rglob("*.epub"))
    print(f"{args.books} books, {total / 1e6:.1f} MB in {out}")


if __name__ == "__main__":
    main()
