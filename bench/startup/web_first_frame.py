#!/usr/bin/env python3
"""The first painted frame of the site against the floor page (the bare window of floor_window.cpp
built against the same Qt, loaded by the same loader), in Debian's headless Chromium, the two
pages loaded in turn A B B A, each in a new tab with no cache. Prints the medians and their ratio.
Then the site on a phone (390 x 844 at a device pixel ratio of 3, touch) over Chromium's Slow 4G
with the CPU four times slower, served uncompressed: the first visit, from the network, and the
second, from the service worker's cache.
Usage: web_first_frame.py SITE FLOOR_DIR"""

import os, statistics, sys
from pathlib import Path

sys.dont_write_bytecode = True  # no cache of the driver in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "web"))
from check_page import DESKTOP, PHONE, Tab, browsing  # the browser driver of make test-web

PAIRS = int(os.environ.get("WEB_STARTUP_PAIRS", "15"))

# Time from navigation to the first animation frame in which a Qt window's canvas holds more
# than one colour.
FIRST_FRAME = """(() => {
  const painted = c => c.width > 1 && new Uint32Array(c.getContext('2d')
    .getImageData(0, 0, c.width, c.height).data.buffer).some((p, i, all) => p !== all[0]);
  const look = () => [...document.querySelector('#qt-shadow-container')?.shadowRoot
    ?.querySelectorAll('.qt-window canvas') ?? []].some(painted)
    ? window.firstFrameMs = performance.now() : requestAnimationFrame(look);
  requestAnimationFrame(look); })();"""


# DevTools' Slow 4G: 1.6 Mbit/s down, 750 kbit/s up, 150 ms round trips, each with its factors.
SLOW_4G = {"offline": False, "latency": 150 * 3.75, "downloadThroughput": 1.6e6 / 8 * 0.9,
           "uploadThroughput": 750e3 / 8 * 0.9}


def phone_visits(site):
    """Seconds to the first painted frame on the first and on the second visit of a phone."""
    with browsing({"site": site}) as (browser, origin):
        tab = Tab(browser, "about:blank", *PHONE[:2], scale=PHONE[2], mobile=True,
                  before_load=FIRST_FRAME, service_worker=True)
        tab.send("Network.emulateNetworkConditions", **SLOW_4G)
        tab.send("Emulation.setCPUThrottlingRate", rate=4)
        times = []
        for visit in ("first", "second"):
            tab.send("Page.navigate", url=origin + "/site/")
            first = tab.until("window.firstFrameMs", 300)
            if first is None:
                sys.exit(f"phone, {visit} visit: no frame painted within 300 s")
            times.append(first / 1000)
            if visit == "first":  # the service worker keeps the site
                tab.until("navigator.serviceWorker.controller && caches.keys()", 300)
        return times


def main():
    with browsing({"site": sys.argv[1], "floor": sys.argv[2]}) as (browser, origin):
        times = {"/site/": [], "/floor/floor_window.html": []}
        for page in [*times, *reversed(times)] * PAIRS:  # A B B A
            tab = Tab(browser, origin + page, *DESKTOP, before_load=FIRST_FRAME)
            first = tab.until("window.firstFrameMs", 120)
            if first is None:
                sys.exit(f"{page}: no frame painted within 120 s")
            times[page].append(first)
            tab.close()
    varelux, floor = (statistics.median(t) for t in times.values())
    print(f"first painted frame: Varelux {varelux:.0f} ms, floor {floor:.0f} ms (medians of "
          f"{2 * PAIRS}), ratio {varelux / floor:.2f}")
    first, second = phone_visits(sys.argv[1])
    print(f"on a phone, Slow 4G, CPU 4x slower: first visit {first:.1f} s, second {second:.1f} s")


if __name__ == "__main__":
    main()
