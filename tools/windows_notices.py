#!/usr/bin/env python3
"""Writes the licence notices of the Windows release into a folder:

  LICENSE.LGPL-3.0.txt, LICENSE.GPL-3.0.txt  Qt's licence and the licence it builds on
  THIRD-PARTY-NOTICES.txt                    every component compiled into taremo.exe

The list is made from what the build recorded, not by hand:
  - Qt's record (tools/build-qt-windows.sh leaves it in <qt>/share/taremo): the files of Qt's
    source that went into the build, Qt's attribution files with the licence texts they name,
    Qt's licences and the Debian version of the source. An attribution entry is listed when a
    file it covers was built. A built file under a 3rdparty folder that is neither named by a
    listed entry nor in the folder of one stops the run: bundled code without its notice must
    not ship.
  - The link map of taremo.exe: each library archive or object the linker took a member from.
    Those of Qt and of the game are covered above and by LICENSE.txt; each other one is
    named by the Debian package that holds it, with that package's copyright file.

  windows_notices.py --qt-record DIR --out DIR --version V --commit C [--link-map FILE]
                     [--qt-prefix DIR] [--game-build DIR]
"""
import argparse
import json
import os
import subprocess
import sys

HOMEPAGE = "https://www.example.com/taremo/"


def read_text(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read()


def attribution_entries(record):
    """(folder of the file, entry) for each entry of Qt's attribution files, in path order."""
    found = []
    for root, dirs, files in os.walk(record):
        dirs.sort()
        if "qt_attribution.json" in files:
            path = os.path.join(root, "qt_attribution.json")
            # Qt's files keep line breaks inside their strings.
            data = json.loads(read_text(path), strict=False)
            for entry in data if isinstance(data, list) else [data]:
                found.append((os.path.relpath(root, record), entry))
    return found


def covered(folder, entry):
    """The paths, relative to Qt's source, that an entry speaks for; a folder ends in '/'."""
    files = entry.get("Files")
    if files:
        return [os.path.normpath(os.path.join(folder, name)) for name in
                files.replace(",", " ").split()]
    path = os.path.normpath(os.path.join(folder, entry.get("Path", ".")))
    return [path + "/" if not os.path.splitext(path)[1] else path]


def is_covered(file, paths):
    return any(file == p or (p.endswith("/") and file.startswith(p)) for p in paths)


def licence_files(entry):
    names = entry.get("LicenseFiles") or entry.get("LicenseFile") or []
    return [names] if isinstance(names, str) else list(names)


# Files of Qt's source generated from inputs that an attribution covers; the input itself is
# never compiled.
GENERATED_FROM = {"src/gui/painting/webgradients.cpp": "util/gradientgen/webgradients.css"}


def bundled_components(record, built):
    """The attribution entries of what was built, and the built 3rdparty files none covers."""
    built = set(built) | {GENERATED_FROM[f] for f in built if f in GENERATED_FROM}
    listed = []
    for folder, entry in attribution_entries(record):
        paths = covered(folder, entry)
        if any(is_covered(f, paths) for f in built):
            listed.append((folder, entry, paths))
    # A bundled component's folder holds its attribution file; a file there that no entry
    # names (a header an entry's list of files forgot) goes with the component's notice.
    listed_folders = {folder for folder, _, _ in listed}

    def component(file):
        folder = os.path.dirname(file)
        while folder and not os.path.isfile(os.path.join(record, folder, "qt_attribution.json")):
            folder = os.path.dirname(folder)
        return folder

    uncovered = sorted(f for f in built if "3rdparty/" in f and
                       not any(is_covered(f, paths) for _, _, paths in listed) and
                       component(f) not in listed_folders)
    return listed, uncovered


def archives_in_map(link_map):
    """Every archive a member was taken from, and every object loaded, per the GNU ld map."""
    used = set()
    in_members = False
    for line in read_text(link_map).splitlines():
        if line.startswith("Archive member included"):
            in_members = True
            continue
        if in_members and line and not line[0].isspace() and "(" in line:
            used.add(line.split("(", 1)[0])
            continue
        if line.startswith(("Discarded input sections", "Memory Configuration",
                            "Allocating common symbols")):
            in_members = False
        if line.startswith("LOAD ") and line.endswith(".o"):
            used.add(line[5:].strip())
    return sorted(used)


def package_of(path):
    real = os.path.realpath(path)
    for candidate in (path, real):
        result = subprocess.run(["dpkg-query", "-S", candidate], capture_output=True, text=True)
        if result.returncode == 0:
            return result.stdout.split(":", 1)[0].strip()
    sys.exit(f"windows_notices: no Debian package holds {path}, linked into taremo.exe")


def package_version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], check=True,
                          capture_output=True, text=True).stdout


def system_libraries(link_map, own_prefixes):
    """{package: [files]} for what the linker took from outside Qt and the game."""
    packages = {}
    for path in archives_in_map(link_map):
        # The linker names the build's own archives relative to the build folder.
        path = os.path.join(os.path.dirname(os.path.abspath(link_map)), path)
        if any(os.path.realpath(path).startswith(p) for p in own_prefixes):
            continue
        packages.setdefault(package_of(path), []).append(path)
    return packages


def rule(title):
    return f"\n{'=' * 78}\n{title}\n{'=' * 78}\n\n"


def write_notices(args):
    record = args.qt_record
    built = read_text(os.path.join(record, "built-files.txt")).split()
    debian_version = read_text(os.path.join(record, "debian-version")).strip()
    qt_version = debian_version.split("+")[0]
    listed, uncovered = bundled_components(record, built)
    if uncovered:
        folders = sorted({f.split("3rdparty/", 1)[0] + "3rdparty/" +
                          f.split("3rdparty/", 1)[1].split("/", 1)[0] for f in uncovered})
        sys.exit("windows_notices: bundled code built into Qt has no attribution entry: " +
                 ", ".join(folders))

    out = []
    out.append(f"Taremo {args.version} for Windows: third-party notices\n\n")
    out.append(
        "taremo.exe is Taremo's own code (MIT licence, LICENSE.txt) linked statically with the\n"
        f"Qt {qt_version} libraries (Qt Core, Qt GUI, Qt Widgets, and the plugins for Windows,\n"
        "its style, and JPEG and icon pictures), the code Qt bundles that this build of Qt\n"
        "compiled, and the MinGW-w64 and GCC runtime libraries. Each is listed below with its\n"
        "licence.\n\n"
        "Qt is used under the GNU Lesser General Public License version 3 (LICENSE.LGPL-3.0.txt,\n"
        "which builds on LICENSE.GPL-3.0.txt).\n\n"
        "Source code and relinking\n"
        "-------------------------\n"
        f"- Qt: Debian's qt6-base source package, version {debian_version}, exactly as built:\n"
        f"  `apt-get source qt6-base={debian_version}` on Debian, or from\n"
        f"  https://snapshot.debian.org/package/qt6-base/{debian_version}/\n"
        f"- Taremo: the source of this release, commit {args.commit},\n"
        f"  from {HOMEPAGE}\n"
        "- To relink taremo.exe with another Qt, modified or not: take Taremo's source of this\n"
        "  release and run `make windows` on Debian. tools/build-qt-windows.sh builds Qt from\n"
        "  the source above with the switches it lists; change that script or its Qt source\n"
        "  to link your own. The game's build is fully in its source, under the MIT licence.\n")

    out.append(rule(f"Qt {qt_version}"))
    out.append("Copyright (C) The Qt Company Ltd. and other contributors.\n"
               "Licensed under the GNU Lesser General Public License version 3; see\n"
               "LICENSE.LGPL-3.0.txt and LICENSE.GPL-3.0.txt.\n")

    for folder, entry, _ in listed:
        version = entry.get("Version")
        title = entry["Name"] + (f", version {version}" if version else "")
        out.append(rule(f"{title} (bundled in Qt)"))
        if entry.get("Homepage"):
            out.append(f"Home page: {entry['Homepage']}\n")
        out.append(f"Used in Qt for: {entry.get('QtUsage', '').strip()}\n")
        out.append(f"Licence: {entry['License']}" +
                   (f" ({entry['LicenseId']})" if entry.get("LicenseId") else "") + "\n")
        if entry.get("Copyright"):
            out.append(f"\n{entry['Copyright'].strip()}\n")
        for name in licence_files(entry):
            path = os.path.join(record, folder, name)
            if not os.path.isfile(path):
                sys.exit(f"windows_notices: {entry['Id']}: no licence file {path}")
            out.append("\n" + read_text(path).strip() + "\n")

    if args.link_map:
        own = [os.path.realpath(p) + os.sep for p in (args.qt_prefix, args.game_build) if p]
        # Packages of one source (the C and C++ compilers) share one copyright file.
        by_copyright = {}
        for package, files in sorted(system_libraries(args.link_map, own).items()):
            copyright_file = os.path.realpath(f"/usr/share/doc/{package}/copyright")
            by_copyright.setdefault(copyright_file, []).append((package, files))
        for copyright_file, packages in by_copyright.items():
            out.append(rule(" and ".join(f"{package} {package_version(package)}"
                                         for package, _ in packages) + " (Debian)"))
            out.append("Linked from it: " + ", ".join(sorted(
                os.path.basename(f) for _, files in packages for f in files)) + "\n\n")
            out.append(read_text(copyright_file).strip() + "\n")

    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.out, "THIRD-PARTY-NOTICES.txt"), "w", encoding="utf-8",
              newline="\r\n") as f:
        f.write("".join(out))
    for name, target in (("LGPL-3.0-only.txt", "LICENSE.LGPL-3.0.txt"),
                         ("GPL-3.0-only.txt", "LICENSE.GPL-3.0.txt")):
        with open(os.path.join(args.out, target), "w", encoding="utf-8", newline="\r\n") as f:
            f.write(read_text(os.path.join(record, "LICENSES", name)))
    return [entry["Id"] for _, entry, _ in listed]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--qt-record", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--commit", required=True)
    parser.add_argument("--link-map")
    parser.add_argument("--qt-prefix")
    parser.add_argument("--game-build")
    ids = write_notices(parser.parse_args())
    print("Notices of Qt's bundled code: " + " ".join(ids))


if __name__ == "__main__":
    main()
