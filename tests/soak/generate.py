#!/usr/bin/env python3
"""Write a long scripted session for kervadin-script or dorvic-script.

    generate.py kervadin OUTPUT --tool KERVADIN-SCRIPT [--actions N] [--seed S]
    generate.py dorvic OUTPUT [--actions N] [--seed S]

The session is what a person using the program all day would do: for
kervadin, choosing thread types, applying every standard size, custom
threads (refused entries and arithmetic faults among them) and wire sizes
to calculate over; for dorvic, every way of filling the triangle's boxes,
solver faults, and clearing. Results are printed after each APPLY and each
Calculate, so the session's output shows every value the windows showed.

The generator keeps track of which windows are on the screen, so that no
command names a hidden control. What kervadin's windows hold (the thread
families, their sizes and buttons, and the wire limits each size and each
custom entry shows) is read from the program through its script tool first.
The seed is fixed: the same arguments and the same program give the same
file. An action is a command a person performs (click, type, set, close);
print commands come on top of the count.
"""

import argparse
import itertools
import json
import random
import re
import subprocess
import sys

ACTIONS = ("click", "type", "set", "close", "key")


def is_action(line):
    return line.split(" ", 1)[0] in ACTIONS


def text_arg(text):
    """A command's TEXT argument: literal unless it needs quoting."""
    if text == "" or text.startswith('"') or text != text.strip() or "\n" in text:
        return json.dumps(text)
    return text


class Session:
    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.lines = []
        self.actions = 0

    def emit(self, line):
        self.lines.append(line)
        if is_action(line):
            self.actions += 1

    def click(self, control):
        self.emit("click " + control)

    def set(self, control, text):
        self.emit("set %s %s" % (control, text_arg(text)))

    def type(self, control, text):
        self.emit("type %s %s" % (control, text_arg(text)))

    def print(self, control):
        self.emit("print " + control)


# --------------------------------------------------------------------------
# kervadin

MAIN = "frmKervadin3"
CHOOSER = "frmType"
CUSTOM = "frmCustom"

class Family:
    """A standard family as its size window shows it."""

    def __init__(self, button, window, apply, back, options):
        self.button = button      # its button on the chooser
        self.window = window
        self.apply = apply
        self.back = back
        self.options = options    # one option a size
        self.limits = []          # (minimum, maximum) wire of each size


CONTROL_LINE = re.compile(r'^(text|option) (\w+)\.(\w+) (".*?")(?: on| off)?$')


def run_tool(tool, lines):
    """The lines the script tool prints for a script."""
    result = subprocess.run([tool], input="\n".join(lines) + "\n", capture_output=True,
                            text=True, check=False, timeout=300)
    if result.returncode != 0:
        sys.exit("generate.py: %s exited %d:\n%s" % (tool, result.returncode, result.stdout[-3000:]))
    return result.stdout.splitlines()


def controls(lines, window):
    """(kind, name, caption) of the window's controls in `state` output."""
    found = []
    for line in lines:
        m = CONTROL_LINE.match(line)
        if m and m.group(2) == window:
            found.append((m.group(1), m.group(3), json.loads(m.group(4))))
    return found


def shown_limits(lines):
    """After each APPLY the script prints lblMin and lblMax: for each, the
    (minimum, maximum) wire shown, or None when a message came instead."""
    results, refused, texts = [], False, []
    for line in lines:
        if line.startswith("message "):
            refused = True
        m = CONTROL_LINE.match(line)
        if m:
            texts.append(float(json.loads(m.group(4)) or "nan"))
            if len(texts) == 2:
                results.append(None if refused else tuple(texts))
                refused, texts = False, []
    return results


def read_windows(tool):
    """The families and the custom window's limits, from the program itself:
    each button of the chooser opens a window; a window with options that is
    not the custom one is a family's size window. Each size is then applied,
    and each sensible custom entry, and the wire limits shown are read."""
    chooser = [name for kind, name, _ in
               controls(run_tool(tool, ["click %s.CtS" % MAIN, "state"]), CHOOSER)]
    script = []
    for name in chooser:
        script += ["click %s.CtS" % MAIN, "click %s.%s" % (CHOOSER, name), "state"]
    states = re.split(r"^windows ", "\n".join(run_tool(tool, script)), flags=re.M)[1:]
    families = []
    for button, state in zip(chooser, states):
        window = re.search(r"^active (\w+)$", state, re.M).group(1)
        shown = controls(state.splitlines(), window)
        options = [name for kind, name, _ in shown if kind == "option"]
        if window in (CHOOSER, CUSTOM) or not options:
            continue
        buttons = {caption: name for kind, name, caption in shown if kind == "text"}
        families.append(Family(button, window, buttons["APPLY"], buttons["BACK"], options))

    script = []
    for f in families:
        script += ["click %s.CtS" % MAIN, "click %s.%s" % (CHOOSER, f.button)]
        for option in f.options:
            script += ["click %s.%s" % (f.window, option), "click %s.%s" % (f.window, f.apply),
                       "print %s.lblMin" % MAIN, "print %s.lblMax" % MAIN]
    script += ["click %s.CtS" % MAIN, "click %s.cmdCustom" % CHOOSER]
    entries = []
    for angle in (None, "opt55", "opt60"):
        if angle:
            script.append("click %s.%s" % (CUSTOM, angle))
        for dia in CUSTOM_DIAMETERS:
            for pitch in CUSTOM_PITCHES:
                entries.append((dia, pitch, angle))
                script += ["set %s.txtCustdia %s" % (CUSTOM, dia),
                           "set %s.txtCustpitch %s" % (CUSTOM, pitch),
                           "click %s.cmdAppcust" % CUSTOM,
                           "print %s.lblMin" % MAIN, "print %s.lblMax" % MAIN]
    results = shown_limits(run_tool(tool, script))
    for f in families:
        f.limits, results = results[:len(f.options)], results[len(f.options):]
    return families, dict(zip(entries, results))


RECORD_LABELS = ["lblSelected", "lblDia", "lblDoT", "lblPitch", "lblTangle", "lblHangle",
                 "lblMax", "lblMin", "lblPref"]

# Custom entries a person makes: sensible numbers, and the ones that are
# refused or fault (empty, zero, beyond the range of numbers, not a number).
CUSTOM_DIAMETERS = ["0.25", "0.375", "0.5", "0.75", "1", "1.5", "2", "2.5", "6", "12", "20",
                    "36.5"]
CUSTOM_PITCHES = ["0.05", "0.0625", "0.1", "1", "1.25", "1.5", "2", "11", "20", "28", "40"]
ODD_DIAMETERS = ["", "0", "1e999", "1e300", "-1", "abc", "0.0001", " 0.5", "3,5", "1e-300"]
ODD_PITCHES = ["", "0", "1e999", "1e300", "-3", "abc", "0.5", "1e-300", "1 1"]

# Wire sizes that are no use for any thread, or no number at all.
ODD_WIRES = ["", "0", "-0.01", "1e999", "1e300", "-1e300", "abc", ".", "100", "0.000001",
             " 0.03", "2e-2", "1,5"]


class Kervadin(Session):
    def __init__(self, seed, families, custom_limits):
        super().__init__(seed)
        self.families = families
        self.by_window = {f.window: f for f in families}
        self.custom_limits = custom_limits  # (diameter, pitch, angle) -> limits, None: refused
        self.visible = {MAIN}
        self.checked = {}        # size window -> the option selected in it
        self.angle = None        # custom window: "opt55", "opt60" or None
        self.custom = {"txtCustdia": "", "txtCustpitch": ""}
        self.record = None       # (minimum, maximum) wire shown, None when unknown
        self.applied = set()     # (window, option) applied at least once
        self.custom_entries = set()
        self.calculations = 0
        self.in_range = 0

    # The windows' own behaviour, as far as visibility goes.
    def select(self):
        self.click(MAIN + ".CtS")
        self.visible.add(CHOOSER)

    def choose(self, family_or_custom):
        if family_or_custom == CUSTOM:
            self.click(CHOOSER + ".cmdCustom")
            self.visible.add(CUSTOM)
        else:
            self.click(CHOOSER + "." + family_or_custom.button)
            self.visible.add(family_or_custom.window)
        self.visible.discard(CHOOSER)

    def back(self, window):
        button = "cmdBackcust" if window == CUSTOM else self.by_window[window].back
        self.click(window + "." + button)
        self.visible.discard(window)
        self.visible.add(CHOOSER)

    def close(self, window):
        self.emit("close " + window)
        self.visible.discard(window)

    def pick_size(self, family, index=None):
        if index is None:
            index = self.rng.randrange(len(family.options))
        self.click(family.window + "." + family.options[index])
        self.checked[family.window] = index

    def apply_size(self, family):
        self.click(family.window + "." + family.apply)
        index = self.checked.get(family.window)
        if index is not None:
            self.record = family.limits[index]
            self.applied.add((family.window, family.options[index]))
        self.print_record()

    def enter_custom(self, box, text):
        self.set(CUSTOM + "." + box, text)
        self.custom[box] = text

    def pick_angle(self, option):
        self.click(CUSTOM + "." + option)
        self.angle = option

    def apply_custom(self):
        self.click(CUSTOM + ".cmdAppcust")
        dia, entry = self.custom["txtCustdia"], self.custom["txtCustpitch"]
        self.custom_entries.add((dia, entry, self.angle))
        key = (dia, entry, self.angle)
        if key not in self.custom_limits:
            self.record = None                   # an odd entry: a fault, or something unusual
        elif self.custom_limits[key] is not None:
            self.record = self.custom_limits[key]
        self.print_record()

    def print_record(self):
        for label in RECORD_LABELS:
            self.print(MAIN + "." + label)

    def wire(self):
        """A wire size: mostly one that fits the record shown."""
        if self.record is not None and self.rng.random() < 0.75:
            least, most = self.record
            value = self.rng.uniform(least, most)
            self.in_range += 1
            return "%.4f" % value
        return self.rng.choice(ODD_WIRES)

    def calculate(self):
        self.click(MAIN + ".cmdCalc")
        self.calculations += 1
        self.print(MAIN + ".lblOver")

    # Sessions.
    def tour(self):
        """Every window, every family and every kind of custom entry once,
        so that every window exists before memory is first measured."""
        for family in self.families:
            self.select()
            self.choose(family)
            self.pick_size(family)
            self.apply_size(family)
            self.set(MAIN + ".txtActual", self.wire())
            self.calculate()
            self.back(family.window)
            self.close(CHOOSER)
        self.select()
        self.choose(CUSTOM)
        # No angle is chosen yet: the first entry is refused for that.
        for dia, entry, angle in [("2", "20", None), ("0", "0", "opt55"), ("1e999", "1", "opt55"),
                                  ("", "1", "opt60"), ("1", "", "opt60"),
                                  ("0.25", "28", "opt60"), ("12", "1.25", None)]:
            self.enter_custom("txtCustdia", dia)
            self.enter_custom("txtCustpitch", entry)
            if angle:
                self.pick_angle(angle)
            self.apply_custom()
            self.set(MAIN + ".txtActual", self.wire())
            self.calculate()
        self.back(CUSTOM)
        self.close(CHOOSER)

    def standard_cycle(self):
        """Select, a family, a size, APPLY, one or more wires."""
        family = self.rng.choice(self.families)
        self.select()
        self.choose(family)
        self.pick_size(family)
        if self.rng.random() < 0.3:
            self.pick_size(family)               # changed one's mind
        self.apply_size(family)
        for _ in range(self.rng.randint(1, 3)):
            self.set(MAIN + ".txtActual", self.wire())
            self.calculate()
        if self.rng.random() < 0.5:
            self.back(family.window)

    def custom_cycle(self):
        if CUSTOM not in self.visible:
            self.select()
            self.choose(CUSTOM)
        odd = self.rng.random() < 0.3
        self.enter_custom("txtCustdia", self.rng.choice(ODD_DIAMETERS if odd else CUSTOM_DIAMETERS))
        odd = self.rng.random() < 0.3
        self.enter_custom("txtCustpitch", self.rng.choice(ODD_PITCHES if odd else CUSTOM_PITCHES))
        if self.rng.random() < 0.8:
            self.pick_angle(self.rng.choice(["opt55", "opt60"]))
        self.apply_custom()
        self.set(MAIN + ".txtActual", self.wire())
        self.calculate()
        if self.rng.random() < 0.3:
            self.back(CUSTOM)

    def wander(self):
        """One action among those the windows on the screen allow."""
        choices = [(3, self.select),
                   (2, lambda: self.set(MAIN + ".txtActual", self.wire())),
                   (1, lambda: self.type(MAIN + ".txtActual", self.rng.choice("0123456789."))),
                   (2, self.calculate)]
        if CHOOSER in self.visible:
            choices += [(4, lambda: self.choose(self.rng.choice(self.families + [CUSTOM]))),
                        (0.5, lambda: self.close(CHOOSER))]
        for window in sorted(self.visible):
            family = self.by_window.get(window)
            if family:
                choices += [(3, lambda f=family: self.pick_size(f)),
                            (2, lambda f=family: self.apply_size(f)),
                            (1, lambda w=window: self.back(w)),
                            (0.3, lambda w=window: self.close(w))]
        if CUSTOM in self.visible:
            choices += [(1, lambda: self.enter_custom(
                            "txtCustdia", self.rng.choice(CUSTOM_DIAMETERS + ODD_DIAMETERS))),
                        (1, lambda: self.enter_custom(
                            "txtCustpitch", self.rng.choice(CUSTOM_PITCHES + ODD_PITCHES))),
                        (1, lambda: self.pick_angle(self.rng.choice(["opt55", "opt60"]))),
                        (1, self.apply_custom),
                        (0.5, lambda: self.back(CUSTOM)),
                        (0.2, lambda: self.close(CUSTOM))]
        weights = [w for w, _ in choices]
        self.rng.choices([a for _, a in choices], weights)[0]()

    def generate(self, actions):
        self.tour()
        while self.actions < actions:
            roll = self.rng.random()
            if roll < 0.45:
                self.standard_cycle()
            elif roll < 0.65:
                self.custom_cycle()
            else:
                for _ in range(self.rng.randint(1, 8)):
                    self.wander()

    def check(self, actions):
        """The session is only worth running if it covers what it claims."""
        missing = [(f.window, o) for f in self.families for o in f.options
                   if (f.window, o) not in self.applied]
        faults = {e for e in self.custom_entries
                  if e[0] in ("0", "1e999") or e[1] in ("0", "1e999")}
        problems = []
        if actions >= 5000:
            if missing:
                problems.append("sizes never applied: %s" % missing)
            if len(faults) < 10:
                problems.append("only %d custom entries with faults" % len(faults))
            if self.in_range < actions // 20:
                problems.append("only %d wires in range" % self.in_range)
        return problems


# --------------------------------------------------------------------------
# dorvic

TRIANGLE = "frmTriangleRight"
BOXES = ["txtRightSidea", "txtRightSideb", "txtRightSidec", "txtRightAngleB", "txtRightAngleC"]
ALL_BOXES = BOXES + ["txtRightArea"]

SIDES = ["3", "4", "5", "12", "13", "0.5", "7.25", "100", "2.5", "1"]
ANGLES = ["30", "45", "60", "36.87", "53.13", "89.9", "0.01", "10", "75"]
# Zero sides and angles, negative values, 90 and more degrees, numbers
# beyond range or too small to matter, and things that are not numbers.
ODD_VALUES = ["0", "-3", "-5", "1e999", "1e200", "1e-300", "abc", "90", "180", "-45", ".",
              "1e154", " 7"]


class Dorvic(Session):
    def __init__(self, seed):
        super().__init__(seed)
        self.cases = set()
        self.odd_used = set()
        self.calculations = 0

    def value(self, box, odd_chance):
        if self.rng.random() < odd_chance:
            text = self.rng.choice(ODD_VALUES)
            self.odd_used.add(text)
            return text
        return self.rng.choice(ANGLES if "Angle" in box else SIDES)

    def calculate(self):
        self.click(TRIANGLE + ".cmdRightCalculate")
        self.calculations += 1
        for box in ALL_BOXES:
            self.print(TRIANGLE + "." + box)

    def clear(self):
        self.click(TRIANGLE + ".CmdClear")

    def case(self, given):
        """Clear, fill the given boxes and calculate."""
        self.clear()
        self.cases.add(tuple(given))
        odd = 0.25 if self.rng.random() < 0.5 else 0
        for box in given:
            self.set(TRIANGLE + "." + box, self.value(box, odd))
        self.calculate()

    def tour(self):
        for size in range(len(BOXES) + 1):
            for given in itertools.combinations(BOXES, size):
                self.case(list(given))

    def wander(self):
        roll = self.rng.random()
        box = self.rng.choice(BOXES)
        if roll < 0.35:
            self.set(TRIANGLE + "." + box, self.value(box, 0.3))
        elif roll < 0.45:
            self.set(TRIANGLE + "." + box, "")
        elif roll < 0.55:
            self.type(TRIANGLE + "." + box, self.rng.choice("0123456789."))
        elif roll < 0.60:
            self.set(TRIANGLE + ".txtRightArea", self.rng.choice(SIDES))
        elif roll < 0.85:
            self.calculate()
        else:
            self.clear()

    def generate(self, actions):
        self.tour()
        while self.actions < actions:
            if self.rng.random() < 0.6:
                size = self.rng.choice([1, 2, 2, 2, 3])
                self.case(self.rng.sample(BOXES, size))
            else:
                for _ in range(self.rng.randint(1, 6)):
                    self.wander()

    def check(self, actions):
        problems = []
        if actions >= 5000:
            missing = set(ODD_VALUES) - self.odd_used
            if missing:
                problems.append("fault inputs never entered: %s" % sorted(missing))
        if len(self.cases) < 2 ** len(BOXES):
            problems.append("only %d of the %d ways to fill the boxes"
                            % (len(self.cases), 2 ** len(BOXES)))
        return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", choices=["kervadin", "dorvic"])
    parser.add_argument("output")
    parser.add_argument("--actions", type=int, default=25000)
    parser.add_argument("--seed", type=int, default=7)
    parser.add_argument("--tool", help="the program's script tool (kervadin's windows are read through it)")
    args = parser.parse_args()

    if args.program == "kervadin":
        if not args.tool:
            parser.error("kervadin needs --tool")
        session = Kervadin(args.seed, *read_windows(args.tool))
    else:
        session = Dorvic(args.seed)
    session.generate(args.actions)
    problems = session.check(args.actions)
    if problems:
        for p in problems:
            print("generate.py: %s" % p, file=sys.stderr)
        return 1
    with open(args.output, "w", encoding="utf-8") as out:
        out.write("# %s session, %d actions, seed %d (tests/soak/generate.py)\n"
                  % (args.program, session.actions, args.seed))
        out.write("\n".join(session.lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
