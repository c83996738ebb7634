#!/usr/bin/python3
"""Gives the page its words in every language from the program's Qt Linguist files.

Usage: make-words.py NAME PAGE_IN PAGE_OUT WORDS_OUT SCRIPTS... -- TS_FILES...

English is the source text, written in the page itself: an element with data-tr="CONTEXT" has
a source text as its text, data-tr-content="CONTEXT" as its content attribute, and the scripts
ask for one with tr('CONTEXT', 'source'). Every word the page uses must have a finished
translation in each language, or the build stops and says which. WORDS_OUT becomes a module
with the translations the page uses and nothing else; PAGE_OUT is PAGE_IN with every element
marked data-every-language repeated once for each language, each in its own words and with its
lang attribute (the words that must be there without JavaScript, which could choose one), and
%1 in it replaced by NAME.
"""
import html
import json
import re
import sys
import xml.etree.ElementTree as ElementTree
from html.parser import HTMLParser
from pathlib import Path

# BCP 47 as the page's lang attribute takes it, for each .ts file's language.
LANGUAGE_TAGS = {"sr_Latn": "sr-Latn", "sr_Cyrl": "sr-Cyrl"}
KEY_SEPARATOR = "\u0004"


def collapsed(text):
    # As the page reads an element's text: whitespace runs are one blank, none at the ends.
    return " ".join(text.split())


class SourceTexts(HTMLParser):
    """The (context, source) pairs that the page's elements are marked with."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.found = []
        self.open = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "data-tr-content" in attrs:
            self.found.append((attrs["data-tr-content"], collapsed(attrs.get("content", ""))))
        if "data-tr" in attrs:
            self.open.append([tag, attrs["data-tr"], ""])
        elif self.open:
            sys.exit(f"make-words.py: <{tag}> inside an element to translate; give it no markup")

    def handle_data(self, data):
        if self.open:
            self.open[-1][2] += data

    def handle_endtag(self, tag):
        if self.open and self.open[-1][0] == tag:
            _, context, text = self.open.pop()
            self.found.append((context, collapsed(text)))


def script_texts(path):
    text = Path(path).read_text(encoding="utf-8")
    pattern = r"""\btr\(\s*(['"])(\w+)\1\s*,\s*(['"])((?:(?!\3)[^\\]|\\.)*)\3"""
    return [(match[1], match[3].encode().decode("unicode_escape"))
            for match in re.findall(pattern, text)]


def read_ts(path):
    root = ElementTree.parse(path).getroot()
    language = root.get("language")
    if language not in LANGUAGE_TAGS:
        sys.exit(f"make-words.py: {path}: unknown language {language!r}")
    messages = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            finished = translation is not None and translation.get("type") is None
            messages[(name, message.findtext("source"))] = (
                translation.text if finished and translation.text else None)
    return LANGUAGE_TAGS[language], messages


def every_language(page, name, words):
    """Repeats each element marked data-every-language once per language."""
    pattern = re.compile(r'<(\w+)([^>]*) data-tr="(\w+)" data-every-language>(.*?)</\1>', re.S)

    def repeat(match):
        tag, attributes, context, source = match.groups()
        texts = [("en", collapsed(html.unescape(source)))]
        key = context + KEY_SEPARATOR + texts[0][1]
        texts += [(tag_, language[key]) for tag_, language in words.items()]
        return "\n".join(f'<{tag}{attributes} lang="{lang}">'
                         f'{html.escape(text.replace("%1", name), quote=False)}</{tag}>'
                         for lang, text in texts)

    return pattern.sub(repeat, page)


def main(name, page_in, page_out, words_out, scripts, ts_files):
    page = Path(page_in).read_text(encoding="utf-8")
    parser = SourceTexts()
    parser.feed(page)
    used = set(parser.found)
    for script in scripts:
        used.update(script_texts(script))

    # A language's messages may come from several files: the desktop's and the page's own.
    languages = {}
    for ts in ts_files:
        tag, messages = read_ts(ts)
        languages.setdefault(tag, {}).update(messages)
    words = {}
    missing = []
    for tag, messages in languages.items():
        language = words.setdefault(tag, {})
        for context, source in sorted(used):
            translation = messages.get((context, source))
            if translation is None:
                missing.append(f"{tag}: {context}: {source}")
            else:
                language[context + KEY_SEPARATOR + source] = translation
    if missing:
        sys.exit("make-words.py: the page uses words without a finished translation:\n  "
                 + "\n  ".join(missing))

    Path(words_out).write_text(
        "// Made by tools/web/make-words.py from the Qt Linguist files: edit those.\n"
        f"export const separator = {json.dumps(KEY_SEPARATOR)};\n"
        f"export const words = {json.dumps(words, ensure_ascii=False, indent=1)};\n",
        encoding="utf-8")
    Path(page_out).write_text(every_language(page, name, words), encoding="utf-8")


if __name__ == "__main__":
    arguments = sys.argv[1:]
    if "--" not in arguments or len(arguments) < 5:
        sys.exit(__doc__)
    split = arguments.index("--")
    main(*arguments[:4], arguments[4:split], arguments[split + 1:])
