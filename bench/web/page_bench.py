#!/usr/bin/python3
"""Benchmark of the web page in headless Chromium; prints a table, never fails.

Usage: page_bench.py GAME_PAGE TYPING_PAGE
"""
import os
import shutil
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

LOADS = 10
TYPINGS = 3
IDLE_SECONDS = 10
# Resolves once the game has read `arguments[0]` key codes and waits for the next key.
SETTLED = """const [want, done] = arguments;
(function poll() {
  const t = window.thalvorine;
  if (t && t.keysRead() >= want && t.waitingForKey()) done(); else setTimeout(poll, 2);
})();"""


def browser(profile):
    options = webdriver.ChromeOptions()
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile, "--window-size=1024,768"):
        options.add_argument(flag)
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait_for(driver, script, timeout=60):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = driver.execute_script(script)
        if value is not None:
            return value
        time.sleep(0.01)
    return None


def main_thread_ms(driver, seconds):
    """The page's main-thread time (ms) over `seconds` of doing nothing."""
    def busy():
        metrics = driver.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]
        return next(metric["value"] for metric in metrics if metric["name"] == "TaskDuration")
    before = busy()
    time.sleep(seconds)
    return (busy() - before) * 1000


def idle_cpu(driver, game):
    """Main-thread time per IDLE_SECONDS waiting at the main menu, then at the first room's command prompt."""
    driver.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": "file://", "storageTypes": "all"})
    driver.execute_cdp_cmd("Performance.enable", {})
    driver.get("file://" + game + "?world=lighthouse&speed=50")
    sent = 0
    def press(*keys):
        nonlocal sent
        for key in keys:
            driver.execute_async_script(SETTLED, sent)
            ActionChains(driver).send_keys(key).perform()
            sent += 1
        driver.execute_async_script(SETTLED, sent)
    press(" ", *"HAZIRIM", Keys.ENTER)  # a first visit: the watch word, then the main menu
    menu = main_thread_ms(driver, IDLE_SECONDS)
    press(Keys.ENTER, " ")  # the story's opening, then the first room
    return menu, main_thread_ms(driver, IDLE_SECONDS)


def main():
    game, typing = (os.path.abspath(path) for path in sys.argv[1:3])
    profile = tempfile.mkdtemp(prefix="thalvorine-bench-")
    driver = browser(profile)
    driver.set_script_timeout(60)
    try:
        letters = []
        for _ in range(LOADS):
            driver.get("file://" + game + "?world=lighthouse")
            first = wait_for(driver, "return window.thalvorine && thalvorine.firstLetter()")
            if first:
                letters.append(first)
            driver.get("about:blank")
        paces = []
        for _ in range(TYPINGS):
            driver.get("file://" + typing)
            took = wait_for(driver, "return window.typingMs === undefined ? null : [typingMs, idealMs]")
            if took:
                paces.append(took[0] / took[1])
        idle = idle_cpu(driver, game)
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)

    print("%-66s %12s %8s" % ("web page (headless Chromium)", "measured", "goal"))
    print("%-66s %9.0f KB %8s" % ("page size, one self-contained file", os.path.getsize(game) / 1000, "<= 1500"))
    if letters:
        at = [first["atMs"] for first in letters]
        beyond = [first["atMs"] - first["tonesMs"] for first in letters]
        print("%-66s %9.0f ms %8s" % ("opening to the banner's first letter, median of %d" % len(at),
                                      statistics.median(at), "<= 1000"))
        print("%-66s %9.0f ms %8s" % ("  worst", max(at), "-"))
        print("%-66s %9.0f ms %8s" % ("  less the game's own beeps before it (median)", statistics.median(beyond), "-"))
    print("%-66s %9.1f ms %8s" % ("idle CPU: main-thread time per %d s at the command prompt" % IDLE_SECONDS,
                                  idle[1], "-"))
    print("%-66s %9.1f ms %8s" % ("  at the main menu", idle[0], "-"))
    if paces:
        print("%-66s %12.4f %8s" % ("typing pace, 1,000 letters at 10 ms: time / ideal, median of %d" % len(paces),
                                    statistics.median(paces), "<= 1.01"))
        print("%-66s %12.4f %8s" % ("  worst", max(paces), "-"))


if __name__ == "__main__":
    main()
