#!/usr/bin/env python3
"""Writes THIRD-PARTY-NOTICES.txt for QelWizard.exe from what its static link really pulled in.

    scripts/notices.py QT_SOURCE QT_BUILD LINK_MAP VERSION_FILE OUTPUT   write the notices
    scripts/notices.py --check QT_SOURCE QT_BUILD LINK_MAP NOTICES EXPECTED
                                check written notices and the link against the committed list of headings

Qt's source holds a qt_attribution.json beside each piece of third-party code it carries; Qt's own
qtattributionsscanner reads them. A piece is in the program when one of its files (a source or a header) went into
an object file that the linker took into QelWizard.exe: the link map names the archive members it took, the Qt
build's ninja log names every file each object was compiled from. So a library switched off by the configure
options has no notice, and one that is in cannot be missed.
"""
import json
import os
import re
import subprocess
import sys

SCANNER = "/usr/lib/qt6/libexec/qtattributionsscanner"
MINGW_COPYRIGHT = "/usr/share/doc/mingw-w64-x86-64-dev/copyright"
GCC_COPYRIGHT = "/usr/share/doc/gcc-mingw-w64-base/copyright"
RULE = "=" * 78


def ninja(qt_build, *args):
    return subprocess.run(["ninja", "-C", qt_build, "-t", *args], capture_output=True, text=True, check=True).stdout


def query_inputs(qt_build, targets):
    """The explicit and implicit inputs of each target, from 'ninja -t query'."""
    inputs, current, reading = {}, None, False
    for line in ninja(qt_build, "query", *targets).splitlines() if targets else []:
        if not line.startswith(" "):
            current, reading = line.rstrip(":"), False
        elif line.startswith("  input:"):
            reading = True
        elif line.startswith("  outputs:"):
            reading = False
        elif reading and current:
            word = line.strip()
            if word != "|" and word != "||":
                inputs.setdefault(current, []).append(word)
    return inputs


def build_targets(qt_build):
    """Every file the Qt build makes, by its path in the build."""
    return [line.split(":")[0] for line in ninja(qt_build, "targets", "all").splitlines()]


def linked_objects(qt_build, targets, link_map):
    """The object files of the Qt build that the linker took into the program: archive members it pulled in and
    objects it loaded whole (plugin initializers, compiled-in resources). Also the names of the archives used."""
    members, loaded = {}, []
    with open(link_map, encoding="utf-8", errors="replace") as text:
        for line in text:
            found = re.match(r"^(\S+\.a)\((\S+)\)", line)
            if found:
                members.setdefault(os.path.basename(found.group(1)), set()).add(found.group(2))
            found = re.match(r"^LOAD (\S+)/objects-[^/]+/([^/]+)/(\S+\.obj)$", line)
            if found:
                loaded.append(f"CMakeFiles/{found.group(2)}.dir/{found.group(3)}")
    archives = [t for t in targets if os.path.basename(t) in members]
    objects = {t for t in targets if any(t.endswith("/" + tail) for tail in loaded)}
    for archive, inputs in query_inputs(qt_build, archives).items():
        objects |= {o for o in inputs if os.path.basename(o) in members[os.path.basename(archive)]}
    return objects, set(members)


def compiled_files(qt_build, link_map):
    """Every file that went into the objects the program links, as absolute paths: what each was compiled from
    and, for what the build generated, what that was made from (a resource's files, for one)."""
    targets = build_targets(qt_build)
    objects, archives = linked_objects(qt_build, targets, link_map)
    made = set(targets)
    files = set()
    for line in ninja(qt_build, "deps", *sorted(objects)).splitlines():
        if line.startswith("    "):
            files.add(os.path.realpath(os.path.join(qt_build, line.strip())))
    build = os.path.realpath(qt_build) + os.sep
    generated = sorted(t for t in (os.path.relpath(f, build) for f in files if f.startswith(build)) if t in made)
    for inputs in query_inputs(qt_build, generated).values():
        files |= {os.path.realpath(os.path.join(qt_build, f)) for f in inputs}
    return files, archives


def attributions(qt_source):
    scanned = subprocess.run([SCANNER, "--output-format", "json", os.path.join(qt_source, "src")],
                             capture_output=True, text=True, check=True).stdout
    return json.loads(scanned)


def in_program(entry, files):
    path = os.path.realpath(entry["Path"])
    named = entry["Files"].replace(",", " ").split()
    if named:
        return any(os.path.join(path, name) in files for name in named)
    if os.path.isfile(path):
        return path in files
    return any(f.startswith(path + os.sep) for f in files)


def heading(entry):
    return entry["Name"] + (f" {entry['Version']}" if entry["Version"] else "")


GCC_RUNTIME = "GCC runtime libraries (libgcc, libstdc++, libssp)"
MINGW_RUNTIME = "MinGW-w64 runtime (C runtime start-up code, winpthreads)"
LICENCES = ("LGPL-3.0-only", "GPL-3.0-only")
# Qt's bundled libraries are archives of their own: each that the link used must have its notice, whatever the
# attribution files say.
BUNDLED = {"libQt6BundledFreetype.a": "Freetype 2", "libQt6BundledHarfbuzz.a": "HarfBuzz-NG",
           "libQt6BundledLibpng.a": "LibPNG", "libQt6BundledPcre2.a": "PCRE2",
           "libQt6BundledZLIB.a": "Data Compression Library (zlib)"}


def runtime_parts(names):
    """The MinGW-w64 and GCC runtime libraries linked in with -static."""
    parts = []
    if names & {"libstdc++.a", "libgcc.a", "libgcc_eh.a", "libssp.a"}:
        parts.append(GCC_RUNTIME)
    if any(n.startswith("libmingw") or n in ("libwinpthread.a", "libmsvcrt.a", "libmoldname.a") for n in names):
        parts.append(MINGW_RUNTIME)
    return parts


def included(qt_source, qt_build, link_map):
    files, archives = compiled_files(qt_build, link_map)
    entries = [e for e in attributions(qt_source) if in_program(e, files)]
    entries.sort(key=lambda e: e["Name"].lower())
    return entries, runtime_parts(archives), archives


def read(path):
    with open(path, encoding="utf-8", errors="replace") as text:
        return text.read().rstrip() + "\n"


def gcc_exception():
    text = read(GCC_COPYRIGHT)
    start = text.index("GCC RUNTIME LIBRARY EXCEPTION")
    end = text.index("copyleft\nrequirements of the license of GCC.\n", start)  # the end of its last clause
    return text[start:text.index("\n", end + len("copyleft\n")) + 1]


def write(qt_source, qt_build, link_map, version_file, output):
    entries, runtime, _ = included(qt_source, qt_build, link_map)
    qt_version = read(version_file).splitlines()[0].split(",")[0]  # "Qt 6.4.2"
    out = [
        "Third-party software in QelWizard.exe",
        RULE,
        "",
        "QelWizard.exe is the Qel Configuration Wizard (MIT licence, see LICENSE.txt) linked statically with the",
        "software below. This file is made by the build from the notices that Qt's source carries for each library",
        "it bundles, keeping only those whose code was linked into this QelWizard.exe.",
        "",
        RULE,
        qt_version,
        RULE,
        "",
        "Copyright (C) The Qt Company Ltd. and other contributors.",
        "Qt Core, Qt Gui and Qt Widgets, with the Windows platform plugin and the Windows Vista style, are used under",
        "the GNU Lesser General Public License version 3 (LGPL-3.0), whose text follows at the end of this file",
        "together with the GNU General Public License version 3 it refers to. Qt's source is available from",
        "https://download.qt.io/ and, as built here, from Debian's qt6-base source package. README.txt says how to",
        "rebuild QelWizard.exe against a changed Qt; QT-BUILD.txt names the exact Qt and its configure options.",
        "The translations of Qt's own texts that the wizard shows (its boxes' buttons, the text boxes' menu) are",
        "taken from Qt's translations (qttranslations), as Debian's qt6-translations-l10n package ships them, under",
        "the same licence.",
        "",
    ]
    for e in entries:
        out += [RULE, heading(e), RULE, ""]
        out += [e["QtUsage"]] if e["QtUsage"] else []
        out += [f"Licence: {e['License']}" + (f" ({e['LicenseId']})" if e["LicenseId"] else "")]
        out += [f"Home page: {e['Homepage']}"] if e["Homepage"] else []
        out += ["", e["Copyright"].strip(), ""]
        for licence in [p for p in re.split(r"[,;]\s*", e["LicenseFile"]) if p]:
            out += [read(licence)]
    if GCC_RUNTIME in runtime:
        out += [RULE, GCC_RUNTIME, RULE, "",
                "Copyright (C) Free Software Foundation, Inc. Linked under the GNU General Public License version 3",
                "with the GCC Runtime Library Exception, version 3.1:", "", gcc_exception()]
    if MINGW_RUNTIME in runtime:
        out += [RULE, MINGW_RUNTIME, RULE, "",
                "As Debian's mingw-w64-x86-64-dev package states its copyright:", "", read(MINGW_COPYRIGHT)]
    for name in LICENCES:
        out += [RULE, name, RULE, "", read(os.path.join(qt_source, "LICENSES", name + ".txt"))]
    with open(output, "w", encoding="utf-8", newline="\r\n") as text:
        text.write("\n".join(out))


def headings_of(notices):
    """The heading of each library's section: a line between two rules, Qt's own and the licence texts left out."""
    with open(notices, encoding="utf-8") as text:
        lines = text.read().replace("\r\n", "\n").split("\n")
    written = {lines[i] for i in range(1, len(lines) - 1) if lines[i - 1] == RULE and lines[i + 1] == RULE}
    return {h for h in written if not h.startswith("Qt ") and h not in LICENCES}


def check(qt_source, qt_build, link_map, notices, expected):
    """Fails unless the notices, what the program links and the committed list EXPECTED name the same sections, and
    each bundled library archive the link used has its section. The list is written by hand, apart from this code:
    a change to the link shows here until the list is changed on purpose."""
    with open(expected, encoding="utf-8") as text:
        listed = {line.strip() for line in text if line.strip() and not line.startswith("#")}
    written = headings_of(notices)
    entries, runtime, archives = included(qt_source, qt_build, link_map)
    linked = {heading(e) for e in entries} | set(runtime)
    problems = [f"{expected} lists {h}, but the notices have no section for it" for h in sorted(listed - written)]
    problems += [f"{expected} lists {h}, but the link does not pull it in" for h in sorted(listed - linked)]
    problems += [f"the notices have a section for {h}, which {expected} does not list"
                 for h in sorted(written - listed)]
    problems += [f"the link pulls in {h}, which {expected} does not list" for h in sorted(linked - listed)]
    problems += [f"{a} is linked in, but no notice names {name}" for a, name in BUNDLED.items()
                 if a in archives and not any(h.startswith(name) for h in written)]
    for problem in problems:
        print(f"{notices}: {problem}", file=sys.stderr)
    if problems:
        sys.exit(1)
    print(f"{notices}: {len(written)} notices, as listed and as linked")


def main(args):
    if len(args) == 6 and args[0] == "--check":
        check(*args[1:])
    elif len(args) == 5:
        write(*args)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
