#!/usr/bin/env python3
"""The site in Debian's headless Chromium, driven as a user drives it, through the DevTools
protocol over a pipe (--remote-debugging-pipe) with the standard library alone, and the size of
varelux.wasm: on a desktop screen with the mouse, in English and German, on a phone with a finger,
installed and without a network. bench/startup/web_first_frame.py drives the browser with the same
classes.
Usage: check_page.py SITE [SCREENSHOT.png], where the phone's picture goes beside the screenshot"""

import base64, contextlib, fcntl, functools, gzip, http.server, json, os
import subprocess, sys, tempfile, threading, time
from pathlib import Path

WASM_LIMIT, WASM_GZ_LIMIT = 12_000_000, 5_000_000  # bytes, raw and gzip -9
DESKTOP = (960, 540)
PHONE = (390, 844, 3)  # CSS px and device pixel ratio
FINGER = 44  # the least height of a control touched
# The main window's size, where a panel's controls are clicked and each panel's first worked
# example with its left edge (tests/main_window_facts.txt).
FACTS = [line.split() for line in (Path(__file__).parents[1] / "main_window_facts.txt")
         .read_text(encoding="utf-8").splitlines() if line and not line.startswith("#")]
WINDOW = next((int(f[1]), int(f[2])) for f in FACTS if f[0] == "window")
AT = {f[1]: (int(f[2]), int(f[3])) for f in FACTS if f[0] == "at"}
LEFT = {f[1]: int(f[2]) for f in FACTS if f[0] == "panel"}
CLICK = {f[1]: (int(f[2]), int(f[3])) for f in FACTS if f[0] == "click"}
EXAMPLES = {}  # circuit: (fields, results)
for f in FACTS:
    if f[0] == "example" and f[1] not in EXAMPLES:
        EXAMPLES[f[1]] = ([v for v in f[2:6] if v != "-"], f[6:8])
EMPTY_FIELDS = "Una o più caselle vuote"
KEYS = {"Tab": ("Tab", 9, ""), "Enter": ("Enter", 13, "\r"), " ": ("Space", 32, " "),
        "ArrowDown": ("ArrowDown", 40, ""), ",": ("Comma", 188, ","), ".": ("Period", 190, ".")}
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
    """One page at the given screen size, with no cache, in a session of its own; a phone's takes
    touch, and only the offline check's is served by the site's service worker."""

    def __init__(self, browser, url, width, height, scale=1, mobile=False, before_load=None,
                 service_worker=False):
        self.browser = browser
        self.target = browser.send("Target.createTarget", url="about:blank")["targetId"]
        self.session = browser.send("Target.attachToTarget", targetId=self.target,
                                    flatten=True)["sessionId"]
        for domain in ("Page", "Network"):
            self.send(domain + ".enable")
        self.send("Network.setCacheDisabled", cacheDisabled=True)
        self.send("Network.setBypassServiceWorker", bypass=not service_worker)
        self.send("Emulation.setTouchEmulationEnabled", enabled=mobile, maxTouchPoints=5)
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
        """The expression's value once it is true, or None after timeout seconds."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with contextlib.suppress(RuntimeError):  # a page still loading
                if value := self.js(expression):
                    return value
            time.sleep(0.05)
        return None

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

    def touch(self, kind, x=0, y=0):
        self.send("Input.dispatchTouchEvent", type=kind,
                  touchPoints=[] if kind in ("touchEnd", "touchCancel") else [{"x": x, "y": y}])

    def tap(self, x, y, hold=0.0):
        self.touch("touchStart", x, y)
        time.sleep(hold)
        self.touch("touchEnd")
        time.sleep(0.3)

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


def point(main, circuit, control):
    """Where a control of the circuit's panel is, in the page."""
    return main["x"] + LEFT[circuit] + AT[control][0], main["y"] + AT[control][1]


def computed(tab, main, circuit):
    """The circuit's first worked example typed key by key, "Calcola" pressed from the keyboard,
    and both results as their "Copia" menu copies them."""
    tab.mouse(*point(main, circuit, "supply"))
    for value in EXAMPLES[circuit][0]:  # Tab: the next field; after the last one, "Calcola"
        tab.keys(*value, "Tab")
    tab.keys(" ")
    return [tab.copied(*point(main, circuit, result)) for result in ("resistance", "power")]


def read_aloud(tab):
    """Asks Qt for its elements for screen readers, through its hidden button; returns the JS
    expression of the list of them, by their kind (BUTTON, INPUT, TEXTAREA) and name."""
    tab.js(f"[...{ROOT}.querySelectorAll('button')]"
           ".find(b => b.textContent === 'Enable Screen Reader')?.click()")
    return f"[...{ROOT}.querySelectorAll('button, input, textarea')]"


def spot(tab, tag, name):
    """The centre of the screen reader's element of that kind and name, once Qt has made it."""
    box = tab.until(f"(e => e && (r => [r.x, r.y, r.width, r.height])(e.getBoundingClientRect()))"
                    f"({read_aloud(tab)}.find(e => e.tagName === '{tag}' && "
                    f"e.textContent === {json.dumps(name)}))", 10)
    return (box[0] + box[2] / 2, box[1] + box[3] / 2) if box else (-1, -1)


def shows(tab, caption):
    """Whether a button with this caption is in the page, read from the elements for screen
    readers (a panel's buttons are named after their panel: "Led singolo: Calcola")."""
    return tab.until(f"{read_aloud(tab)}.some(e => e.tagName === 'BUTTON' && "
                     f"e.textContent.endsWith(': ' + {json.dumps(caption)}))", 10)


def check_desktop(tab, screenshot):
    main = tab.window("Varelux")
    done, total = tab.js("(p => [p.value, p.max])(document.getElementById('progress'))")
    check("the progress followed the whole download", 1 < total == done, f"{done:.0f} bytes")
    size, centre = (main["width"], main["height"]), main["frame"]
    check("main window at its design size, centred in the page", size == WINDOW and
          max(abs(centre[0] - DESKTOP[0] / 2), abs(centre[1] - DESKTOP[1] / 2)) <= 1,
          f"{size[0]:g} x {size[1]:g}, the frame's centre at {centre[0]:g}, {centre[1]:g}")
    for circuit, (fields, want) in EXAMPLES.items():
        got = computed(tab, main, circuit)
        check(f"worked example {' '.join(fields)}", got == want, f"got {got}, want {want}")
    if screenshot:
        screenshot.write_bytes(base64.b64decode(
            tab.send("Page.captureScreenshot", format="png")["data"]))

    check("?lang=it: the captions in Italian", shows(tab, "Calcola"))
    # The error box's text comes from the elements Qt puts in the page for screen readers.
    tab.mouse(*point(main, "single", "clear"))
    tab.mouse(*point(main, "single", "calculate"))
    box = tab.until(f"{WINDOWS}.find(w => w.title === 'Errore')", 10)
    said = tab.until(f"[...{ROOT}.querySelectorAll('*')]"
                     f".some(e => e.textContent === '{EMPTY_FIELDS}')", 10)
    tab.keys("Enter")
    gone = tab.until(f"!{WINDOWS}.some(w => w.title === 'Errore')", 10)
    check("empty field: error box shown and dismissed", box and said and gone,
          f"box {bool(box)}, its text {bool(said)}, dismissed {bool(gone)}")

    tab.mouse(*point(main, "single", "schema"))
    reference = tab.until(f"{WINDOWS}.find(w => w.title !== 'Varelux')", 10)
    if reference and reference["close"]:
        tab.mouse(*reference["close"])
    closed = reference and tab.until(f"{WINDOWS}.length === 1", 10)
    check("reference window opened, closed by its title bar", closed,
          reference["title"] if reference else "none opened")

    tab.mouse(main["x"] + CLICK["array"][0], main["y"] + CLICK["array"][1])
    planner = tab.until(f"{WINDOWS}.find(w => w.title === 'Matrice di Led')", 10)
    if planner and planner["close"]:
        tab.mouse(*planner["close"])
    check("LED array planner opened by its button, closed by its title bar",
          planner and tab.until(f"{WINDOWS}.length === 1", 10))


class Server(http.server.SimpleHTTPRequestHandler):
    """Serves files; while the browser is offline it closes each connection unanswered."""

    def handle_one_request(self):
        if self.server.offline.is_set():
            self.close_connection = True
            return
        super().handle_one_request()

    def log_message(self, *args):
        pass


@contextlib.contextmanager
def browsing(folders):
    """Headless Chromium and the folders, by name, served at /name/ on one 127.0.0.1 origin;
    setting browser.offline takes the server off the network."""
    with tempfile.TemporaryDirectory(prefix="varelux-web-") as scratch:
        for name, folder in folders.items():
            os.symlink(Path(folder).resolve(), os.path.join(scratch, name))
        handler = functools.partial(Server, directory=scratch)
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        server.offline = threading.Event()
        server.handle_error = lambda *args: None  # a tab closed while it was loading
        threading.Thread(target=server.serve_forever, daemon=True).start()
        browser = Chromium(os.path.join(scratch, "profile"))
        browser.offline = server.offline
        try:
            yield browser, f"http://127.0.0.1:{server.server_address[1]}"
        finally:
            browser.process.kill()
            browser.process.wait()
            server.shutdown()


def check_languages(browser, origin):
    # The page and the program in the language that ?lang= asks for, or else in the first of the
    # browser's languages that they speak (de-AT is German): its captions and the parallel panel's
    # worked example, whose resistance has a full stop in English and a comma in German.
    for asked, wanted, language, caption, point in [
            ("?lang=en", None, "en", "Calculate", "."),
            ("?lang=de", None, "de", "Berechnen", ","),
            ("", ["fr-FR", "de-AT"], "de", "Berechnen", ",")]:
        tab = Tab(browser, origin + "/site/" + asked, *DESKTOP, before_load=wanted and (
            f"Object.defineProperty(navigator, 'languages', {{get: () => {json.dumps(wanted)}}});"))
        resistance = computed(tab, tab.window("Varelux"), "parallel")[0]  # once the page has loaded
        got = [tab.js("document.documentElement.lang"), resistance, bool(shows(tab, caption))]
        expected = [language, EXAMPLES["parallel"][1][0].replace(",", point), True]
        check(f"{asked or 'browser speaking ' + ', '.join(wanted)}: the page, the captions and the "
              f"results in {language}", got == expected, f"got {got}, want {expected}")
        tab.close()


def check_phone(browser, origin, screenshot):
    # A phone held upright, touched by a finger: the window fills the page's width at the page's
    # own scale (so its text is as large as on a desktop), and the single-LED panel's worked
    # example is typed after a tap on each field and computed by a tap on "Calcola".
    width, height, ratio = PHONE
    tab = Tab(browser, origin + "/site/?lang=it", width, height, scale=ratio, mobile=True)
    main = tab.window("Varelux")
    metrics = tab.send("Page.getLayoutMetrics")
    view, content = metrics["cssVisualViewport"], metrics["cssContentSize"]["width"]
    check("phone: the window fills the width at the page's scale, nothing to scroll sideways",
          main["x"] == 0 and main["width"] == width == view["clientWidth"] >= content
          and view["scale"] == 1 and main["density"] == ratio,
          f"{main['x']:g} to {main['x'] + main['width']:g} of {view['clientWidth']:g} px, "
          f"zoom {view['scale']:.2f}, {main['density']:.2f} device px per px")
    controls = tab.until(f"{read_aloud(tab)}.filter(e => e.tagName !== 'TEXTAREA' && "
                         "e.textContent !== 'Enable Screen Reader')"
                         ".map(e => [e.textContent, e.getBoundingClientRect().height])", 10) or []
    small = [name for name, tall in controls if tall < FINGER]
    check(f"phone: every field and button at least {FINGER} px tall", controls and not small,
          f"{len(controls)} controls, lower: {small}")

    fields, (resistance, power) = EXAMPLES["single"]
    names = ["Tensione circuito", "Tensione Led", "Corrente Led"]
    for number, (name, value) in enumerate(zip(names, fields)):
        tab.tap(*spot(tab, "INPUT", "Led singolo: " + name))
        if number == 0:  # Qt's own field in the page, which raises the on-screen keyboard
            typing = tab.js("document.activeElement.tagName") == "INPUT"
        tab.keys(*value)
    tab.tap(*spot(tab, "BUTTON", "Led singolo: Calcola"))
    said = tab.until("document.getElementById('announcements').textContent", 5) or ""
    check("phone: a tap on a field takes typing, a tap on \"Calcola\" computes, and the page's "
          "live region says the results", typing and resistance in said and power in said, said)

    # A touch the system takes away, then the result's menu by a long press, and "Copia" by a tap
    # on its first item.
    at = spot(tab, "TEXTAREA", resistance)
    tab.touch("touchStart", *at)
    tab.touch("touchCancel")
    tab.js("navigator.clipboard.writeText('')")
    tab.tap(*at, hold=0.9)
    menu = tab.until(f"[...{ROOT}.querySelectorAll('.qt-window')].filter(w => "
                     "w.style.display !== 'none' && w.getBoundingClientRect().width < "
                     f"{width}).map(w => (r => [r.x, r.y])(w.getBoundingClientRect()))[0]", 5)
    if menu:
        tab.tap(menu[0] + 30, menu[1] + 12)
    copied = tab.until("navigator.clipboard.readText()", 5)
    check("phone: after a cancelled touch, \"Copia\" by a long press on the result",
          copied == resistance, f"got {copied!r}, want {resistance!r}")
    if screenshot:
        screenshot.write_bytes(base64.b64decode(
            tab.send("Page.captureScreenshot", format="png")["data"]))

    # The planner, opened as a screen reader opens it, within the width with its close box.
    tab.js(f"{read_aloud(tab)}.find(e => e.textContent === 'Matrice di Led')?.click()")
    planner = tab.window("Matrice di Led")
    check("phone: the LED array planner within the width, with its close box",
          planner and 0 <= planner["x"] and planner["x"] + planner["width"] <= width
          and planner["close"], str(planner))

    # Turned sideways the page is wider than the main window, which then has its designed size;
    # upright again, it fills the width.
    sizes = []
    for turned in (True, False):
        tab.send("Emulation.setDeviceMetricsOverride", width=height if turned else width,
                 height=width if turned else height, deviceScaleFactor=ratio, mobile=True)
        wanted = WINDOW[0] if turned else width
        sizes.append(tab.until(f"{WINDOWS}.find(w => w.title === 'Varelux' && "
                               f"w.width === {wanted})?.width", 10))
    check("phone: turned sideways, the designed window; upright again, the phone's",
          sizes == [WINDOW[0], width], f"widths {sizes}")


def check_installed(browser, origin):
    # The site as an app: Chromium finds nothing missing to install it, and once its service
    # worker has taken the page, the page loads again with the server gone.
    tab = Tab(browser, origin + "/site/?lang=it", *DESKTOP, service_worker=True)
    tab.window("Varelux")
    errors = tab.send("Page.getInstallabilityErrors")["installabilityErrors"]
    check("installable: Chromium names nothing missing", not errors, str(errors))
    kept = tab.until("navigator.serviceWorker.controller && caches.keys()", 60)
    browser.offline.set()
    try:
        tab.send("Page.reload")
        time.sleep(1)
        window = tab.window("Varelux")
    finally:
        browser.offline.clear()
    check("offline: the page and the program from the service worker's cache",
          kept and window, f"caches {kept}, window {'shown' if window else 'none'}")


def check_without_webassembly(browser, origin):
    old = Tab(browser, origin + "/site/", *DESKTOP, before_load="delete window.WebAssembly;")
    note = old.until("document.readyState === 'complete' && "
                     "document.getElementById('note').textContent")
    check("without WebAssembly: a sentence", "WebAssembly" in note, note)


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
        # Each part on a tab of its own: an error in one fails it, and the others still run.
        # The desktop checks read the Italian texts; a headless browser says it speaks English.
        for part, run in [("desktop", lambda: check_desktop(
                              Tab(browser, origin + "/site/?lang=it", *DESKTOP), screenshot)),
                          ("languages", lambda: check_languages(browser, origin)),
                          ("phone", lambda: check_phone(
                              browser, origin, screenshot and screenshot.with_name(
                                  "varelux-phone.png"))),
                          ("installed", lambda: check_installed(browser, origin)),
                          ("without WebAssembly", lambda: check_without_webassembly(
                              browser, origin))]:
            try:
                run()
            except Exception as error:  # a tab that died, a page that never loaded
                check(f"{part}: ran to the end", False, repr(error))
    print("all passed" if not failures else f"{len(failures)} failed: {', '.join(failures)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
