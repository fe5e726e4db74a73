#!/usr/bin/env python3
# Plants the faults listed in tests/mutants/*.txt one at a time in a scratch copy of the game,
# rebuilds what the tests need and tells, for each fault, whether a test caught it.
import argparse
import os
import json
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
# Quickest first: a fault is usually caught by the first binary that fails.
CORE_TESTS = ["core_tests", "forms_tests"]
TEST_TIMEOUT = 60  # seconds for one test binary (a few at most); a fault that hangs is caught


class Mutant:
    def __init__(self, area, fields):
        self.area = area
        self.file = fields.get("file", "")
        self.breaks = fields.get("breaks", "")
        self.find = unescape(fields.get("find", ""))
        self.replace = unescape(fields.get("replace", ""))

    def label(self):
        return f"{self.area}: {self.file}: {self.breaks}"


def unescape(text):
    # "\n" stands for a newline and "\\" for one backslash; any other backslash stays.
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text) and text[i + 1] in "n\\":
            out.append("\n" if text[i + 1] == "n" else "\\")
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def read_list(path):
    mutants, fields = [], {}
    lines = path.read_text(encoding="utf-8").splitlines() + [""]
    for number, line in enumerate(lines, 1):
        if line.startswith("#"):
            continue
        if not line.strip():
            if fields:
                mutants.append(Mutant(path.stem, fields))
            fields = {}
            continue
        name, sep, value = line.partition(": ")
        if not sep and line.endswith(":"):
            name, value = line[:-1], ""
        elif not sep:
            sys.exit(f"{path}:{number}: expected 'name: value'")
        fields[name.strip()] = value
    return mutants


def selected(mutants, wanted):
    if not wanted:
        return mutants
    words = wanted.replace(",", " ").split()
    return [m for m in mutants if any(w == m.area or w in m.file for w in words)]


def tracked_files():
    try:
        out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                             check=True, capture_output=True).stdout
        return [f for f in out.decode().split("\0") if f]
    except (OSError, subprocess.CalledProcessError):
        return [str(p.relative_to(ROOT)) for p in ROOT.rglob("*")
                if p.is_file() and not p.relative_to(ROOT).parts[0].startswith(("build", ".git"))]


def copy_tree(scratch):
    # Files whose bytes did not change keep their times, so a second run rebuilds little.
    source = scratch / "source"
    wanted = set()
    for name in tracked_files():
        src, dst = ROOT / name, source / name
        if not src.is_file():
            continue
        wanted.add(dst)
        if dst.is_file() and dst.read_bytes() == src.read_bytes():
            continue
        dst.parent.mkdir(parents=True, exist_ok=True)
        # A changed file takes the time of the copy: with its own, older than what the last run
        # built, the build would not see the change.
        shutil.copyfile(src, dst)
        shutil.copymode(src, dst)
    for path in list(source.rglob("*")) if source.exists() else []:
        if path.is_file() and path not in wanted:
            path.unlink()
    return source


def run(command, log, cwd=None, timeout=None, env=None):
    with open(log, "ab") as out:
        out.write(("\n$ " + " ".join(command) + "\n").encode())
        out.flush()
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout, env=env).returncode
        except subprocess.TimeoutExpired:
            out.write(b"\n(timed out)\n")
            return None


def build(build_dir, targets, jobs, log):
    return run(["cmake", "--build", str(build_dir), "-j", str(jobs), "--target", *targets],
               log) == 0


def other_tests(build_dir):
    # The suite's tests that are not in the three test binaries (the executable, the install,
    # the package, the boundary of the core), as a ctest pattern. The style checks are left
    # out: a planted fault need not be written in the house style, and is no bug for that.
    listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build_dir, check=True,
                             capture_output=True, text=True).stdout
    names = [test["name"] for test in json.loads(listing)["tests"]
             if pathlib.PurePath(test.get("command", [""])[0]).name not in CORE_TESTS
             and not test["name"].startswith("Style.")]
    return "^(" + "|".join(re.escape(name) for name in names) + ")$" if names else None


def run_tests(build_dir, binaries, log, others=None):
    # The test binaries first, each stopping at its first failure; only a fault that passes
    # them all has the whole game built for the other tests.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for name in binaries:
        binary = build_dir / "tests" / name
        code = run([str(binary), "--gtest_fail_fast", "--gtest_brief=1"], log,
                   cwd=binary.parent, timeout=TEST_TIMEOUT, env=env)
        if code != 0:
            return False
    if not others:
        return True
    if run(["cmake", "--build", str(build_dir), "-j", str(os.cpu_count() or 2)], log) != 0:
        return False
    return run(["ctest", "--stop-on-failure", "-R", others], log, cwd=build_dir,
               timeout=10 * TEST_TIMEOUT, env=env) == 0


def ask_for_targets(build_dir):
    # CMake describes the targets it configures (its file API) when a query asks for it.
    query = build_dir / ".cmake" / "api" / "v1" / "query" / "codemodel-v2"
    query.parent.mkdir(parents=True, exist_ok=True)
    query.touch()


def test_binaries_by_file(build_dir):
    # Which of the test binaries each file of a target goes into, itself or through what the
    # binary links, in the order of CORE_TESTS; files of the game alone (the entry) go into
    # none. Paths are relative to the source copy, as in tests/mutants.
    reply = build_dir / ".cmake" / "api" / "v1" / "reply"
    index = json.loads(max(reply.glob("index-*.json")).read_text())
    codemodel = json.loads((reply / index["reply"]["codemodel-v2"]["jsonFile"]).read_text())
    targets = {entry["id"]: json.loads((reply / entry["jsonFile"]).read_text())
               for entry in codemodel["configurations"][0]["targets"]}
    binaries = {source["path"]: [] for target in targets.values()
                for source in target.get("sources", [])}
    for name in CORE_TESTS:
        ids = [key for key, target in targets.items() if target["name"] == name]
        seen = set()
        while ids:
            key = ids.pop()
            if key in seen:
                continue
            seen.add(key)
            ids += [dependency["id"] for dependency in targets[key].get("dependencies", [])]
            for source in targets[key].get("sources", []):
                if name not in binaries[source["path"]]:
                    binaries[source["path"]].append(name)
    return binaries


def try_mutant(mutant, source, build_dir, jobs, log, others, binaries_by_file):
    path = source / mutant.file
    if not path.is_file():
        return "stale"
    original = path.read_text(encoding="utf-8")
    if not mutant.find or original.count(mutant.find) != 1:
        return "stale"
    # A file of no target (the install rules) may still break any of them.
    binaries = binaries_by_file.get(mutant.file, CORE_TESTS)
    path.write_text(original.replace(mutant.find, mutant.replace), encoding="utf-8")
    try:
        if not build(build_dir, binaries or ["all"], jobs, log):
            return "NO-BUILD"
        return "MISSED" if run_tests(build_dir, binaries, log, others) else "caught"
    finally:
        path.write_text(original, encoding="utf-8")


def code_lines(folder):
    # Non-blank lines that are not // comments, in the C++ files below `folder`.
    count = 0
    for path in sorted(folder.rglob("*")):
        if path.suffix in (".cpp", ".h") and path.is_file():
            for line in path.read_text(encoding="utf-8", errors="replace").splitlines():
                stripped = line.strip()
                count += bool(stripped) and not stripped.startswith("//")
    return count


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--scratch", default=os.environ.get("MUTATE_DIR", str(ROOT / "build-mutate")))
    parser.add_argument("--jobs", type=int, default=int(os.environ.get("JOBS", os.cpu_count() or 2)))
    parser.add_argument("--only", default=os.environ.get("MUTANTS", ""),
                        help="areas (file names without .txt) or parts of source paths")
    args = parser.parse_args()
    # Stopped from outside, the file in hand is still put back before leaving.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    mutants = []
    for path in sorted((ROOT / "tests" / "mutants").glob("*.txt")):
        mutants += read_list(path)
    mutants = selected(mutants, args.only)
    scratch = pathlib.Path(args.scratch).resolve()
    scratch.mkdir(parents=True, exist_ok=True)
    log = scratch / "mutate.log"
    log.write_text("")
    started = time.monotonic()
    source = copy_tree(scratch)
    build_dir = scratch / "build"
    configure = ["cmake", "-S", str(source), "-B", str(build_dir), "-G", "Ninja",
                 # Lightly optimised (the tests run several times faster than unoptimised),
                 # line tables only (the install must strip something) and the gold linker.
                 "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -g1",
                 "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold",
                 "-DBUILD_TESTING=ON", "-DTAREMO_BENCH=OFF", "-DTAREMO_SANITIZE=OFF",
                 "-DTAREMO_WERROR=OFF"]
    ask_for_targets(build_dir)
    if run(configure, log) != 0 or not build(build_dir, CORE_TESTS, args.jobs, log):
        sys.exit(f"the unchanged game does not build; see {log}")
    binaries_by_file = test_binaries_by_file(build_dir)
    others = other_tests(build_dir)
    if not run_tests(build_dir, CORE_TESTS, log, others):
        sys.exit(f"the unchanged game fails its tests; see {log}")
    print(f"built and tested the unchanged game in {time.monotonic() - started:.0f} s", flush=True)

    caught = counted = 0
    for mutant in mutants:
        t0 = time.monotonic()
        verdict = try_mutant(mutant, source, build_dir, args.jobs, log, others, binaries_by_file)
        print(f"{verdict:8} {time.monotonic() - t0:4.0f}s  {mutant.label()}", flush=True)
        counted += verdict != "stale"
        caught += verdict == "caught"
    build(build_dir, ["all"], args.jobs, log)  # leave the scratch build as the source is
    print(f"{len(mutants)} faults in {time.monotonic() - started:.0f} s; log in {log}")
    tests, code = code_lines(ROOT / "tests"), code_lines(ROOT / "src")
    print(f"tests: {tests} lines of C++ against {code} in src/ ({100 * tests / code:.1f} %)")
    print(f"caught {caught} of {counted}")
    return 0 if caught == counted else 1


if __name__ == "__main__":
    sys.exit(main())
