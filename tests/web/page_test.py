#!/usr/bin/python3
"""The web page in a real browser: headless Chromium opens the page (from
file://, or a web server), types on its keyboard and reads it through the
page's test API (window.thalvorine). Each shipped story's play-through is
typed through the page, and every screen the game waits on must be the one
the headless replay shows at that point. A page holding a test world beside
the shipped ones offers the story choice. On a phone the page reads the game
as text, played through its text field and taps.

Usage: page_test.py PAGE REPLAY WORLD TWO_WORLD_PAGE [unittest arguments]
"""
import base64
import functools
import http.server
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import zlib

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

PAGE, REPLAY, WORLD, TWO_WORLD_PAGE = (os.path.abspath(arg) for arg in (sys.argv[1:5] + ["", "", "", ""])[:4])


def playthrough(world):
    """A shipped story's play-through; its world stands beside WORLD, the lighthouse's converted folder."""
    return os.path.join(os.path.dirname(__file__), "..", "recordings", world, "playthrough.rec")


# The recordings' key names as keyboard keys, and how many codes each gives the game.
KEYS = {"Enter": (Keys.ENTER, 1), "Esc": (Keys.ESCAPE, 1), "Backspace": (Keys.BACKSPACE, 1), "Space": (" ", 1),
        "Up": (Keys.ARROW_UP, 2), "Down": (Keys.ARROW_DOWN, 2), "Left": (Keys.ARROW_LEFT, 2),
        "Right": (Keys.ARROW_RIGHT, 2)}
# Resolves, in the page, once the game has read `arguments[0]` key codes and
# waits for the next key or has ended.
SETTLED = """const [want, done] = arguments;
(function poll() {
  const t = window.thalvorine;
  if (t && t.keysRead() >= want && (t.waitingForKey() || t.exitStatus() !== null)) done(); else setTimeout(poll, 2);
})();"""
# Resolves with the text the page's test API call `%s` gives once it holds `arguments[0]`.
HOLDING = """const [text, done] = arguments;
(function poll() {
  const t = window.thalvorine;
  if (t && t.%s().includes(text)) done(t.%s()); else setTimeout(poll, 1);
})();"""
SHOWING = HOLDING % ("screenText", "screenText")  # the console's screen
SAID = HOLDING % ("storyText", "storyText")  # the page's live region
FIRST_RUN = "Hazırsan HAZIRIM yaz ve Enter'a bas."  # the first-run word's prompt


def png_rows(png):
    """The rows of an 8-bit RGB or RGBA PNG without interlace (as Chromium writes them), as lists of pixels."""
    width, height, _, kind = struct.unpack(">IIBB", png[16:26])
    data, pos = b"", 8
    while pos < len(png):
        length, tag = struct.unpack(">I4s", png[pos:pos + 8])
        data += png[pos + 8:pos + 8 + length] if tag == b"IDAT" else b""
        pos += 12 + length
    raw, step = zlib.decompress(data), {2: 3, 6: 4}[kind]
    stride, rows, above = width * step, [], bytearray(width * step)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a, b, c = (line[i - step] if i >= step else 0), above[i], (above[i - step] if i >= step else 0)
            guess = a + b - c
            paeth = min((abs(guess - a), 0, a), (abs(guess - b), 1, b), (abs(guess - c), 2, c))[2]
            line[i] = (line[i] + (0, a, b, (a + b) // 2, paeth)[kind]) & 255
        rows.append([tuple(line[i:i + 3]) for i in range(0, stride, step)])
        above = line
    return rows


def replayed_screens(recording, world):
    """The screen the headless replay shows before each key line of `recording` in `world`, by line."""
    folder = os.path.join(os.path.dirname(WORLD), world)
    trace = subprocess.run([REPLAY, "--trace", "--world", folder, recording], check=True, capture_output=True,
                           text=True).stdout
    screens = {}
    for line, rows in re.findall(r"^line (\d+), key \d+, at \d+ ms:\n((?:.*\n){25})", trace, re.M):
        screens.setdefault(int(line), "\n".join(row[5:] for row in rows.splitlines()))
    return screens


class Browser(unittest.TestCase):
    """One headless Chromium with a profile of its own for each test class."""

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

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.profile, ignore_errors=True)

    def open(self, query="speed=50&clock=1800000000", url=None, world="lighthouse"):
        """Opens the page playing `world` (None: as the player finds it, asking which story)."""
        self.driver.get((url or "file://" + PAGE) + "?" + query + ("&world=" + world if world else ""))
        self.sent = 0

    def page(self, call, *args):
        return self.driver.execute_script("return thalvorine." + call, *args)

    def cdp(self, command, undo=None, **args):
        """Runs a DevTools command; `undo` (a command and its arguments) when the test ends."""
        if undo:
            self.addCleanup(self.driver.execute_cdp_cmd, *undo)
        return self.driver.execute_cdp_cmd(command, args)

    def before_every_page(self, source):
        """Runs `source` before the page's own scripts on every page this test opens."""
        script = self.cdp("Page.addScriptToEvaluateOnNewDocument", source=source)["identifier"]
        self.addCleanup(self.driver.execute_cdp_cmd, "Page.removeScriptToEvaluateOnNewDocument",
                        {"identifier": script})

    def wait_for(self, script, seconds=5):
        """What `script` returns once it is neither null nor false, within `seconds`; else None."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            value = self.driver.execute_script(script)
            if value:
                return value
            time.sleep(0.02)
        return None

    def note(self):
        return self.driver.find_element("id", "keys").text

    def press(self, *keys):
        """Presses each key (a name of KEYS, or a letter) when the game asks for one."""
        for name in keys:
            key, codes = KEYS.get(name, (name, 1))
            self.driver.execute_async_script(SETTLED, self.sent)
            ActionChains(self.driver).send_keys(key).perform()
            self.sent += codes
        self.driver.execute_async_script(SETTLED, self.sent)

    def at(self, x, y, text):
        row = self.page("screenText()").split("\n")[y].ljust(80)
        self.assertEqual(row[x:x + len(text)], text, "row %d: %r" % (y, row))

    def drawn(self, x, y):
        """The cell's attribute, and the text and background colours it is drawn in."""
        cell = self.page("cell(arguments[0], arguments[1])", x, y)
        return cell["attr"], ["#%02x%02x%02x" % tuple(map(int, re.findall(r"\d+", cell[css])[:3]))
                              for css in ("color", "background")]

    def assert_drawn(self, x, y, colours):
        """The cell is drawn in these text and background colours."""
        self.assertEqual(self.drawn(x, y)[1], colours, "cell %d,%d" % (x, y))

    def assert_colour(self, x, y, attr):
        """The cell has `attr`, drawn in that attribute's colours of the page's console palette."""
        palette = self.page("palette()")
        self.assertEqual(self.drawn(x, y), (attr, [palette[attr & 15], palette[attr >> 4]]), "cell %d,%d" % (x, y))

    def clear_storage(self):
        self.cdp("Storage.clearDataForOrigin", storageTypes="all", origin="file://")


class Visits(Browser):
    def test_a_first_visit_then_a_reload_that_remembers_the_run(self):
        self.open("speed=10")  # the banner and the warning long enough to be seen
        banner = self.driver.execute_async_script(SHOWING, "Thalvorine ").split("\n")
        shade = "░░░░▒▒▒▒▒▓"
        self.assertEqual(banner[11], " " * 11 + shade + "█  Thalvorine" + " " * 17 + "v0.1.0 █" + shade[::-1])
        self.assert_colour(24, 11, self.page("cell(24, 11)")["attr"])  # in the palette's colours
        self.assertEqual(self.driver.title, "Thalvorine")
        self.assertIn("     DİKKAT: Bu oyun", self.driver.execute_async_script(SHOWING, "DİKKAT"))
        self.assert_colour(5, 5, self.page("cell(5, 5)")["attr"])
        self.press()
        self.at(7, 10, FIRST_RUN)
        self.assertEqual(self.page("sounded()"), 0)  # no sound before the first key, as browsers want
        self.assertIn([329, 300, 30], self.page("tones()"))  # though the start-up melody was played
        self.press("Backspace")  # on an empty word: a beep, heard from the first key on
        self.assertEqual(self.page("sounded()"), 1)
        self.press(*"HAZIRIM", "Enter")
        self.at(62, 6, "Uyan")
        for key, selected, other in (("Down", 10, 6), ("Up", 6, 10)):
            self.press(key)
            self.assert_colour(61, selected, 0x02)
            self.assert_colour(61, other, 0x0E)
        self.press("Esc", "Enter")
        self.assertEqual(self.page("exitStatus()"), 1)
        self.assertIn("<RunningTime>1</RunningTime>", self.page("storedProgress()") or "")
        self.open()  # a reload skips the first-run word
        self.press()
        self.at(62, 6, "Uyan")
        self.assertIn("<RunningTime>2</RunningTime>", self.page("progressFile()"))

    def test_b_the_screen_fits_the_window_at_any_width(self):
        sizes = []
        for width in (480, 1600):
            self.driver.set_window_size(width, 900)
            box = self.driver.execute_script("""const s = document.getElementById('screen');
                return [s.getBoundingClientRect().right, document.getElementById('keys').getBoundingClientRect().bottom,
                        innerWidth, innerHeight, parseFloat(getComputedStyle(s).fontSize)];""")
            self.assertLessEqual(box[0], box[2])
            self.assertLessEqual(box[1], box[3])
            sizes.append(box[4])
        self.assertLess(sizes[0] * 2, sizes[1])

    def test_c_the_page_from_a_web_server(self):
        handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=os.path.dirname(PAGE))
        handler.func.log_message = lambda *args: None  # quietly
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            self.open(url="http://127.0.0.1:%d/%s" % (server.server_port, os.path.basename(PAGE)))
            self.press()
            self.at(7, 10, FIRST_RUN)  # another origin: a first visit
        finally:
            server.shutdown()
            server.server_close()

    def test_d_a_browser_that_keeps_nothing_plays_as_a_read_only_folder(self):
        self.before_every_page("""
            Object.defineProperty(window, 'indexedDB', {get() { throw new DOMException('', 'SecurityError'); }});""")
        for _ in range(2):  # as in a private window: a first run both times
            self.open()
            self.press()
            self.at(7, 10, FIRST_RUN)
            self.press(*"HAZIRIM", "Enter")
            self.at(62, 6, "Uyan")
            self.assertIsNone(self.page("storedProgress()"))
            self.assertIn("saklamıyor", self.note())


class Storage(Browser):
    """The browser's storage failing in each way it can: said on the page, the game playing on."""
    ORIGIN = {"origin": "file://"}

    def setUp(self):
        self.clear_storage()

    def test_a_storage_that_never_answers_is_left_within_a_second(self):
        never = "Object.defineProperty(window, 'indexedDB', {get() { return {open() { return {}; }}; }});"
        self.before_every_page(never)  # a request that never answers
        self.open()
        first = self.wait_for("return thalvorine.firstLetter()")
        self.assertIsNotNone(first, "the game never started")
        self.assertLess(first["atMs"], 1500)
        self.press()
        self.at(7, 10, FIRST_RUN)
        self.assertIn("yanıt vermedi", self.note())

    def test_b_a_full_storage_is_said_and_the_save_made_once_there_is_room(self):
        self.cdp("Storage.overrideQuotaForOrigin", ("Storage.overrideQuotaForOrigin", self.ORIGIN), quotaSize=1,
                 **self.ORIGIN)
        self.open()
        self.press(*" HAZIRIM", "Enter")
        self.assertTrue(self.wait_for("return document.getElementById('keys').textContent.includes('yeri dolu')"),
                        self.note())
        self.assertIsNone(self.page("storedProgress()"))
        self.cdp("Storage.overrideQuotaForOrigin", **self.ORIGIN)
        self.press("Down")  # the next save
        self.assertIn("<RunningTime>1</RunningTime>", self.wait_for("return thalvorine.storedProgress()") or "")
        self.assertNotIn("dolu", self.note())

    def test_c_storage_cleared_while_playing_keeps_the_progress_again(self):
        self.open()
        self.press(*" HAZIRIM", "Enter")
        self.assertTrue(self.wait_for("return thalvorine.storedProgress()"))
        self.cdp("Storage.clearDataForOrigin", storageTypes="indexeddb", **self.ORIGIN)
        self.press("Down")  # the next save
        self.assertTrue(self.wait_for("return thalvorine.storedProgress()"))
        self.open()
        self.press()
        self.at(62, 6, "Uyan")  # not a first run again


class Looks(Browser):
    def emulate(self, width, height, scale):
        self.cdp("Emulation.setDeviceMetricsOverride", ("Emulation.clearDeviceMetricsOverride", {}), width=width,
                 height=height, deviceScaleFactor=scale, mobile=False)

    def test_a_the_line_on_the_keys_fits_a_tall_window_from_the_first_load(self):
        self.driver.set_window_size(3840, 2400)
        self.addCleanup(self.driver.set_window_size, 1024, 768)
        self.open()
        last_row, keys_top, keys_bottom, height = self.driver.execute_script("""
            const s = [...document.querySelectorAll('#screen .row')].pop().getBoundingClientRect();
            const k = document.getElementById('keys').getBoundingClientRect();
            return [s.bottom, k.top, k.bottom, innerHeight];""")
        self.assertLessEqual(last_row, keys_top)
        self.assertLessEqual(keys_bottom, height)

    def test_b_shades_fill_their_cells_at_125_and_150_percent_scaling(self):
        for scale in (1.25, 1.5):
            self.emulate(1024, 768, scale)
            self.open("speed=10")
            banner = self.driver.execute_async_script(SHOWING, "Thalvorine ").split("\n")
            for first, last in ((11, 14), (15, 19)):  # the banner's runs of light and of medium shade
                self.assertEqual(set(banner[11][first:last + 1]), {"░▒"[first > 11]})
                left, top, right, bottom = self.driver.execute_script("""
                    const row = document.querySelectorAll('#screen .row')[11].getBoundingClientRect();
                    const wide = row.width / 80;
                    return [row.left + arguments[0] * wide + 1, row.top,
                            row.left + arguments[1] * wide - 1, row.bottom];""",
                    first, last + 1)
                shot = self.cdp("Page.captureScreenshot", format="png", clip={
                    "x": left, "y": top, "width": right - left, "height": bottom - top, "scale": 1})
                rows = png_rows(base64.b64decode(shot["data"]))
                colours = set(pixel for row in rows for pixel in row)
                self.assertEqual(len(colours), 1, "%.2f: cells %d-%d, %d lines" % (scale, first, last, len(rows)))
                self.assertNotEqual(colours, {(0, 0, 0)})

    def test_c_the_cursor_blinks_at_the_prompt_restyling_the_page_only_when_it_does(self):
        self.open()
        self.press()  # at the first-run word's prompt
        self.cdp("Performance.enable", ("Performance.disable", {}))
        def restyles():
            return {m["name"]: m["value"] for m in self.cdp("Performance.getMetrics")["metrics"]}["RecalcStyleCount"]
        before = restyles()
        shown = self.driver.execute_async_script("""const done = arguments[0], seen = [];
            const cursor = document.querySelector('.cursor');
            const timer = setInterval(() => {
              const style = getComputedStyle(cursor);
              seen.push(style.display !== 'none' && style.visibility === 'visible' && style.opacity !== '0');
              if (seen.length === 20) { clearInterval(timer); done(seen); }
            }, 100);""")
        self.assertEqual(set(shown), {True, False})  # two seconds: it blinks
        self.assertLessEqual(restyles() - before, 12)  # not every frame

    def test_d_a_game_over_says_so_plainly_and_a_click_plays_again(self):
        self.open()
        self.press(*" HAZIRIM", "Enter", "Esc", "Enter")
        self.assertEqual(self.page("exitStatus()"), 1)
        ended = self.driver.find_element("id", "ended")
        self.assertTrue(ended.is_displayed())
        self.assertEqual(ended.text.split("\n")[0], "Oyun bitti. Yeniden oynamak için sayfayı yenile.")
        self.assertEqual(self.driver.execute_script("""return [
            getComputedStyle(document.querySelector('.cursor')).display,
            getComputedStyle(document.querySelector('#screen .row')).opacity];"""), ["none", "0.35"])
        ended.find_element("tag name", "button").click()
        self.sent = 0
        self.press()
        self.assertIsNone(self.page("exitStatus()"))
        self.at(62, 6, "Uyan")

    def test_e_at_the_fastest_speed_every_pause_still_lasts(self):
        self.open("speed=1000&clock=1800000000")
        self.press()
        tones = self.page("tones()")
        self.assertIn([329, 300, 1], tones)
        self.assertEqual([tone for tone in tones if tone[2] < 1], [])


class Playthrough(Browser):
    def test_every_screen_of_the_lighthouse_play_through_as_the_replay_shows_it(self):
        self.play_through("lighthouse")

    def test_every_screen_of_the_station_play_through_as_the_replay_shows_it(self):
        self.play_through("station")

    def play_through(self, world):
        screens = replayed_screens(playthrough(world), world)
        self.open(world=world)  # the recording's clock: the game's chances as the replay draws them
        with open(playthrough(world), encoding="utf-8") as recording:
            for number, line in enumerate(recording, 1):
                word, _, rest = line.rstrip("\n").partition(" ")
                if word in ("type", "key"):
                    self.press()
                    self.assertEqual(self.page("screenText()"), screens[number],
                                     "%s/playthrough.rec:%d" % (world, number))
                    self.press(*(rest if word == "type" else rest.split()))
                elif word == "colour":
                    self.press()
                    x, y, attr = rest.split()
                    self.assert_colour(int(x), int(y), int(attr, 16))
        self.assertEqual(self.page("exitStatus()"), 1)


class Stories(Browser):
    """The page with several stories: the choice, ?world=NAME, and each story's progress kept apart."""

    def choose(self, *keys):
        self.open(url="file://" + TWO_WORLD_PAGE, world=None)
        self.press()
        self.at(31, 9, "Deniz Feneri")  # the titles line up under the longest
        self.at(31, 12, "Kurallar Evi")
        self.at(31, 15, "Karaçam İstasyonu")
        self.assert_colour(29, 9, 0x02)
        self.press(*keys)

    def test_a_the_choice_plays_the_story_chosen_with_a_progress_of_its_own(self):
        self.clear_storage()
        self.choose("Down", "Enter")
        self.assertEqual(self.page("world()"), "rules")
        self.at(19, 1, "IZLE yaz:")  # the test world's first run
        self.press(*"IZLE", "Enter")
        self.at(62, 6, "UYAN")
        self.assertIn("<RunningTime>1</RunningTime>", self.wait_for("return thalvorine.storedProgress()") or "")
        self.choose("Enter")  # the lighthouse: a first run of its own
        self.assertEqual(self.page("world()"), "lighthouse")
        self.at(7, 10, FIRST_RUN)
        self.open(url="file://" + TWO_WORLD_PAGE, world="rules")  # straight to the story named
        self.press()
        self.at(62, 6, "UYAN")
        self.assertIn("<RunningTime>2</RunningTime>", self.page("progressFile()"))

    def test_b_esc_leaves_the_choice_and_an_unknown_story_is_asked_for(self):
        self.choose("Esc")
        self.assertEqual(self.page("exitStatus()"), 1)
        self.assertIsNone(self.page("world()"))
        self.open(url="file://" + TWO_WORLD_PAGE, world="nowhere")
        self.press()
        self.at(24, 6, "Hangi hikâyeyi oynamak istersin?")


class ReadingView(Browser):
    """The game as text: on a phone, played through the text field and taps; the views and colours toggled."""

    def setUp(self):
        self.clear_storage()

    def phone(self):
        self.cdp("Emulation.setDeviceMetricsOverride", ("Emulation.clearDeviceMetricsOverride", {}), width=390,
                 height=844, deviceScaleFactor=3, mobile=True)
        self.cdp("Emulation.setTouchEmulationEnabled", ("Emulation.setTouchEmulationEnabled", {"enabled": False}),
                 enabled=True, maxTouchPoints=5)

    def tap(self, selector, text=None):
        """A finger's tap on the last element matching `selector` (and holding `text`)."""
        x, y = self.driver.execute_script("""const [selector, text] = arguments;
            const all = [...document.querySelectorAll(selector)].filter(e => text === null || e.textContent === text);
            const box = all.pop().getBoundingClientRect();
            return [box.x + box.width / 2, box.y + box.height / 2];""", selector, text)
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def said(self, text):
        return self.driver.execute_async_script(SAID, text)

    def compose(self, letters):
        """Types `letters` into the text field as a phone's keyboard composes them: composition events, the
        field's value growing letter by letter; the game has none of them until the composition ends."""
        keys = self.page("keysRead()")
        self.driver.execute_script("""const field = document.getElementById('word');
            field.dispatchEvent(new CompositionEvent('compositionstart', {data: ''}));
            for (const letter of arguments[0]) {
              field.value += letter;
              field.dispatchEvent(new InputEvent('input', {data: letter, inputType: 'insertCompositionText',
                                                           isComposing: true}));
            }""", letters)
        self.assertIsNone(self.wait_for("return thalvorine.keysRead() > %d" % keys, 0.5))
        self.driver.execute_script("""document.getElementById('word').dispatchEvent(
            new CompositionEvent('compositionend', {data: arguments[0]}));""", letters)

    def test_a_a_phone_reads_the_opening_and_a_room_and_plays_them_by_its_keyboard_and_taps(self):
        self.phone()
        self.open()
        self.assertEqual(self.driver.execute_script("""const s = document.getElementById('screen');
            const story = document.getElementById('story'), field = document.getElementById('word');
            return [getComputedStyle(s).display, s.getAttribute('aria-hidden'), story.getAttribute('role'),
                    story.getAttribute('aria-live'), document.querySelector('label[for=word]') !== null,
                    ['autocorrect', 'autocapitalize', 'spellcheck'].map(a => field.getAttribute(a))];"""),
            ["none", "true", "log", "polite", True, ["off", "off", "false"]])
        story = self.said(FIRST_RUN + "\n\nKomut :")
        self.assertEqual(story.count("Thalvorine'e hoş geldin."), 1)  # each text once
        self.assertGreaterEqual(self.driver.execute_script(
            "return parseFloat(getComputedStyle(document.querySelector('#story p')).fontSize)"), 16)
        field = self.driver.find_element("id", "word")
        self.assertEqual(self.driver.find_element("id", "word-label").text, "Komut :")
        field.send_keys("haz")
        self.compose("ır")  # Turkish letters through the phone's composition
        field.send_keys("ım")
        self.driver.execute_async_script(SHOWING, "hazırım")  # the game has the word as typed
        field.send_keys(Keys.ENTER)
        self.assertIn("Komut : hazırım", self.said("Seçili: Uyan"))
        self.tap("#screen-keys button", "↓")
        self.said("Seçili: Yardım")
        self.tap(".menu button", "Uyan")
        story = self.said("Devam etmek için bir tuşa bas.")
        self.assertIn("Uyan\nYardım\nÇıkış\n\nSeçili: Uyan\n\nSeçili: Yardım\n\nSeçili: Uyan\n\n"  # up, and chosen
                      "Fırtınadan Sonra", story)
        self.tap("#screen-keys button", "Enter")
        self.said("Bekçi Odası")
        field.send_keys("salter", Keys.ENTER)
        self.said("Seçili: Yukarı it")
        self.assertIn("Komut : salter\n\nBekçi Odası\nSALTER\n", self.page("storyText()"))  # the room's box, then its
        self.tap(".menu button", "Geri")
        self.assertTrue(self.wait_for("return thalvorine.storyText().endsWith('Komut :')"), self.page("storyText()"))
        self.assertEqual(self.driver.execute_script("""return [...document.querySelectorAll('.menu')].pop()
            .querySelector('.chosen:disabled').textContent"""), "Geri")
        self.tap("#screen-keys button", "Esc")
        self.said("Seçili: Evet")
        self.tap(".menu button", "Evet")
        self.assertTrue(self.wait_for("return thalvorine.exitStatus() === 1"))
        self.said("Oyun bitti.")
        self.assertIn("<RunningTime>1</RunningTime>", self.page("progressFile()"))

    def test_b_a_wide_screen_keeps_the_console_yet_reads_the_game_to_a_screen_reader(self):
        self.open()
        self.said(FIRST_RUN)
        self.assertEqual(self.driver.execute_script("""return [document.body.className,
            getComputedStyle(document.getElementById('screen')).display,
            document.getElementById('reading').getBoundingClientRect().width];"""), ["", "block", 1])
        self.driver.find_element("id", "view-toggle").click()
        self.open()  # the view chosen is remembered
        self.assertEqual(self.driver.execute_script("return document.body.className"), "reading")
        self.driver.find_element("id", "view-toggle").click()
        self.assertEqual(self.driver.execute_script("return document.body.className"), "")

    def test_c_high_contrast_draws_the_mapped_colours_and_is_remembered(self):
        dark_green, bright_green, yellow, black = "#008000", "#00ff00", "#ffff00", "#000000"
        self.open()
        self.press(*" HAZIRIM", "Enter")
        self.assert_drawn(61, 6, [dark_green, black])  # the selected button: dark green on black, 4.0:1
        self.driver.find_element("id", "contrast-toggle").click()
        self.assert_drawn(61, 6, [bright_green, black])
        self.assert_drawn(61, 10, [yellow, black])  # readable already: as it was
        self.open()
        self.press()
        self.assert_drawn(61, 6, [bright_green, black])
        self.driver.find_element("id", "contrast-toggle").click()
        self.assert_drawn(61, 6, [dark_green, black])


if __name__ == "__main__":
    if not all(os.path.exists(arg) for arg in (PAGE, REPLAY, WORLD, TWO_WORLD_PAGE)):
        sys.exit("usage: page_test.py PAGE REPLAY WORLD TWO_WORLD_PAGE [unittest arguments]")
    unittest.main(argv=sys.argv[:1] + sys.argv[5:], verbosity=2)
