#!/usr/bin/python3
"""The web page in a real browser: headless Chromium plays the page opened
from file://, reads it through the page's test API (window.thalvorine) and
types on its keyboard.

Usage: page_test.py PAGE [unittest arguments]
"""
import functools
import http.server
import os
import shutil
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

PAGE = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else ""
PLAYTHROUGH = os.path.join(os.path.dirname(__file__), "..", "recordings", "shipped", "playthrough.rec")
SPEED = 50  # ?speed=50: every pause of the game divided by 50
CLOCK = "1800000000"  # ?clock=: a recording's clock, moved by the game's pauses only: the same chances every run
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
           (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
           (255, 0, 255), (255, 255, 0), (255, 255, 255)]
SCREEN_COLOURS = {0x03, 0xD7, 0xF3, 0xF8, 0xE3, 0xE8, 0xF0, 0xC7, 0x9E, 0xA8, 0xB0, 0xB8, 0x4F, 0x70, 0x7D, 0x80,
                  0x73, 0x1F, 0x2B, 0x30, 0x37, 0x40, 0x57, 0x5F, 0x67}
# The recordings' key names, as keyboard keys and the number of codes each gives the game.
KEYS = {"Enter": (Keys.ENTER, 1), "Esc": (Keys.ESCAPE, 1), "Tab": (Keys.TAB, 1),
        "Backspace": (Keys.BACKSPACE, 1), "Space": (" ", 1), "Up": (Keys.ARROW_UP, 2),
        "Down": (Keys.ARROW_DOWN, 2), "Left": (Keys.ARROW_LEFT, 2), "Right": (Keys.ARROW_RIGHT, 2),
        "Home": (Keys.HOME, 2), "End": (Keys.END, 2), "PgUp": (Keys.PAGE_UP, 2), "PgDn": (Keys.PAGE_DOWN, 2),
        "Ins": (Keys.INSERT, 2), "Del": (Keys.DELETE, 2),
        **{"F%d" % n: (getattr(Keys, "F%d" % n), 2) for n in range(1, 11)}}

# Resolves, inside the page, once the game has read `arguments[0]` key codes
# and waits for the next key (or has ended): [keys read, waiting, exit status].
SETTLED = """
const [want, done] = arguments;
(function poll() {
  const t = window.thalvorine, s = t && [t.keysRead(), t.waitingForKey(), t.exitStatus()];
  if (s && s[0] >= want && (s[1] || s[2] !== null)) done(s); else setTimeout(poll, 2);
})();"""
# Resolves with every cell of the screen once its text holds `arguments[0]`.
SCREEN_WITH = """
const [text, done] = arguments;
(function poll() {
  const t = window.thalvorine;
  if (!t || !t.screenText().includes(text)) return setTimeout(poll, 1);
  const cells = [];
  for (let y = 0; y < 25; y++) for (let x = 0; x < 80; x++) cells.push(t.cell(x, y));
  done({text: t.screenText(), cells: cells});
})();"""


def rgb(css):
    """(r, g, b) of a computed CSS colour such as 'rgb(0, 128, 128)'."""
    return tuple(int(part) for part in css[css.index("(") + 1:css.index(")")].split(",")[:3])


def parse_recording(path):
    """A recording (docs/recordings.md) as its clock and its steps: ('key', [(key, codes)], line) or
    (checkpoint, argument, line). The page plays the shipped world from its first run, 80 x 25."""
    clock, steps = CLOCK, []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            word, _, rest = line.partition(" ")
            if word.startswith("@"):  # a key pressed at a moment: here pressed when the game asks
                word, _, rest = rest.partition(" ")
            if word == "type":
                steps.append(("key", [(ch, 1) for ch in rest], number))
            elif word == "key":
                steps.append(("key", [KEYS[name] for name in rest.split()], number))
            elif word in ("see", "not", "row", "at", "colour", "heard", "saved", "title", "exit"):
                steps.append((word, rest, number))
            elif word == "clock":
                clock = rest
            elif word != "size" or rest != "80x25":
                raise ValueError("%s:%d: the page cannot play '%s'" % (path, number, word))
    return clock, steps


class Browser(unittest.TestCase):
    """One headless Chromium with a profile of its own for each test class."""
    storage_blocked = False

    @classmethod
    def setUpClass(cls):
        cls.profile = tempfile.mkdtemp(prefix="thalvorine-chromium-")
        options = webdriver.ChromeOptions()
        for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--user-data-dir=" + cls.profile, "--window-size=1024,768"):
            options.add_argument(flag)
        options.binary_location = "/usr/bin/chromium"
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.driver.set_script_timeout(60)
        if cls.storage_blocked:  # as in a private window that keeps nothing
            cls.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
                Object.defineProperty(window, 'indexedDB', {get() { throw new DOMException('', 'SecurityError'); }});"""})

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.profile, ignore_errors=True)

    def open(self, speed=SPEED, clock=CLOCK, url="file://" + PAGE):
        query = "&".join(("speed=%d" % speed if speed != 1 else "",) + (("clock=" + clock,) if clock else ()))
        self.driver.get(url + "?" + query)
        self.sent = 0

    def page(self, call, *args):
        return self.driver.execute_script("return thalvorine." + call, *args)

    def settle(self):
        return self.driver.execute_async_script(SETTLED, self.sent)

    def press(self, *keys):
        """Presses each key when the game asks for one; a key is (keyboard key, codes) or a letter."""
        for key in keys:
            key, codes = key if isinstance(key, tuple) else KEYS.get(key, (key, 1))
            self.settle()
            ActionChains(self.driver).send_keys(key).perform()
            self.sent += codes
        self.settle()

    def type(self, word):
        self.press(*word)

    def rows(self):
        return self.page("screenText()").split("\n")

    def at(self, x, y, text):
        row = self.rows()[y].ljust(80)
        self.assertEqual(row[x:x + len(text)], text, "row %d: %r" % (y, row))

    def assert_colour(self, x, y, attr):
        cell = self.page("cell(arguments[0], arguments[1])", x, y)
        self.assertEqual(cell["attr"], attr, "cell %d,%d" % (x, y))
        self.assertEqual((rgb(cell["color"]), rgb(cell["background"])), (PALETTE[attr & 15], PALETTE[attr >> 4]))

    def assert_drawn_in_palette(self, screen=None):
        """Every cell of the screen shown in its attribute's colours of the console's palette."""
        screen = screen or self.driver.execute_async_script(SCREEN_WITH, "")
        for cell in screen["cells"]:
            attr, text, back = cell["attr"], rgb(cell["color"]), rgb(cell["background"])
            if cell["ch"] == "█":  # a full block is a cell filled with the text colour
                self.assertEqual(back, PALETTE[attr & 15], cell)
            elif cell["ch"] not in "▀▄":
                self.assertEqual((text, back), (PALETTE[attr & 15], PALETTE[attr >> 4]), cell)

    def assert_one_screen_colour(self, screen):
        """Every cell in one screen colour of the palette, drawn in the console's colours."""
        attrs = {cell["attr"] for cell in screen["cells"]}
        self.assertEqual(len(attrs), 1, attrs)
        self.assertIn(attrs.pop(), SCREEN_COLOURS)
        self.assert_drawn_in_palette(screen)


class FirstVisitAndReturn(Browser):
    def test_a_first_visit_then_a_reload_that_remembers_the_run(self):
        self.open(speed=10)  # the banner and the warning long enough to be seen
        banner = self.driver.execute_async_script(SCREEN_WITH, "Thalvorine ")
        rows = banner["text"].split("\n")
        shade = "░░░░▒▒▒▒▒▓"
        self.assertEqual(rows[8], " " * 11 + shade + "█" * 38 + shade[::-1])
        self.assertEqual(rows[11], " " * 11 + shade + "█  Thalvorine" + " " * 17 + "v0.1.0 █" + shade[::-1])
        self.assert_one_screen_colour(banner)
        self.assertEqual(self.driver.title, "Thalvorine")
        warning = self.driver.execute_async_script(SCREEN_WITH, "DİKKAT")
        self.assertTrue(warning["text"].split("\n")[5].startswith("     DİKKAT: Bu oyun her yeni ekranda"))
        self.assert_one_screen_colour(warning)

        # The first run asks for its word; a wrong one is refused.
        self.settle()
        self.at(7, 10, "Hazırsan HAZIRIM yaz ve Enter'a bas.")
        self.assertEqual(self.page("sounded()"), 0)  # no sound before the first key, as browsers want
        self.assertIn([329, 300], self.page("tones()"))  # though the start-up melody was played
        self.type("UYU")
        self.press("Enter")
        self.at(4, 1, "Fener bekçisi başını iki yana sallıyor")
        self.assert_drawn_in_palette()
        sounded = self.page("sounded()")
        self.press("Backspace")  # on an empty word: a beep, heard from the first key on
        self.assertEqual(self.page("sounded()"), sounded + 1)
        self.type("HAZIRIM")
        self.press("Enter")

        # The main menu follows the arrow keys.
        self.at(62, 6, "Uyan")
        for key, selected, other in (("Down", 10, 6), ("Up", 6, 10)):
            self.press(key)
            self.assert_colour(61, selected, 0x02)
            self.assert_colour(61, other, 0x0E)
        self.press("Enter")
        self.assertIn("Fırtınadan Sonra", self.page("screenText()"))
        self.press("Space")
        self.at(34, 4, "Bekçi Odası")
        self.assert_drawn_in_palette()

        # An object screen, then Esc at the prompt and the exit question.
        self.type("SALTER")
        self.press("Enter")
        self.at(20, 10, "SALTER")
        self.at(7, 18, "Yukarı it              Al           Geri")
        self.assert_colour(5, 18, 0x02)
        self.assert_drawn_in_palette()
        self.press("Right", "Right", "Enter")  # Geri: back to the room
        self.at(34, 4, "Bekçi Odası")
        self.press("Esc")
        self.assertIn("Çıkılsın mı?", self.page("screenText()"))
        self.assert_drawn_in_palette()
        self.press("Enter")
        self.assertEqual(self.page("exitStatus()"), 1)

        # The run is kept in the browser: a reload skips the first-run word.
        self.assertIn("<RunningTime>1</RunningTime>", self.page("storedProgress()") or "")
        self.open()
        self.settle()
        self.at(62, 6, "Uyan")
        self.assertNotIn("HAZIRIM", self.page("screenText()"))
        self.assertIn("<RunningTime>2</RunningTime>", self.page("progressFile()"))

    def test_b_the_screen_fits_the_window_at_any_width(self):
        sizes = []
        for width in (480, 1600):
            self.driver.set_window_size(width, 900)
            box = self.driver.execute_script("""
                const s = document.getElementById('screen').getBoundingClientRect();
                const k = document.getElementById('keys').getBoundingClientRect();
                return [s.right, k.bottom, innerWidth, innerHeight,
                        parseFloat(getComputedStyle(document.getElementById('screen')).fontSize)];""")
            self.assertLessEqual(box[0], box[2])
            self.assertLessEqual(box[1], box[3])
            sizes.append(box[4])
        self.assertLess(sizes[0] * 2, sizes[1])

    def test_c_the_page_from_a_web_server(self):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass
        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=os.path.dirname(PAGE)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            self.open(url="http://127.0.0.1:%d/%s" % (server.server_port, os.path.basename(PAGE)))
            self.settle()
            self.at(7, 10, "Hazırsan HAZIRIM yaz ve Enter'a bas.")  # another origin: a first visit
        finally:
            server.shutdown()
            server.server_close()


class Playthrough(Browser):
    def test_the_shipped_worlds_playthrough_through_the_pages_keyboard(self):
        clock, steps = parse_recording(PLAYTHROUGH)
        self.open(clock=clock)  # the recording's clock: the game's chances as when it was recorded
        for kind, argument, line in steps:
            where = "playthrough.rec:%d: %s %s" % (line, kind, argument)
            if kind == "key":
                self.press(*argument)
                continue
            self.settle()
            rows = [row.ljust(80) for row in self.rows()]
            if kind in ("see", "not"):
                self.assertEqual(any(argument in row for row in rows), kind == "see", where)
            elif kind == "row":
                y, _, text = argument.partition(" ")
                self.assertEqual(rows[int(y)].rstrip(" "), text, where)
            elif kind == "at":
                x, y, text = argument.split(" ", 2)
                self.assertEqual(rows[int(y)][int(x):int(x) + len(text)], text, where)
            elif kind == "colour":
                x, y, attr = argument.split()
                self.assert_colour(int(x), int(y), int(attr, 16))
            elif kind == "heard":
                tones = [[int(n) for n in tone.split(":")] for tone in argument.split()]
                heard = self.page("tones()")
                self.assertTrue(any(heard[i:i + len(tones)] == tones for i in range(len(heard))), where)
            elif kind == "saved":
                self.assertIn(argument, self.page("progressFile()"), where)
            elif kind == "title":
                self.assertEqual(self.driver.title, argument, where)
            elif kind == "exit":
                self.assertEqual(self.page("exitStatus()"), int(argument), where)


class StorageBlocked(Browser):
    storage_blocked = True

    def test_a_browser_that_keeps_nothing_plays_as_a_read_only_folder(self):
        for visit in range(2):
            self.open()
            self.settle()
            self.at(7, 10, "Hazırsan HAZIRIM yaz ve Enter'a bas.")  # a first run both times
            self.type("HAZIRIM")
            self.press("Enter")
            self.at(62, 6, "Uyan")
            self.assertIsNone(self.page("storedProgress()"))
            self.assertIn("saklamıyor", self.driver.find_element("id", "keys").text)


if __name__ == "__main__":
    if not os.path.isfile(PAGE):
        sys.exit("usage: page_test.py PAGE [unittest arguments]: no page at '%s'" % PAGE)
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)
