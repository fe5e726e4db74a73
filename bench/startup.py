#!/usr/bin/env python3
"""Start-up benchmark: how long the game takes from launch to its first window on screen,
and how much memory it holds by then, next to a bare Qt window with one menu (the
toolkit's floor, bench/bare_window.cpp).

Both programs run on a private Xvfb display, interleaved (game, bare, game, bare, ...).
Each launch goes through bench/map_wait, which listens on the X connection and stops the
clock at the MapNotify of the first top-level window, noting the CPU time the program has used
by then; after a short settle it reads the program's VmHWM (peak resident memory) from /proc.

The game is started from a copy of the executable in a temporary folder with a start.ini
beside it, so that the main window is the first window and the build folder is left alone.

With --wine WINDOWS_BUILD the two are the Windows game and bare window, built with the same
static Qt by `make windows` and `make bench-windows`, started under wine in a prefix of the
Windows build folder's own, whose wineserver stays up for the whole run.

Build first (cmake --build build), then: python3 bench/startup.py [-n RUNS] [--build DIR]
[--wine WINDOWS_BUILD]
"""
import argparse
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
START_INI = b"[LastOpen]\r\nLanguage=1\r\n"
TARGET_RATIO = 1.1


def start_xvfb(screen, log):
    """A private Xvfb on a free display number; returns (process, ":N")."""
    rfd, wfd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0", screen,
                             "-nolisten", "tcp", "-noreset"],
                            pass_fds=(wfd,), stdin=subprocess.DEVNULL, stdout=log, stderr=log)
    os.close(wfd)
    number, deadline = b"", time.monotonic() + 15
    while not number.endswith(b"\n") and time.monotonic() < deadline and xvfb.poll() is None:
        if select.select([rfd], [], [], 0.1)[0]:
            chunk = os.read(rfd, 32)
            if not chunk:
                break
            number += chunk
    os.close(rfd)
    if not number.strip().isdigit():
        stop(xvfb)
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number.strip().decode()


def stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(3)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


WINE = "/usr/lib/wine/wine64"


def launch(map_wait, program, env, args, log_path):
    """One launch: {'ms': ..., 'hwm': KiB} or raises RuntimeError with the program's output."""
    command = ([WINE, os.path.basename(program)] if args.wine
               else ["./" + os.path.basename(program)])
    with open(log_path, "wb") as log:
        result = subprocess.run(
            [map_wait, "--settle", str(args.settle), "--timeout", str(args.timeout), "--"] +
            command,
            cwd=os.path.dirname(program), env=env, stdin=subprocess.DEVNULL,
            stdout=subprocess.PIPE, stderr=log)
    fields = dict(item.split("=", 1) for item in result.stdout.decode().split() if "=" in item)
    if result.returncode != 0 or "map_ms" not in fields:
        with open(log_path, "rb") as log:
            tail = log.read()[-800:].decode(errors="replace").strip()
        raise RuntimeError("%s failed:\n  %s" % (program, tail.replace("\n", "\n  ")))
    return {"ms": float(fields["map_ms"]), "cpu": float(fields["cpu_ms"]),
            "hwm": int(fields["hwm_kib"])}


def summary(runs):
    ms = [r["ms"] for r in runs]
    return {"median": statistics.median(ms), "min": min(ms),
            "cpu": statistics.median(r["cpu"] for r in runs),
            "hwm": statistics.median(r["hwm"] for r in runs) / 1024.0}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("-n", "--runs", type=int, default=15, help="measured runs of each (15)")
    parser.add_argument("-w", "--warmup", type=int, default=2, help="runs not counted (2)")
    parser.add_argument("--settle", type=float, default=1.0,
                        help="seconds after mapping before memory is read (1.0)")
    parser.add_argument("--timeout", type=float, default=20.0,
                        help="seconds to wait for a window (20)")
    parser.add_argument("--build", default=os.path.join(REPO, "build"), help="build folder")
    parser.add_argument("--wine", metavar="WINDOWS_BUILD",
                        help="time taremo.exe and bare_window.exe of this build under wine")
    parser.add_argument("--against", metavar="WINDOWS_DIR",
                        help="with --wine, also time the taremo.exe and bare_window.exe of this "
                             "folder (an earlier release), interleaved with the others")
    parser.add_argument("--screen", default="1280x1024x24", help="Xvfb screen (1280x1024x24)")
    parser.add_argument("--check", action="store_true",
                        help="exit with status 1 if the game is over %.1fx the bare window"
                             % TARGET_RATIO)
    parser.add_argument("-v", "--verbose", action="store_true", help="print every run")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    map_wait = os.path.join(build, "bench", "map_wait")
    sources = {"game": os.path.join(build, "taremo"),
               "bare": os.path.join(build, "bench", "bare_window")}
    if args.wine:
        windows = os.path.abspath(args.wine)
        sources = {"game": os.path.join(windows, "taremo.exe"),
                   "bare": os.path.join(windows, "bare_window.exe")}
        if args.against:
            before = os.path.abspath(args.against)
            sources.update({"game-before": os.path.join(before, "taremo.exe"),
                            "bare-before": os.path.join(before, "bare_window.exe")})
    for path in [map_wait] + list(sources.values()):
        if not os.access(path, os.R_OK if args.wine else os.X_OK):
            sys.exit("startup.py: %s is missing; build first (cmake --build %s)" % (path, build))
    if not shutil.which("Xvfb"):
        sys.exit("startup.py: Xvfb is not installed (Debian: apt-get install xvfb)")

    with tempfile.TemporaryDirectory(prefix="taremo-startup-") as tmp:
        programs = {}
        for label, source in sources.items():
            folder = os.path.join(tmp, label)
            os.mkdir(folder)
            programs[label] = shutil.copy2(source, folder)
        for label in programs:
            if label.startswith("game"):
                with open(os.path.join(tmp, label, "start.ini"), "wb") as ini:
                    ini.write(START_INI)

        with open(os.path.join(tmp, "xvfb.log"), "wb") as xlog:
            xvfb, display = start_xvfb(args.screen, xlog)
        env = {k: v for k, v in os.environ.items() if k != "WAYLAND_DISPLAY"}
        env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb")
        if args.wine:
            env.update(WINEPREFIX=os.path.join(windows, "wine-bench"), WINEDEBUG="-all",
                       WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
            env.pop("QT_QPA_PLATFORM")
            subprocess.run([WINE, "wineboot", "--init"], env=env, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            server = subprocess.Popen(["/usr/lib/wine/wineserver", "-f", "-p"], env=env)
        runs = {label: [] for label in programs}
        try:
            for i in range(args.warmup + args.runs):
                for label, program in programs.items():
                    run = launch(map_wait, program, env, args, os.path.join(tmp, label + ".log"))
                    if i >= args.warmup:
                        runs[label].append(run)
                    if args.verbose:
                        print("%s %-4s %8.1f ms %8.1f ms cpu %8.1f MiB" % (
                            "warm-up" if i < args.warmup else "run %3d" % (i - args.warmup + 1),
                            label, run["ms"], run["cpu"], run["hwm"] / 1024.0))
                    time.sleep(0.2)
        except RuntimeError as error:
            sys.exit("startup.py: %s" % error)
        finally:
            if args.wine:
                subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=env)
                stop(server)
            stop(xvfb)

    game, bare = summary(runs["game"]), summary(runs["bare"])
    time_ratio = game["median"] / bare["median"]
    hwm_ratio = game["hwm"] / bare["hwm"]
    print("launch to first mapped window, %d runs each, Xvfb %s%s" % (
        args.runs, args.screen, ", under wine" if args.wine else ""))
    print("%-10s %10s %8s %8s %9s" % ("", "median_ms", "min_ms", "cpu_ms", "hwm_MiB"))
    for label, s in (("game", game), ("bare", bare)):
        print("%-10s %10.1f %8.1f %8.1f %9.1f" % (label, s["median"], s["min"], s["cpu"], s["hwm"]))
    print("%-10s %10.2f %8.2f %8.2f %9.2f   (game's own memory: %+.1f MiB)" % (
        "game/bare", time_ratio, game["min"] / bare["min"], game["cpu"] / bare["cpu"], hwm_ratio,
        game["hwm"] - bare["hwm"]))
    print("cpu_ms: CPU time of all threads up to the map, median; it moves little with other "
          "load, the wall times do.")
    if "game-before" in runs:
        was, was_bare = summary(runs["game-before"]), summary(runs["bare-before"])
        for label, s in (("game-before", was), ("bare-before", was_bare)):
            print("%-12s %8.1f %8.1f %8.1f %9.1f" % (label, s["median"], s["min"], s["cpu"],
                                                    s["hwm"]))
        print("%-12s %8.2f %8.2f %8.2f %9.2f" % (
            "before/bare", was["median"] / was_bare["median"], was["min"] / was_bare["min"],
            was["cpu"] / was_bare["cpu"], was["hwm"] / was_bare["hwm"]))
        print("%-12s %8.2f %8.2f %8.2f %9.2f" % (
            "game/before", game["median"] / was["median"], game["min"] / was["min"],
            game["cpu"] / was["cpu"], game["hwm"] / was["hwm"]))
    within = time_ratio <= TARGET_RATIO and hwm_ratio <= TARGET_RATIO
    print("target: median time and peak memory each within %.1fx the bare window: %s"
          % (TARGET_RATIO, "met" if within else "NOT met"))
    return 1 if args.check and not within else 0


if __name__ == "__main__":
    sys.exit(main())
