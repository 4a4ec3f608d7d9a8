#!/usr/bin/env python3
"""Fails when a constructor or destructor calls a virtual function, directly or through
helpers: C++ does not dispatch such a call to the overrides, so the work belongs in
AfterConstruction or Loaded. A call meant for the class's own version is written
qualified (Base::Name()), which the check accepts.

    tools/check_virtual_calls.py BUILD_DIR [-j JOBS] [SOURCE ...]

Runs clang's static analyzer (only its virtual-call checker, in its quick mode) over the
given sources, or over every source under src/ listed in BUILD_DIR/compile_commands.json.
The findings of each source are kept under the hash of its preprocessed text (in
$VANTREL_CHECK_CACHE, else ~/.cache/vantrel/virtual-calls), so that a later run analyses
only what changed.
"""
import argparse
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

ANALYZER = ["--analyze", "-o", "/dev/null",
            "-Xanalyzer", "-analyzer-checker=optin.cplusplus.VirtualCall",
            "-Xanalyzer", "-analyzer-config", "-Xanalyzer", "mode=shallow",
            # A unity batch's own text is only #include lines: without this the analyzer
            # would look at none of the sources it brings in.
            "-Xanalyzer", "-analyzer-opt-analyze-headers"]
FINDING = re.compile(r"^(\S+:\d+:\d+): warning: (.*\[optin\.cplusplus\.VirtualCall\])$", re.M)


def analyzer_command(entry, clang):
    args = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    # Drop a compiler launcher (ccache) and the compiler, the output and -c.
    while args and not args[0].startswith("-") and not args[1].startswith("-"):
        args = args[1:]
    kept, skip = [], False
    for arg in args[1:]:
        if skip:
            skip = False
        elif arg == "-o":
            skip = True
        elif arg != "-c":
            kept.append(arg)
    return [clang] + kept + ANALYZER


def cache_key(command, directory):
    preprocessed = subprocess.run(command[:-len(ANALYZER)] + ["-E", "-P", "-o", "-"], cwd=directory,
                                  capture_output=True)
    if preprocessed.returncode != 0:
        return None
    digest = hashlib.sha256(preprocessed.stdout)
    digest.update(" ".join(command).encode())
    return digest.hexdigest()


def analyze(entry, clang, cache_dir):
    command = analyzer_command(entry, clang)
    key = cache_key(command, entry["directory"])
    cached = os.path.join(cache_dir, key) if key else None
    if cached and os.path.exists(cached):
        with open(cached) as f:
            return [tuple(finding) for finding in json.load(f)]
    result = subprocess.run(command, cwd=entry["directory"], capture_output=True, text=True)
    findings = FINDING.findall(result.stderr)
    if cached and result.returncode == 0:
        with open(cached, "w") as f:
            json.dump(findings, f)
    return findings


def unity_batch_of(path, source_dir):
    """A unity build lists its batches, not the sources they include: a batch of src/ files
    is analysed as a whole."""
    if os.sep + "Unity" + os.sep not in path or not path.endswith(".cxx"):
        return False
    with open(path) as f:
        return any(line.startswith('#include "' + source_dir) for line in f)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir")
    parser.add_argument("-j", "--jobs", type=int, default=2)
    parser.add_argument("--clang", default=os.environ.get("CLANGXX", "clang++"))
    parser.add_argument("sources", nargs="*")
    options = parser.parse_intermixed_args()

    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    wanted = [os.path.abspath(s) for s in options.sources]
    source_dir = os.path.join(root, "src") + os.sep

    def chosen(entry):
        path = os.path.abspath(os.path.join(entry["directory"], entry["file"]))
        if wanted:
            return path in wanted
        return path.startswith(source_dir) or unity_batch_of(path, source_dir)

    with open(os.path.join(options.build_dir, "compile_commands.json")) as f:
        entries = [e for e in json.load(f) if chosen(e)]
    cache_dir = os.environ.get("VANTREL_CHECK_CACHE") or os.path.expanduser("~/.cache/vantrel/virtual-calls")
    os.makedirs(cache_dir, exist_ok=True)

    findings = set()
    with ThreadPoolExecutor(max_workers=options.jobs) as pool:
        for found in pool.map(lambda e: analyze(e, options.clang, cache_dir), entries):
            findings.update(found)
    for where, what in sorted(findings):
        print(f"{os.path.relpath(os.path.abspath(where), root) if os.path.isabs(where) else where}: {what}")
    print(f"{len(entries)} sources analysed, {len(findings)} virtual calls during construction or destruction")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
