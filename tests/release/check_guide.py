"""The guide as a moderator opens it: every page of the release zip rendered by headless
Chromium (scripts/lib/chromium_pages.py); fails on a picture that does not load or a link that
leads nowhere, and keeps LISEZMOI.html as one picture of the whole page.

    check_guide.py ZIP OUTPUT_FOLDER
"""
import sys
import tempfile
import zipfile
from pathlib import Path
from urllib.parse import unquote, urlsplit

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts" / "lib"))

from chromium_pages import Browser  # noqa: E402


def main():
    zip_path, out = Path(sys.argv[1]), Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    faults = []
    with tempfile.TemporaryDirectory() as unpacked:
        zipfile.ZipFile(zip_path).extractall(unpacked)
        pages = sorted(Path(unpacked).rglob("*.html"))
        guide = next((p for p in pages if p.name == "LISEZMOI.html"), None)
        if guide is None:
            sys.exit("no LISEZMOI.html in " + str(zip_path))
        browser = Browser()
        try:
            surveys = {p.as_uri(): browser.page(p.as_uri(), out / "LISEZMOI.png" if p == guide
                                                else None) for p in pages}
        finally:
            browser.proc.kill()
        for url, survey in surveys.items():
            name = url.rsplit("/", 2)[-1]
            if survey["lang"] != "fr":
                faults.append(f"{name}: lang is {survey['lang']!r}, not 'fr'")
            faults += [f"{name}: picture not shown: {src}" for src in survey["broken"]]
            for link in survey["links"]:
                parts = urlsplit(link)
                if parts.scheme == "mailto":
                    if not parts.path.endswith("@verdelune.example.org"):
                        faults.append(f"{name}: contact outside example.org: {link}")
                    continue
                target = link.split("#")[0]
                if parts.scheme != "file" or not Path(unquote(parts.path)).is_file():
                    faults.append(f"{name}: link to nothing in the folder: {link}")
                elif parts.fragment and parts.fragment not in surveys.get(target, {}).get("ids", ()):
                    faults.append(f"{name}: no such place in the page: {link}")
        if surveys[guide.as_uri()]["images"] < 5:
            faults.append("LISEZMOI.html: fewer than 5 pictures")
    print("rendered:", out / "LISEZMOI.png")
    if faults:
        sys.exit("\n".join(faults))


if __name__ == "__main__":
    main()
