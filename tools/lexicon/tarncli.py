"""Runs tarn-cli: writes word lists in the program's own forms and asks its reducers."""

import glob
import os
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BATCH = 4000


def find_cli(given=None):
    """tarn-cli from --tarn-cli, $TARN_CLI, or the newest build under build/."""
    if given or os.environ.get("TARN_CLI"):
        return given or os.environ["TARN_CLI"]
    found = glob.glob(os.path.join(ROOT, "build", "*", "bin", "tarn-cli"))
    if not found:
        raise SystemExit("tarn-cli not found: build it (cmake --build ... --target tarn-cli) "
                         "or pass --tarn-cli PATH")
    return max(found, key=os.path.getmtime)


class TarnCli:
    def __init__(self, path):
        self.path = path

    def write_list(self, file, lines, form):
        """Writes `lines` to `file` as a word list in the txt or dat form."""
        data = "".join(line + "\n" for line in lines).encode("utf-8")
        subprocess.run([self.path, "write-list", file, "--form", form], input=data, check=True)

    def write_dict(self, folder, pairs=(), eend=(), recall=(), double=(), stop=(), filt=()):
        """A complete dict folder holding the given tables."""
        os.makedirs(folder, exist_ok=True)
        self.write_list(os.path.join(folder, "compare.txt"), filt, "txt")
        self.write_list(os.path.join(folder, "1.dat"), [w for p in pairs for w in p], "dat")
        self.write_list(os.path.join(folder, "2.dat"), eend, "dat")
        self.write_list(os.path.join(folder, "3.dat"), recall, "dat")
        self.write_list(os.path.join(folder, "4.dat"), double, "dat")
        self.write_list(os.path.join(folder, "notword.txt"), stop, "txt")

    def reduce(self, folder, command, words):
        """{word: result} of `tarn-cli --dict folder base-form|root` for every word."""
        words = sorted(set(words))
        result = {}
        for start in range(0, len(words), BATCH):
            chunk = words[start: start + BATCH]
            out = subprocess.run([self.path, "--dict", folder, command, *chunk],
                                 capture_output=True, check=True).stdout.decode("utf-8")
            lines = out.split("\n")[: len(chunk)]
            if len(lines) != len(chunk):
                raise SystemExit(f"tarn-cli {command}: expected {len(chunk)} lines")
            result.update(zip(chunk, lines))
        return result
