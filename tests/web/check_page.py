#!/usr/bin/env python3
"""The site in Debian's headless Chromium, driven as a user drives it, through the DevTools
protocol over a pipe (--remote-debugging-pipe) with the standard library alone, and the size of
varelux.wasm. bench/startup/web_first_frame.py drives the browser with the same classes.
Usage: check_page.py SITE [SCREENSHOT.png]"""

import base64, contextlib, fcntl, functools, gzip, http.server, json, os
import subprocess, sys, tempfile, threading, time
from pathlib import Path

WASM_LIMIT, WASM_GZ_LIMIT = 12_000_000, 5_000_000  # bytes, raw and gzip -9
DESKTOP = (960, 540)
# Per panel: its left edge, the fields typed and the two results (tests/worked_examples.txt).
EXAMPLES = [line.split() for line in (Path(__file__).parents[1] / "worked_examples.txt")
            .read_text(encoding="utf-8").splitlines() if not line.startswith("#")]
SUPPLY, RESISTANCE, POWER = (152, 89), (155, 225), (155, 249)
CALCOLA, CANCELLA, SCHEMA = (40, 186), (120, 186), (40, 48)
EMPTY_FIELDS = "Una o più caselle vuote"
KEYS = {"Tab": ("Tab", 9, ""), "Enter": ("Enter", 13, "\r"), " ": ("Space", 32, " "),
        "ArrowDown": ("ArrowDown", 40, "")}
# Qt's windows live in this shadow root. WINDOWS: the shown, framed ones, with their title, client
# area, the frame's centre, device pixels per CSS pixel of the canvas and where the close box is.
ROOT = "document.querySelector('#qt-shadow-container')?.shadowRoot"
WINDOWS = f"""[...({ROOT}?.querySelectorAll('.qt-window:not(.frameless)') ?? [])]
  .filter(w => w.style.display !== 'none').map(w => {{
    const r = (w.querySelector('.qt-window-contents') ?? w).getBoundingClientRect();
    const f = w.getBoundingClientRect(), canvas = w.querySelector('canvas');
    const c = w.querySelector('.title-bar .action-button:not([style*="none"])')
      ?.getBoundingClientRect();
    return {{title: w.querySelector('.window-name')?.textContent ?? '', x: r.x, y: r.y,
            width: r.width, height: r.height, frame: [f.x + f.width / 2, f.y + f.height / 2],
            density: canvas ? canvas.width / r.width : 0,
            close: c?.width ? [c.x + c.width / 2, c.y + c.height / 2] : null}};
  }})"""


class Chromium:
    """Headless Chromium; DevTools messages are JSON ended by a NUL, in on fd 3 and out on 4."""

    def __init__(self, profile):
        to_browser, self.writer = os.pipe()
        self.reader, from_browser = os.pipe()

        def pipes():  # in the child: the two ends at 3 and 4, whatever numbers they had
            high = [fcntl.fcntl(fd, fcntl.F_DUPFD, 10) for fd in (to_browser, from_browser)]
            os.dup2(high[0], 3)
            os.dup2(high[1], 4)

        # The flags keep it off this closed network; --no-sandbox lets it run as root.
        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--remote-debugging-pipe", "--disable-background-networking", "--disable-sync",
             "--disable-component-update", "--disable-quic", "--user-data-dir=" + profile],
            close_fds=False, preexec_fn=pipes, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        self.buffer, self.next_id = b"", 0

    def send(self, method, session=None, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        os.write(self.writer, json.dumps(message | ({"sessionId": session} if session else {}))
                 .encode() + b"\0")
        while True:  # events are dropped: pages are polled
            while b"\0" not in self.buffer:
                chunk = os.read(self.reader, 1 << 16)
                if not chunk:
                    raise RuntimeError("Chromium closed its DevTools pipe")
                self.buffer += chunk
            raw, self.buffer = self.buffer.split(b"\0", 1)
            reply = json.loads(raw)
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error'].get('message')}")
                return reply.get("result", {})


class Tab:
    """One page at the given screen size, with no cache, in a session of its own."""

    def __init__(self, browser, url, width, height, scale=1, mobile=False, before_load=None):
        self.browser = browser
        self.target = browser.send("Target.createTarget", url="about:blank")["targetId"]
        self.session = browser.send("Target.attachToTarget", targetId=self.target,
                                    flatten=True)["sessionId"]
        for domain in ("Page", "Network"):
            self.send(domain + ".enable")
        self.send("Network.setCacheDisabled", cacheDisabled=True)
        self.send("Emulation.setFocusEmulationEnabled", enabled=True)
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=scale, mobile=mobile)
        if before_load:
            self.send("Page.addScriptToEvaluateOnNewDocument", source=before_load)
        self.send("Page.navigate", url=url)

    def send(self, method, **params):
        return self.browser.send(method, self.session, **params)

    def close(self):
        self.browser.send("Target.closeTarget", targetId=self.target)

    def js(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, awaitPromise=True,
                           returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression[:60]}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def until(self, expression, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with contextlib.suppress(RuntimeError):  # a page still loading
                if value := self.js(expression):
                    return value
            time.sleep(0.05)
        raise TimeoutError(f"waited {timeout} s for {expression.strip()[:70]}")

    def window(self, title):
        return self.until(f"{WINDOWS}.find(w => w.title === '{title}')")

    def mouse(self, x, y, button="left"):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                      clickCount=1)
        time.sleep(0.2)

    def keys(self, *keys):
        for key in keys:
            code, vk, text = ("Digit" + key, ord(key), key) if key.isdigit() else KEYS[key]
            for kind in ("keyDown", "keyUp"):
                self.send("Input.dispatchKeyEvent", type=kind, key=key, code=code,
                          windowsVirtualKeyCode=vk, text=text if kind == "keyDown" else "")
            time.sleep(0.05)

    def copied(self, x, y):
        """The text of the result at x, y through its context menu's "Copia", the first item."""
        self.js("navigator.clipboard.writeText('')")
        self.mouse(x, y, "right")
        self.keys("ArrowDown", "Enter")
        time.sleep(0.3)
        return self.js("navigator.clipboard.readText()")


failures = []


def check(name, ok, detail=""):
    failures.extend([name] if not ok else [])
    print(f"{'ok' if ok else 'FAIL'} - {name}" + (f": {detail}" if detail else ""), flush=True)


def check_desktop(tab, screenshot):
    main = tab.window("Varelux")
    done, total = tab.js("(p => [p.value, p.max])(document.getElementById('progress'))")
    check("the progress followed the whole download", 1 < total == done, f"{done:.0f} bytes")
    size, centre = (main["width"], main["height"]), main["frame"]
    check("main window at its design size, centred in the page", size == (713, 337) and
          max(abs(centre[0] - DESKTOP[0] / 2), abs(centre[1] - DESKTOP[1] / 2)) <= 1,
          f"{size[0]:g} x {size[1]:g}, the frame's centre at {centre[0]:g}, {centre[1]:g}")
    at = lambda left, point: (main["x"] + int(left) + point[0], main["y"] + point[1])
    for left, fields, *want in EXAMPLES:
        tab.mouse(*at(left, SUPPLY))
        for value in fields.split(","):  # Tab: the next field; after the last one, "Calcola"
            tab.keys(*value, "Tab")
        tab.keys(" ")
        got = [tab.copied(*at(left, RESISTANCE)), tab.copied(*at(left, POWER))]
        check(f"worked example {fields}", got == want, f"got {got}, want {want}")
    if screenshot:
        screenshot.write_bytes(base64.b64decode(
            tab.send("Page.captureScreenshot", format="png")["data"]))

    # The error box's text comes from the elements Qt puts in the page for screen readers.
    tab.js(f"[...{ROOT}.querySelectorAll('button')]"
           ".find(b => b.textContent === 'Enable Screen Reader')?.click()")
    left = EXAMPLES[0][0]
    tab.mouse(*at(left, CANCELLA))
    tab.mouse(*at(left, CALCOLA))
    box = tab.window("Errore")
    said = tab.until(f"[...{ROOT}.querySelectorAll('*')]"
                     f".some(e => e.textContent === '{EMPTY_FIELDS}')", 10)
    tab.keys("Enter")
    gone = tab.until(f"!{WINDOWS}.some(w => w.title === 'Errore')", 10)
    check("empty field: error box shown and dismissed", box and said and gone, EMPTY_FIELDS)

    tab.mouse(*at(left, SCHEMA))
    reference = tab.until(f"{WINDOWS}.find(w => w.title !== 'Varelux')", 10)
    tab.mouse(*reference["close"])
    closed = tab.until(f"{WINDOWS}.length === 1", 10)
    check("reference window opened, closed by its title bar", closed, reference["title"])


@contextlib.contextmanager
def browsing(folders):
    """Headless Chromium and the folders, by name, served at /name/ on one 127.0.0.1 origin."""
    with tempfile.TemporaryDirectory(prefix="varelux-web-") as scratch:
        for name, folder in folders.items():
            os.symlink(Path(folder).resolve(), os.path.join(scratch, name))
        http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None
        handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=scratch)
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        server.handle_error = lambda *args: None  # a tab closed while it was loading
        threading.Thread(target=server.serve_forever, daemon=True).start()
        browser = Chromium(os.path.join(scratch, "profile"))
        try:
            yield browser, f"http://127.0.0.1:{server.server_address[1]}"
        finally:
            browser.process.kill()
            browser.process.wait()
            server.shutdown()


def main():
    site, screenshot = Path(sys.argv[1]), Path(sys.argv[2]) if len(sys.argv) > 2 else None
    wasm = (site / "varelux.wasm").read_bytes()
    packed = len(gzip.compress(wasm, 9))
    check("varelux.wasm size", len(wasm) <= WASM_LIMIT and packed <= WASM_GZ_LIMIT,
          f"{len(wasm) / 1e6:.2f} MB, {packed / 1e6:.2f} MB gzipped "
          f"(at most {WASM_LIMIT / 1e6:g} and {WASM_GZ_LIMIT / 1e6:g})")
    with browsing({"site": site}) as (browser, origin):
        browser.send("Browser.grantPermissions", origin=origin,
                     permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        desktop = Tab(browser, origin + "/site/", *DESKTOP)
        check_desktop(desktop, screenshot)
        desktop.close()

        # A phone held upright: all of the window in view, nothing to scroll sideways, and Qt
        # drawing at the zoomed-out density rather than the page shrunk after drawing.
        phone = Tab(browser, origin + "/site/", 390, 844, scale=3, mobile=True)
        window = phone.window("Varelux")
        metrics = phone.send("Page.getLayoutMetrics")
        view, width = metrics["cssVisualViewport"], metrics["cssContentSize"]["width"]
        check("phone: whole window in view, no sideways scrolling, drawn at the screen's density",
              0 <= window["x"] and window["x"] + window["width"] <= view["clientWidth"] >= width
              and abs(window["density"] - 3 * view["scale"]) < 0.05,
              f"{window['x']:g} to {window['x'] + window['width']:g} of {view['clientWidth']:g}"
              f" px, zoom {view['scale']:.2f}, {window['density']:.2f} device px per px")

        old = Tab(browser, origin + "/site/", *DESKTOP, before_load="delete window.WebAssembly;")
        note = old.until("document.readyState === 'complete' && "
                         "document.getElementById('note').textContent")
        check("without WebAssembly: a sentence", "WebAssembly" in note, note)
    print("all passed" if not failures else f"{len(failures)} failed: {', '.join(failures)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
