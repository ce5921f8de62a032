"""What the command line's measuring scripts share: the program, built, and
hyperfine run in rounds that rotate the commands' order, so that no command
always runs first or last on a machine whose load drifts."""
import json
import os
import subprocess
import tempfile

ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), "..", ".."))
PROGRAM = os.path.join(ROOT, "build", "default", "mainwindow", "quillmark")


def build_program():
    subprocess.run([os.path.join(ROOT, "scripts", "setup"), "default"], check=True)
    subprocess.run(["cmake", "--build", "--preset", "default", "--target", "quillmark"],
                   cwd=ROOT, check=True, stdout=subprocess.DEVNULL)


def hyperfine_rounds(commands, runs, rounds, options=(), env=None):
    """Runs the (name, command line) pairs `runs` times in each of `rounds`
    rounds; returns every run's wall time and each round's mean processor time
    (user and system), in seconds, by name."""
    times = {name: [] for name, _ in commands}
    processor = {name: [] for name, _ in commands}
    with tempfile.TemporaryDirectory() as tmp:
        report = os.path.join(tmp, "report.json")
        for round_ in range(rounds):
            shift = round_ % len(commands)
            cmd = ["hyperfine", *options, "--runs", str(runs), "--style", "none",
                   "--ignore-failure", "--output", "null", "--export-json", report]
            for name, line in commands[shift:] + commands[:shift]:
                cmd += [f"--command-name={name}", line]
            subprocess.run(cmd, check=True, env=env, stdout=subprocess.DEVNULL)
            with open(report) as f:
                for r in json.load(f)["results"]:
                    times[r["command"]] += r["times"]
                    processor[r["command"]].append(r["user"] + r["system"])
    return times, processor
