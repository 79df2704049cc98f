#!/usr/bin/env python3
"""Differential runs: two calcorix binaries over one generated corpus, compared byte for byte.

  differential.py generate DIR [--lines N] [--seed S] [--kind all|wellformed|calls]
  differential.py compare OLD NEW DIR [--jobs J] [--show K]

OLD and NEW are each a command: a binary, or a binary with the words before its own (quoted as
a shell would), such as "cmake/wine-run build/windows/src/calcorix.exe", the Windows program
under Wine, to compare with build/release/src/calcorix. Besides two calcorix programs, two builds
of the library can be compared through calcorix_lines (tests/differential/library_lines.cpp),
which prints the library's lines for the same runs. Wine's own variables (WINEPREFIX, WINEDEBUG,
WINE) pass through to the runs; WINEPREFIX defaults to ~/.wine.

`generate` writes DIR/expressions.txt (one expression a line) and DIR/runs.txt (one command line a
line, words separated by tabs: the switch sets each fed all the expressions on standard input,
then single calculations and loops). `compare` runs both binaries over it, in the same clean
environment (C locale, CALCORIX_SEED fixed, no configuration file), and compares standard output,
standard error and the exit status of every run. It prints the number of expression lines
compared and of those that differ, lists the first differences, and ends with status 1 when any
run differs.

`--kind wellformed` generates only expressions of the documented grammar (sums, products,
right-associative powers, postfix "!", groups, the 38 functions, PI LI ANS MEM, runs of signs,
numbers like 5. .5 1E+3): those whose value and printed bytes must never change. `--kind all`
adds malformed texts: juxtaposition, missing operands, stray characters, unbalanced groups.
`--kind calls` generates single steps, where a function's last bits show most: one of the 38
functions of an argument of any size (up to 1E4000, and of 1E30 radians), a power with a whole
or fractional exponent, or a factorial.
"""

import argparse
import concurrent.futures
import os
import random
import shlex
import subprocess
import sys
import tempfile

FUNCTIONS = """ABS ACOS ACOSH ADBV ADBW ASIN ASINH ATAN ATANH COS COSH COT COTH CSC CUB DBV DBW EXP
EXP10 FRAC GRAD INT LN LOG LOG2 POW2 RAD RAN RND SEC SGN SI SIN SINH SQR SQRT TAN TANH""".split()
CONSTANTS = ["PI", "LI", "ANS", "MEM"]
ANGLES = ["d", "r", "g"]
FORMATS = ["d", "s", "e", "h", "o", "b"]
PLACES = [None, "0", "3", "15"]


class Generator:
    def __init__(self, rng):
        self.rng = rng

    def digits(self, longest=6):
        r = self.rng
        n = r.choice([1, 1, 1, 2, 2, 3, longest, r.randint(1, 25)])
        return "".join(r.choice("0123456789") for _ in range(n))

    def number(self):
        r = self.rng
        form = r.randrange(10)
        if form < 5:
            text = self.digits()
        elif form < 7:
            text = self.digits() + "." + self.digits()
        elif form == 7:
            text = self.digits() + "."
        else:
            text = "." + self.digits()
        if r.random() < 0.2:
            size = r.choice(["1", "2", "10", "30", "300", "4931", "4932", "4950", "5000"])
            text += r.choice("Ee") + r.choice(["", "+", "-"]) + size
        return text

    def signs(self):
        r = self.rng
        return "".join(r.choice("+-") for _ in range(r.choice([0, 0, 0, 0, 1, 1, 2, 3])))

    def primary(self, depth):
        r = self.rng
        choice = r.randrange(10)
        if depth > 4 or choice < 5:
            return self.number()
        if choice < 7:
            return r.choice(CONSTANTS)
        if choice < 8:
            return "(" + self.sum(depth + 1) + ")"
        return r.choice(FUNCTIONS) + "(" + self.sum(depth + 1) + ")"

    def postfix(self, depth):
        text = self.primary(depth)
        if self.rng.random() < 0.08:
            text += "!" * self.rng.choice([1, 1, 2])
        return text

    def factor(self, depth):
        text = self.postfix(depth)
        if self.rng.random() < 0.15 and depth < 6:
            text += "^" + self.signs() + self.factor(depth + 1)
        return text

    def term(self, depth):
        text = self.factor(depth)
        while self.rng.random() < 0.3:
            text += self.rng.choice("*/") + self.signs() + self.factor(depth)
        return text

    def sum(self, depth=0):
        text = self.signs() + self.term(depth)
        while self.rng.random() < 0.35:
            text += self.rng.choice("+-") + self.signs() + self.term(depth)
        return text

    def dress(self, text):
        """Random letter case and blanks, which the calculation ignores."""
        r = self.rng
        out = []
        for c in text:
            if c.isalpha() and r.random() < 0.3:
                c = c.lower()
            if r.random() < 0.03:
                out.append(" ")
            out.append(c)
        return "".join(out)

    def argument(self):
        r = self.rng
        mantissa = "%s%d.%s" % (r.choice(["", "-"]), r.randint(0, 999),
                                "".join(r.choice("0123456789") for _ in range(r.randint(0, 19))))
        size = r.choice([0, 0, 0, 0, r.randint(-30, 30), r.randint(-4950, 4950)])
        return mantissa if size == 0 else "%sE%d" % (mantissa, size)

    def call(self):
        r = self.rng
        kind = r.randrange(10)
        if kind < 7:
            return "%s(%s)" % (r.choice(FUNCTIONS), self.argument())
        if kind < 9:
            exponent = r.choice([str(r.randint(-40, 40)), self.argument(), "%d.5" % r.randint(-9, 9)])
            return "(%s)^(%s)" % (self.argument(), exponent)
        return "%d!" % r.randint(0, 1800)

    def wellformed(self):
        while True:
            text = self.dress(self.sum())
            if len(text) <= 200:
                return text

    def malformed(self):
        r = self.rng
        text = self.sum()
        kind = r.randrange(8)
        at = r.randrange(len(text) + 1)
        if kind == 0:  # juxtaposition
            text = text[:at] + r.choice(["2", "PI", "(3)", "SIN(1)", "LI"]) + text[at:]
        elif kind == 1 and text:  # a character gone
            text = text[:at] + text[at + 1:]
        elif kind == 2:  # a stray operator or character
            text = text[:at] + r.choice("+-*/^!().,E#xy\t") + text[at:]
        elif kind == 3:  # an empty operand or group
            text = r.choice(["", "2+", "2^", "*3", "()", "SIN()", "1.5.5", "1E", "PI PI"]) + text
        elif kind == 4:  # an unknown name
            text = text[:at] + r.choice(["SINE(", "FOO", "ANSWER", "LOG10("]) + text[at:]
        elif kind == 5:  # unbalanced
            text = text[:at] + r.choice("()") + text[at:]
        elif kind == 6:  # a doubled operator
            text = text[:at] + r.choice(["**", "//", "^^", "!!", "+*", "*+"]) + text[at:]
        else:  # random bytes
            text = "".join(r.choice("0123456789+-*/^!().ESINPLA ") for _ in range(r.randint(1, 30)))
        return self.dress(text)[:300]


def as_words(expression):
    """The expression as command-line words, split at its blanks. A word that begins with "-" is
    a switch, so it stays glued to the word before it, and a leading one gets a "0" in front."""
    words = []
    for word in expression.split(" "):
        if word.startswith("-") and words:
            words[-1] += word
        else:
            words.append(word)
    if words[0].startswith("-"):
        words[0] = "0" + words[0]
    return words


def generate(args):
    rng = random.Random(args.seed)
    gen = Generator(rng)
    switch_sets = []
    for angle in ANGLES:
        for fmt in FORMATS:
            for places in PLACES:
                words = ["-is", "-x", "-t" + angle, "-o" + fmt]
                if places is not None:
                    words.append("-f" + places)
                switch_sets.append(words)
    per_set = max(1, args.lines // len(switch_sets))
    expressions = []
    for _ in range(per_set):
        if args.kind == "calls":
            expressions.append(gen.call())
        elif args.kind == "all" and rng.random() < 0.3:
            expressions.append(gen.malformed())
        else:
            expressions.append(gen.wellformed())
    runs = [["stdin"] + words for words in switch_sets]
    # Single calculations and loops from the command line, in a few switch sets.
    for _ in range(max(20, per_set // 20)):
        words = ["-x", "-t" + rng.choice(ANGLES), "-o" + rng.choice(FORMATS)]
        expression = gen.wellformed() if args.kind == "wellformed" else rng.choice(
            [gen.wellformed(), gen.malformed()])
        if rng.random() < 0.5:
            start = rng.choice(["0", "-3", "1", "0.5", "-1E3", "100"])
            step = rng.choice(["1", "0.1", "0.25", "-1", "7"])
            end = rng.choice(["3", "-5", "10", "1", "2E2"])
            words.append("-l%s:%s:%s" % (start, step, end))
            if "LI" not in expression.upper():
                expression = "LI*" + expression if args.kind == "wellformed" else expression
        runs.append(["args"] + words + as_words(expression))
    if args.kind == "all":
        for words in (["-h"], ["-?"], ["--help"], ["--version"], [], ["-is"], ["-p"], ["-h", "-p"],
                      ["-l"], ["-l1"], ["-l1:x:3"], ["-l1E5000:1:2"], ["-l5:1:1", "LI"],
                      ["-l3:-1:1", "LI"], ["-l0:0.1:1", "LI"], ["-l1:1:5", "1/(LI-3)"],
                      ["-l1:1:3", "-is"], ["-tx", "1"], ["-f", "2", "1/3"], ["-f$a", "1/3"],
                      ["-5+3"], ["-o'h", "x'", "255"], ["-eu", "2*3"], ["-ed", "sqrt(-1)"]):
            runs.append(["args"] + words)
    os.makedirs(args.dir, exist_ok=True)
    with open(os.path.join(args.dir, "expressions.txt"), "w", encoding="latin-1", newline="") as f:
        f.write("".join(e + "\n" for e in expressions))
    with open(os.path.join(args.dir, "runs.txt"), "w", encoding="latin-1", newline="") as f:
        f.write("".join("\t".join(r) + "\n" for r in runs))
    print("%d expressions x %d switch sets = %d lines, and %d command-line runs, in %s" % (
        len(expressions), len(switch_sets), len(expressions) * len(switch_sets),
        len(runs) - len(switch_sets), args.dir))


def run(command, words, stdin_bytes, home):
    env = {name: value for name, value in os.environ.items() if name.startswith("WINE")}
    env.setdefault("WINEPREFIX", os.path.join(os.path.expanduser("~"), ".wine"))
    env.update({"PATH": "/usr/bin:/bin", "LANG": "C", "LC_ALL": "C", "HOME": home,
           "XDG_CONFIG_HOME": home, "XDG_CONFIG_DIRS": home, "XDG_STATE_HOME": home,
           "CALCORIX_SEED": "12345", "CALCORIX_CONFIG": os.path.join(home, "none.cfg"),
           "COLUMNS": "80", "LINES": "24"})
    # A run that takes longer than two minutes is run once more before it counts as hanging: under
    # load, Wine now and then stalls a program's start.
    for attempt in range(2):
        try:
            done = subprocess.run(shlex.split(command) + words, input=stdin_bytes,
                                  capture_output=True, env=env, timeout=120)
            return done.stdout, done.stderr, done.returncode
        except subprocess.TimeoutExpired:
            print("timed out: %s %s" % (command, " ".join(words)[:80]), file=sys.stderr)
    return b"", b"timeout", -1


def compare(args):
    with open(os.path.join(args.dir, "expressions.txt"), "rb") as f:
        expressions = f.read()
    expression_lines = expressions.split(b"\n")[:-1]
    with open(os.path.join(args.dir, "runs.txt"), encoding="latin-1") as f:
        runs = [line.rstrip("\n").split("\t") for line in f]
    home = tempfile.mkdtemp()
    differing_runs = []
    differing_lines = 0
    total_lines = 0

    def one(run_words):
        kind, words = run_words[0], run_words[1:]
        feed = expressions if kind == "stdin" else b""
        old = run(args.old, words, feed, home)
        new = run(args.new, words, feed, home)
        return kind, words, old, new

    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        for kind, words, old, new in pool.map(one, runs):
            if kind == "stdin":
                total_lines += len(expression_lines)
            else:
                total_lines += 1
            if old == new:
                continue
            differing_runs.append((kind, words, old, new))
            if kind == "stdin":
                differing_lines += count_differing_lines(old[0], new[0], expression_lines)
            else:
                differing_lines += 1
    print("%d lines compared, %d differ; %d of %d runs differ" % (
        total_lines, differing_lines, len(differing_runs), len(runs)))
    for kind, words, old, new in differing_runs[:args.show]:
        print("--- %s %s" % (kind, " ".join(words)))
        if old[2] != new[2]:
            print("  status %d -> %d" % (old[2], new[2]))
        if old[1] != new[1]:
            print("  stderr %r -> %r" % (old[1][:200], new[1][:200]))
        show_first_difference(old[0], new[0], expression_lines)
    return 1 if differing_runs else 0


def split_lines(output):
    return output.decode("latin-1").split("\r\n")


def count_differing_lines(old, new, expressions):
    """The output lines that differ, after aligning the two outputs."""
    import difflib
    a, b = split_lines(old), split_lines(new)
    # As many lines on both sides: line for line (aligning 100,000 lines would take hours).
    if len(a) == len(b):
        return sum(x != y for x, y in zip(a, b))
    matcher = difflib.SequenceMatcher(None, a, b, autojunk=False)
    return sum(max(i2 - i1, j2 - j1) for tag, i1, i2, j1, j2 in matcher.get_opcodes()
               if tag != "equal")


def show_first_difference(old, new, expressions, limit=8):
    import difflib
    a, b = split_lines(old), split_lines(new)
    if len(a) == len(b):
        differing = [(i, x, y) for i, (x, y) in enumerate(zip(a, b)) if x != y]
        for i, x, y in differing[:limit]:
            print("  line %d: %s" % (i + 1, x[:150]))
            print("  %s  %s" % (" " * len(str(i + 1)), y[:150]))
        return
    shown = 0
    for line in difflib.unified_diff(a, b, lineterm="", n=0):
        print("  " + line[:160])
        shown += 1
        if shown > limit * 3:
            break


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    g = sub.add_parser("generate")
    g.add_argument("dir")
    g.add_argument("--lines", type=int, default=200000)
    g.add_argument("--seed", type=int, default=1)
    g.add_argument("--kind", choices=["all", "wellformed", "calls"], default="all")
    c = sub.add_parser("compare")
    c.add_argument("old")
    c.add_argument("new")
    c.add_argument("dir")
    c.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    c.add_argument("--show", type=int, default=5)
    args = parser.parse_args()
    if args.command == "generate":
        generate(args)
        return 0
    return compare(args)


if __name__ == "__main__":
    sys.exit(main())
