#!/usr/bin/env python3
"""Fails when a shipped translation is behind the sources or not right.

usage: check_translations.py LUPDATE SOURCE_DIR TRANSLATIONS_DIR

For every translations/vigila_<language>.ts:
- lupdate over the sources finds no text the file lacks and none it holds that the sources dropped;
- every text is translated, no translation is left unfinished, every plural form is filled in;
- lupdate can tell the context of every tr() (otherwise a text would never be translated);
- each translation carries the same %1…%99 arguments as its source, and %n wherever the source has it.
vigila_en.ts holds only the English singular and plural forms of the texts with a count.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ARGUMENT = re.compile(r"%(\d{1,2})")
# lupdate reads every hex digit after \u, the compiler four: "\u201CDaily" is two texts.
LONG_ESCAPE = re.compile(r"\\u[0-9A-Fa-f]{4}[0-9A-Fa-f]")


def messages(path):
    """(context, source, comment) -> message element."""
    result = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            result[key] = message
    return result


def forms(message):
    translation = message.find("translation")
    if translation is None:
        return None
    if message.get("numerus") == "yes":
        return [form.text or "" for form in translation.iter("numerusform")]
    return [translation.text or ""]


def problems_in(path, fresh):
    found = []
    held, current = messages(path), messages(fresh)
    for key in current.keys() - held.keys():
        found.append(f"not in the file yet: {key[0]}: {key[1]!r}")
    for key in held.keys() - current.keys():
        found.append(f"no longer in the sources: {key[0]}: {key[1]!r}")
    for (context, source, _), message in held.items():
        where = f"{context}: {source!r}"
        translation = message.find("translation")
        texts = forms(message)
        if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
            found.append(f"unfinished: {where}")
            continue
        if not texts or any(not text.strip() for text in texts):
            found.append(f"empty translation: {where}")
            continue
        wanted = sorted(set(ARGUMENT.findall(source)), key=int)
        for text in texts:
            if sorted(set(ARGUMENT.findall(text)), key=int) != wanted:
                found.append(f"arguments differ from the source in {text!r}: {where}")
            if message.get("numerus") == "yes" and "%n" not in text:
                found.append(f"no %n in the plural form {text!r}: {where}")
            if message.get("numerus") != "yes" and ("%n" in source) != ("%n" in text):
                found.append(f"%n differs from the source in {text!r}: {where}")
    return found


def misread_escapes(sources):
    found = []
    for path in sorted(Path(sources).rglob("*")):
        if path.suffix in (".cpp", ".h"):
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                if LONG_ESCAPE.search(line):
                    found.append(f"{path}:{number}: a \\u escape followed by a hex digit; end the literal after it")
    return found


def main():
    lupdate, sources, folder = sys.argv[1:4]
    files = sorted(Path(folder).glob("vigila_*.ts"))
    escapes = misread_escapes(sources)
    for problem in escapes:
        print(problem)
    if len(files) < 2:
        print(f"no translations in {folder}")
        return 1
    failed = bool(escapes)
    with tempfile.TemporaryDirectory() as scratch:
        for path in files:
            fresh = Path(scratch) / path.name
            shutil.copy(path, fresh)
            options = ["-locations", "none", "-no-obsolete", "-silent"]
            if path.name == "vigila_en.ts":
                options.append("-pluralonly")
            run = subprocess.run([lupdate, *options, sources, "-ts", str(fresh)], check=True,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
            found = problems_in(path, fresh)
            # A tr() lupdate cannot place is a text that would never be translated.
            found += [f"lupdate: {line}" for line in run.stderr.splitlines()
                      if "without context" in line or "lacks Q_OBJECT" in line]
            count = len(messages(path))
            print(f"{path.name}: {count} texts, {len(found)} problems")
            for problem in found:
                print(f"  {problem}")
            failed |= bool(found)
    if failed:
        print("Refresh the files with `cmake --build build --target vigila_lupdate` and translate what is missing.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
