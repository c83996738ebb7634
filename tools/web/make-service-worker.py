#!/usr/bin/python3
"""Writes the page's service worker with the list of this version's files.

Usage: make-service-worker.py SITE_DIR TEMPLATE OUTPUT NAME VERSION [--on-use FILE]... [--never GLOB]...

Every file under SITE_DIR is cached when the service worker installs, except those given with
--on-use (cached the first time the page fetches them, each known by a digest of its content,
so that a new version keeps an unchanged one) and those matching a --never pattern (not for
the page: licence texts). The cache is named after NAME, VERSION and a digest of all
the files, so that a rebuilt page with any file changed is a new version to the browser even
where the version number stayed the same.
"""
import argparse
import fnmatch
import hashlib
import json
from pathlib import Path


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site", type=Path)
    parser.add_argument("template", type=Path)
    parser.add_argument("output", type=Path)
    parser.add_argument("name")
    parser.add_argument("version")
    parser.add_argument("--on-use", action="append", default=[])
    parser.add_argument("--never", action="append", default=[])
    arguments = parser.parse_args()

    site = arguments.site
    files = sorted(path.relative_to(site).as_posix() for path in site.rglob("*")
                   if path.is_file() and path.resolve() != arguments.output.resolve())
    digest = hashlib.sha256()
    for file in files:
        digest.update(file.encode() + b"\0" + (site / file).read_bytes())
    for file in arguments.on_use:
        if file not in files:
            raise SystemExit(f"make-service-worker.py: {file} is not in {site}")
    cached = ["./"] + [file for file in files if file not in arguments.on_use
                       and not any(fnmatch.fnmatch(file, pattern) for pattern in arguments.never)]

    prefix = arguments.name.lower() + "-"
    values = {
        "@CACHE_PREFIX@": prefix,
        "@CACHE_NAME@": f"{prefix}{arguments.version}-{digest.hexdigest()[:12]}",
        "@FILES@": json.dumps(cached, indent=2),
        "@KEPT_ON_USE@": json.dumps({file: hashlib.sha256((site / file).read_bytes()).hexdigest()[:12]
                                     for file in arguments.on_use}),
    }
    text = arguments.template.read_text(encoding="utf-8")
    for placeholder, value in values.items():
        text = text.replace(placeholder, value)
    arguments.output.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
