"""Pages rendered by headless Chromium, driven through its DevTools pipe: what each page
holds once loaded (its language, pictures that did not load, links, ids) and, on request, a
picture of the whole page. Used by the guide's test (tests/release/check_guide.py)."""
import base64
import json
import os
import subprocess
import tempfile


# Waits for the page's load, then says what it holds (a picture that failed has no width).
SURVEY = """(async () => {
  if (document.readyState !== 'complete') await new Promise(r => addEventListener('load', r));
  return {lang: document.documentElement.lang, images: document.images.length,
          broken: [...document.images].filter(i => !i.naturalWidth).map(i => i.src),
          links: [...document.querySelectorAll('a[href]')].map(a => a.href),
          ids: [...document.querySelectorAll('[id]')].map(e => e.id),
          height: document.documentElement.scrollHeight};
})()"""


class Browser:
    """Chromium driven through its DevTools pipe (descriptors 3 and 4, NUL-ended JSON)."""

    def __init__(self):
        to_chrome, self._in = os.pipe()
        self._out, from_chrome = os.pipe()
        def fds():
            os.dup2(to_chrome, 3)
            os.dup2(from_chrome, 4)
        self.proc = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe",
             "--window-size=1000,800", "--user-data-dir=" + tempfile.mkdtemp()],
            pass_fds=(3, 4), preexec_fn=fds, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(to_chrome)
        os.close(from_chrome)
        self._next, self._buffer = 0, b""

    def call(self, method, session=None, wait_event=None, **params):
        self._next += 1
        message = {"id": self._next, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self._in, json.dumps(message).encode() + b"\0")
        result = None
        while True:
            while b"\0" not in self._buffer:
                chunk = os.read(self._out, 1 << 20)
                if not chunk:
                    raise RuntimeError(f"Chromium ended during {method}")
                self._buffer += chunk
            raw, self._buffer = self._buffer.split(b"\0", 1)
            reply = json.loads(raw)
            if reply.get("id") == self._next:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                result = reply["result"]
            elif wait_event and reply.get("method") == wait_event:
                wait_event = None
            if result is not None and not wait_event:
                return result

    def page(self, url, picture=None):
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        session = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        self.call("Page.enable", session)
        self.call("Page.navigate", session, "Page.loadEventFired", url=url)
        survey = self.call("Runtime.evaluate", session, expression=SURVEY, awaitPromise=True,
                           returnByValue=True)["result"]["value"]
        if picture:
            shot = self.call("Page.captureScreenshot", session, format="png",
                             captureBeyondViewport=True, clip={"x": 0, "y": 0, "width": 1000,
                                                               "height": survey["height"],
                                                               "scale": 1})
            picture.write_bytes(base64.b64decode(shot["data"]))
        self.call("Target.closeTarget", targetId=target)
        return survey
