#!/usr/bin/python3
"""Fails when a translation is unfinished, drops or adds a %1-style
argument or %n, loses its keyboard accelerator, or has the wrong number of
plural forms for its language.

    check_translations.py FILE.ts...
"""
import re
import sys
import xml.etree.ElementTree as ET

PLURAL_FORMS = {"en": 2, "de": 2, "fr": 2, "es": 2, "pt_BR": 2, "pl": 3, "ru": 3, "zh_CN": 1}
ARGUMENT = re.compile(r"%(?:L?\d|n)")


def arguments(text):
    return sorted(set(ARGUMENT.findall(text or "")))


def accelerators(text):
    return len(re.findall(r"&[^&\s]", text or ""))


def check(path):
    problems = []
    root = ET.parse(path).getroot()
    language = root.get("language", "")
    forms = PLURAL_FORMS.get(language)
    if forms is None:
        problems.append(f"{path}: unknown language {language!r}")
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{path}: {name}: {source[:60]!r}"
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where}: not translated ({translation.get('type') if translation is not None else 'missing'})")
                continue
            texts = [f.text or "" for f in translation.findall("numerusform")] if message.get("numerus") == "yes" \
                else [translation.text or ""]
            if message.get("numerus") == "yes" and forms is not None and len(texts) != forms:
                problems.append(f"{where}: {len(texts)} plural forms, {language} has {forms}")
            for text in texts:
                if not text.strip():
                    problems.append(f"{where}: empty translation")
                if arguments(text) != arguments(source):
                    problems.append(f"{where}: arguments {arguments(text)} where the source has {arguments(source)}")
                if accelerators(source) and accelerators(text) != 1:
                    problems.append(f"{where}: {accelerators(text)} keyboard accelerators in {text!r}")
    return problems


def main():
    problems = [p for path in sys.argv[1:] for p in check(path)]
    for problem in problems:
        print(problem)
    print(f"{len(sys.argv) - 1} translations checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
