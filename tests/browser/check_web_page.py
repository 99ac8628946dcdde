#!/usr/bin/python3
"""Checks an exported menu page in headless Chromium: it loads from file://
with no console error, every button shows its over picture's pixels under the
pointer and its click picture's while pressed, the text area shows the help
file's text, every link leads where the action says, Tab walks the buttons in
slot order, and html5lib's strict parser finds no error.

usage: check_web_page.py VYXTOOL FILE.ini OUT_FOLDER [SCREENSHOT.png]
Exports FILE.ini with `VYXTOOL html` and reads what each button must do from
`VYXTOOL dump` and `VYXTOOL rtf-text`."""
import io
import json
import os
import pathlib
import subprocess
import sys
import tempfile

import html5lib
from PIL import Image, ImageChops, ImageStat
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--force-color-profile=srgb", "--force-device-scale-factor=1", "--hide-scrollbars",
                 "--window-size=900,700", "--autoplay-policy=user-gesture-required",
                 "--user-data-dir=" + profile):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def screenshot(driver):
    return Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB")


def differs(shot, origin, rect, picture):
    """Mean and largest channel difference between the button's rectangle on
    the screen and the same rectangle of the picture."""
    left, top, width, height = rect
    seen = shot.crop((origin[0] + left, origin[1] + top, origin[0] + left + width, origin[1] + top + height))
    wanted = picture.crop((left, top, left + width, top + height))
    diff = ImageChops.difference(seen, wanted)
    return sum(ImageStat.Stat(diff).mean) / 3, max(high for _, high in diff.getextrema())


def local(project, stored):
    return project / stored.replace("\\", "/")


def expectations(vyxtool, ini, folder):
    """What the page must show and link, from the project as the editor loads
    it (the demo names its files in their own letter case)."""
    project = ini.parent
    dump = json.loads(subprocess.run([vyxtool, "dump", str(ini)], check=True, capture_output=True, text=True).stdout)
    buttons = []
    for b in dump["Buttons"]:
        target = b["Params"].strip()
        if b["Action"] in ("RUN", "RUN&CLOSE", "RUN&MINIMIZE", "WINEXEC"):
            if target.split(":")[0].lower() in ("http", "https", "mailto"):
                href, action = target, ""
            else:
                href, action = os.path.relpath(local(project, target.split(" ")[0]), folder), ""
        else:
            href, action = "#", "close" if b["Action"] == "CLOSE" else "nothing"
        help_text = subprocess.run([vyxtool, "rtf-text", str(local(project, b["LoadInfo"]))], check=True,
                                   capture_output=True, text=True).stdout.splitlines()[0]
        buttons.append({"slot": b["Slot"], "rect": [b["Left"], b["Top"], b["Width"], b["Height"]],
                        "href": href, "action": action, "help_text": help_text})
    main = dump["Main"]
    return {"size": [main["SizeX"], main["SizeY"]], "over": local(project, main["BackOverFile"]),
            "click": local(project, main["BackClickFile"]), "buttons": buttons}


def main():
    vyxtool, ini, folder = sys.argv[1], pathlib.Path(sys.argv[2]).resolve(), pathlib.Path(sys.argv[3]).resolve()
    export = subprocess.run([vyxtool, "html", str(ini), "-o", str(folder)], capture_output=True, text=True)
    check(export.returncode == 0 and not export.stdout, "vyxtool html: %d %s%s" % (export.returncode, export.stdout,
                                                                                   export.stderr))
    expected = expectations(vyxtool, ini, folder)
    page = folder / "index.html"

    parser = html5lib.HTMLParser(strict=True)
    try:
        parser.parse(page.read_bytes())
    except Exception as error:  # strict mode raises at the first error
        check(False, "html5lib strict parse: %s" % error)

    over = Image.open(expected["over"]).convert("RGB")
    click = Image.open(expected["click"]).convert("RGB")
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            driver.get(page.as_uri())
            menu = driver.find_element(By.ID, "menu").rect
            origin = (round(menu["x"]), round(menu["y"]))
            check([round(menu["width"]), round(menu["height"])] == expected["size"], "menu size %s" % menu)
            area = driver.find_element(By.ID, "text-area")
            actions = ActionChains(driver)
            for button in expected["buttons"]:
                element = driver.find_element(By.ID, "button-%d" % button["slot"])
                name = "button %d" % button["slot"]
                href = element.get_dom_attribute("href")
                check(href == button["href"], "%s links to %s, not %s" % (name, href, button["href"]))
                if button["href"] != "#" and ":" not in button["href"]:
                    check((folder / href).is_file(), "%s: %s leads to no file" % (name, href))
                check((element.get_attribute("data-action") or "") == button["action"], name + " action")
                actions.move_to_element(element).perform()
                mean, high = differs(screenshot(driver), origin, button["rect"], over)
                check(mean < 1 and high < 8, "%s under the pointer differs from the over picture (%.2f, %d)"
                      % (name, mean, high))
                check(button["help_text"] in area.text, "%s: the text area shows %r" % (name, area.text[:80]))
                actions.click_and_hold(element).perform()
                mean, high = differs(screenshot(driver), origin, button["rect"], click)
                # JPEG decoders may round a little differently
                check(mean < 3 and high < 48, "%s pressed differs from the click picture (%.2f, %d)" % (name, mean, high))
                driver.execute_script("document.addEventListener('click', e => e.preventDefault(), {capture: true, once: true})")
                actions.release(element).perform()
            driver.get(page.as_uri())
            order = []
            body = driver.find_element(By.TAG_NAME, "body")
            for _ in expected["buttons"]:
                body.send_keys(Keys.TAB) if not order else driver.switch_to.active_element.send_keys(Keys.TAB)
                order.append(driver.switch_to.active_element.get_attribute("id"))
            wanted = ["button-%d" % b["slot"] for b in expected["buttons"]]
            check(order == wanted, "Tab order %s, not %s" % (order, wanted))
            if len(sys.argv) > 4:
                driver.get(page.as_uri())
                ActionChains(driver).move_to_element(
                    driver.find_element(By.ID, "button-%d" % expected["buttons"][1]["slot"])).perform()
                driver.save_screenshot(sys.argv[4])
            errors = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
            check(not errors, "console errors: %s" % errors)
        finally:
            driver.quit()
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
