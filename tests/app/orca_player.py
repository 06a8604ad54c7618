#!/usr/bin/python3
"""Plays the game as a blind player does: the Orca screen reader, keys only, every word heard.

Run inside a D-Bus session of its own, with DISPLAY set to a private X server:
    dbus-run-session -- /usr/bin/python3 orca_player.py QUORVEL_PROGRAM SCALE LOCALE

The game runs at the screen scale SCALE (QT_SCALE_FACTOR) under the locale LOCALE (LANG, with
LANGUAGE, LC_ALL and LC_MESSAGES unset): C.UTF-8 for English, de_DE.UTF-8 for German, ru_RU.UTF-8,
zh_CN.UTF-8 and ar_EG.UTF-8 for Russian, Chinese and Arabic. A locale the
system lacks is built into the temporary folder. Orca itself speaks English.

It starts openbox, speech-dispatcher with a voice that writes each utterance to a file instead of
speaking it, and Orca; once Orca has said "Screen reader on." it starts the game and plays with
xdotool: Space on Deal until a hand is in play, Tab to Stand and Space, then the menu, F10 (the File
menu at Exit), Right and Return for the About box, Return to close it, and F10, Return for
File > Exit. Each step waits until the words it needs have been heard, in the game's language. It prints one "step: words" line for each step,
with everything heard for it, for the test to judge:
    start, deal, stand, about, closed, exit code
and where the accessibility bus puts the Card table and the Deal button, and where the X server
has the window, in device pixels:
    table extents, deal extents, window extents
Nothing is written outside a temporary folder: home, settings and runtime folders are private.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

SKIPPED = 77  # the exit code when the test cannot run here

# The game's words each step waits for, by the language of its locale; "dealer count" and "money"
# are what is said before the figure (patterns: Orca hands a full-width colon on as ":").
WORDS = {
    "en": {"deal": "Deal", "hit": "Hit", "stand": "Stand", "dealer count": "Dealers Count",
           "money": "Money", "exit": "Exit", "about": "About", "ok": "OK", "table": "Card table"},
    "de": {"deal": "Geben", "hit": "Ziehen", "stand": "Stehen", "dealer count": "Punkte des Gebers:",
           "money": "Geld:", "exit": "Beenden", "about": "Über", "ok": "OK", "table": "Spieltisch"},
    "ru": {"deal": "Раздать", "hit": "Ещё", "stand": "Хватит", "dealer count": "Очки дилера:",
           "money": "Деньги:", "exit": "Выход", "about": "О программе", "ok": "ОК",
           "table": "Игровой стол"},
    "zh": {"deal": "发牌", "hit": "要牌", "stand": "停牌", "dealer count": "庄家点数[:：]",
           "money": "资金[:：]", "exit": "退出", "about": "关于", "ok": "确定", "table": "牌桌"},
    "ar": {"deal": "توزيع", "hit": "سحب", "stand": "توقف", "dealer count": "مجموع الموزع:",
           "money": "الرصيد:", "exit": "خروج", "about": "حول", "ok": "موافق",
           "table": "طاولة الورق"},
}
# A figure after its words: a space or none (Chinese), then a full stop of the language.
FIGURE = r" ?-?[0-9]+[.。]"

SPEECHD_CONF = 'AddModule "capture" "sd_generic" "capture.conf"\n' \
    'DefaultModule capture\nAudioOutputMethod "libao"\n'
# the generic voice runs this for every utterance, with $DATA the words in UTF-8
CAPTURE_CONF = 'GenericExecuteSynth "printf \'%s\\\\n\' \\\'$DATA\\\' >> {heard}"\n' \
    'AddVoice "en" "MALE1" "capture"\nGenericLanguage "en" "en" "utf-8"\n' \
    'GenericMaxChunkLength 100000\nGenericDelimiters ""\n'


class Heard:
    """The words the voice has been given, read as they come."""

    def __init__(self, path):
        self.path = path
        self.mark = 0

    def text(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as heard:
                return " ".join(heard.read().split())
        except FileNotFoundError:
            return ""

    def wait_for(self, pattern, what, seconds=30, speaker=None):
        """Waits until the words heard since the last step match `pattern`; returns them. Gives
        up at once when the `speaker` process has ended."""
        end = time.monotonic() + seconds
        while time.monotonic() < end and (speaker is None or speaker.poll() is None):
            words = self.text()[self.mark:]
            if re.search(pattern, words):
                return words
            time.sleep(0.05)
        raise RuntimeError("gave up waiting for %s; heard since the last step: %r" %
                           (what, self.text()[self.mark:]))

    def next_step(self):
        self.mark = len(self.text())


def private_environment(folder):
    environment = dict(os.environ)
    for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                 "XDG_RUNTIME_DIR"):
        path = os.path.join(folder, name.lower())
        os.makedirs(path, mode=0o700)
        environment[name] = path
    environment["GSETTINGS_BACKEND"] = "memory"
    for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_ACCESSIBILITY",
                 "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"):
        environment.pop(name, None)
    # libao, which the voice's audio goes through, plays to nothing
    with open(os.path.join(environment["HOME"], ".libao"), "w") as libao:
        libao.write("default_driver=null\n")
    return environment


def start_speech(folder, environment, heard):
    config = os.path.join(folder, "speechd")
    os.makedirs(os.path.join(config, "modules"))
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.write(SPEECHD_CONF)
    with open(os.path.join(config, "modules", "capture.conf"), "w") as conf:
        conf.write(CAPTURE_CONF.format(heard=heard))
    return subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C", config],
                            env=environment, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def find(node, role, name):
    if node is None:
        return None
    if node.getRole() == role and node.name == name:
        return node
    for index in range(node.childCount):
        found = find(node.getChildAtIndex(index), role, name)
        if found:
            return found
    return None


def extents(environment, words):
    """Where the game's window, Card table and Deal button are, as the accessibility bus and the
    X server report them: "x y width height" each."""
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    game = next(app for app in desktop if app and app.name == "quorvel")
    found = {"table": find(game, pyatspi.ROLE_CANVAS, words["table"]),
             "deal": find(game, pyatspi.ROLE_PUSH_BUTTON, words["deal"])}
    report = {}
    for what, node in found.items():
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        report[what] = "%d %d %d %d" % (box.x, box.y, box.width, box.height)
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorvel$",
                             "getwindowgeometry", "--shell"],
                            env=environment, capture_output=True, text=True).stdout
    values = dict(line.split("=") for line in window.split())
    report["window"] = "%s %s %s %s" % (values["X"], values["Y"], values["WIDTH"],
                                         values["HEIGHT"])
    return report


def key(environment, name):
    subprocess.run(["xdotool", "key", name], env=environment, check=True)


def locale_environment(name, folder):
    """LANG for the game, with LOCPATH to a locale built here when the system has none of that
    name; None when it cannot be built."""
    wanted = name.lower().replace("-", "")
    have = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower()
    if wanted in have.replace("-", "").split():
        return {"LANG": name}
    path = os.path.join(folder, "locales")
    source, charmap = name.split(".")
    os.makedirs(path)
    built = subprocess.run(["localedef", "-i", source, "-f", charmap,
                            os.path.join(path, name)], capture_output=True, text=True)
    if not os.path.isdir(os.path.join(path, name)):
        sys.stderr.write("cannot build the locale %s (the locales package provides its "
                         "sources):\n%s" % (name, built.stderr))
        return None
    return {"LANG": name, "LOCPATH": path}


def play(program, scale, locale, folder):
    environment = private_environment(folder)
    words = WORDS.get(locale[:2], WORDS["en"])
    game_locale = locale_environment(locale, folder)
    if game_locale is None:
        sys.exit(SKIPPED)
    heard = Heard(os.path.join(folder, "heard.txt"))
    debug = os.path.join(folder, "orca-debug.txt")
    helpers = [subprocess.Popen(["openbox"], env=environment, stderr=subprocess.DEVNULL)]
    helpers.append(start_speech(folder, environment, heard.path))
    os.makedirs(os.path.join(folder, "orca"))
    orca_output = os.path.join(folder, "orca-output.txt")
    with open(orca_output, "w") as output:
        helpers.append(subprocess.Popen(
            ["orca", "--debug-file=" + debug, "-u", os.path.join(folder, "orca")],
            env=environment, stdout=output, stderr=subprocess.STDOUT))
    game = None
    try:
        heard.wait_for(r"Screen reader on\.", "Orca to start", 60, helpers[-1])
        heard.next_step()
        game_environment = dict(environment, QT_SCALE_FACTOR=scale, **game_locale)
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            game_environment.pop(name, None)
        if "ASAN_OPTIONS" in environment:
            # whole stacks for the leak check, which the suppression of the key events Qt's
            # accessibility bridge still holds at exit goes by
            game_environment["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
        game = subprocess.Popen([program], env=game_environment, stderr=subprocess.PIPE)
        print("start: " + heard.wait_for(words["deal"] + " push button", "the focus on Deal"),
              flush=True)
        for what, box in extents(environment, words).items():
            print("%s extents: %s" % (what, box), flush=True)
        def press(name, pattern, what):
            """Presses a key and waits until what it makes Orca say matches `pattern`."""
            heard.next_step()
            key(environment, name)
            return heard.wait_for(pattern, what)

        while True:
            # The deal is heard whole once the focus is on Hit or, when a two-card 21 has ended
            # the round at once and left the focus on Deal, once the money is said: the dealer's
            # count alone may come before the rest of the sentence is written.
            deal = press("space", r"(?=.*notification .*%s%s)(?=.*(?:%s push button|%s%s))" %
                         (words["dealer count"], FIGURE, words["hit"], words["money"], FIGURE),
                         "the deal")
            if not re.search(words["money"], deal):
                break
        print("deal: " + deal, flush=True)
        press("Tab", words["stand"] + " push button", "Tab to Stand")
        print("stand: " + press("space", r"notification .*%s%s" % (words["money"], FIGURE),
                                "the settlement"), flush=True)
        press("F10", words["exit"], "the File menu at Exit")
        press("Right", words["about"], "the Help menu")
        print("about: " + press("Return", words["ok"] + " push button", "the About box"),
              flush=True)
        print("closed: " + press("Return", words["deal"] + " push button",
                                 "the focus back on Deal"), flush=True)
        press("F10", words["exit"], "File > Exit")
        key(environment, "Return")
        code = game.wait(20)
        print("exit code: %d" % code, flush=True)
        if code != 0:
            sys.stderr.write("The game wrote:\n" + game.stderr.read().decode(errors="replace"))
        game = None
    except Exception:
        with open(orca_output, encoding="utf-8", errors="replace") as output:
            sys.stderr.write("Orca wrote:\n" + output.read()[-3000:] + "\n")
        if os.path.exists(debug):
            with open(debug, encoding="utf-8", errors="replace") as log:
                said = [line.strip() for line in log if "SPEECH OUTPUT" in line]
            sys.stderr.write("Orca said:\n" + "\n".join(said[-30:]) + "\n")
        raise
    finally:
        for process in ([game] if game else []) + helpers[::-1]:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


def main():
    sys.stdout.reconfigure(encoding="utf-8")  # the game's words, whatever the test's locale
    # Orca refuses to start beside another Orca of the same user
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                      stdout=subprocess.DEVNULL).returncode == 0:
        print("another Orca runs for this user", file=sys.stderr)
        sys.exit(SKIPPED)
    with tempfile.TemporaryDirectory(prefix="quorvel-orca-") as folder:
        play(sys.argv[1], sys.argv[2], sys.argv[3], folder)


if __name__ == "__main__":
    main()
