"""The page's contract in a real browser: it proves the bindings and the view;
the numbers themselves are proven by ctest."""
import os
import re

import pytest
from selenium.common.exceptions import ElementClickInterceptedException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from conftest import Server, chromium, open_page, wait_until

HERE = os.path.dirname(__file__)


def layout_rows():
    """The shared layout table, read from its one source."""
    with open(os.path.join(HERE, "../../view/layout_table.cpp"), encoding="utf-8") as source:
        text = source.read()
    row = re.compile(r'\{"(\w+)",\s*(\w+),\s*(\w+),\s*"[^"]*"?\s*(?:"[^"]*")?,?\s*'
                     r'(\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(-?\d+),', re.S)
    return {m[1]: dict(kind=m[2], container=m[3], box=tuple(int(m[i]) / 15 for i in range(4, 8)),
                       tab=int(m[8])) for m in row.finditer(text)}


LAYOUT = layout_rows()
TAGS = {"TextBox": "input", "Button": "button", "Label": "div", "Frame": "div", "Swatch": "div"}


def value(driver, name):
    return driver.find_element(By.ID, name).get_attribute("value")


def type_into(driver, name, text):
    box = driver.find_element(By.ID, name)
    driver.execute_script("arguments[0].select()", box)
    box.send_keys(Keys.DELETE + text)


def click(driver, name):
    driver.find_element(By.ID, name).click()


def dialog_open(driver):
    return driver.execute_script("return document.getElementById('message').open")


def test_every_control_is_where_the_layout_puts_it(page):
    assert page.title == "LED utility for light conversion"
    assert len(LAYOUT) == 26
    form = page.find_element(By.ID, "Lumiq").rect
    assert (form["width"], form["height"]) == (283, 304)
    type_into(page, "Wavelength", "300")  # shows the warning too
    for name, row in LAYOUT.items():
        element = page.find_element(By.ID, name)
        assert element.tag_name == TAGS[row["kind"]], name
        if row["kind"] == "TextBox":
            assert element.get_attribute("type") == "text"
        origin = form if row["container"] == "Window" else page.find_element(By.ID, row["container"]).rect
        rect = element.rect
        got = (rect["x"] - origin["x"], rect["y"] - origin["y"], rect["width"], rect["height"])
        assert all(abs(a - b) <= 1 for a, b in zip(got, row["box"])), (name, got, row["box"])
    assert page.find_element(By.ID, "Extra").text.startswith("Extra feature(s)")
    for name in ("mcd", "deg", "mlm", "Voltage", "Current", "Power", "Efficiency", "Wavelength"):
        assert page.find_element(By.ID, name).accessible_name, name


def test_typical_conversion_by_mouse(page):
    type_into(page, "Voltage", "3.2")
    type_into(page, "Current", "20")
    click(page, "C_mlm")
    assert value(page, "mlm") == ""
    type_into(page, "mcd", "1000")
    type_into(page, "deg", "30")
    click(page, "Calculate")
    assert (value(page, "mlm"), value(page, "Power"), value(page, "Efficiency")) == \
        ("214.1", "64 mW", "3.3 lm/W")
    assert page.find_element(By.ID, "Calculate").get_attribute("disabled") == "true"
    assert page.find_element(By.ID, "mcd").get_attribute("aria-disabled") == "true"


def test_typical_conversion_by_keyboard(page):
    focused = lambda: page.switch_to.active_element.get_attribute("id")  # noqa: E731
    assert focused() == "C_mlm"
    page.switch_to.active_element.send_keys(Keys.ENTER)  # mcd -> mlm
    for expected, keys in (("C_mcd", ""), ("Calculate", ""), ("mcd", "100"), ("deg", "30")):
        page.switch_to.active_element.send_keys(Keys.TAB)
        assert focused() == expected
        if keys:
            page.switch_to.active_element.send_keys(keys)
    page.find_element(By.ID, "Calculate").send_keys(Keys.SPACE)
    assert value(page, "mlm") == "21.4"


def test_tab_order_follows_the_window_over_enabled_controls(page):
    def order(count):
        names = [page.switch_to.active_element.get_attribute("id")]
        for _ in range(count):
            page.switch_to.active_element.send_keys(Keys.TAB)
            names.append(page.switch_to.active_element.get_attribute("id"))
        return names

    assert order(4) == ["C_mlm", "C_mcd", "Voltage", "Current", "Wavelength"]
    click(page, "C_mcd")
    page.find_element(By.ID, "C_mlm").send_keys("")  # focus back on the first button
    assert order(7) == ["C_mlm", "C_mcd", "Calculate", "deg", "mlm", "Voltage", "Current",
                        "Wavelength"]


@pytest.mark.parametrize("direction, input_box, degrees, ending", [
    ("C_mlm", "mcd", "360", "degrees (0-360), please try again! (360)"),
    ("C_mlm", "mcd", "30", "millicandela, please try again! (<b>x</b>)"),
    ("C_mcd", "mlm", "30", "millilumens, please try again! (<b>x</b>)"),
])
def test_messages_block_and_calculate_greys_only_after_ok(page, direction, input_box, degrees,
                                                          ending):
    click(page, direction)
    type_into(page, input_box, "<b>x</b>")
    type_into(page, "deg", degrees)
    click(page, "Calculate")
    assert wait_until(lambda: dialog_open(page))
    assert page.find_element(By.ID, "message-title").text == "Lumiq"
    assert page.find_element(By.ID, "message-text").text == \
        "No acceptable numeric value entered for\n" + ending
    assert page.execute_script("return document.getElementById('message-text').children.length") == 0
    # The handler is suspended: Calculate is still enabled, and the page is inert.
    assert page.find_element(By.ID, "Calculate").get_attribute("disabled") is None
    with pytest.raises(ElementClickInterceptedException):
        click(page, "C_mcd")
    click(page, "message-ok")
    assert wait_until(lambda: page.find_element(By.ID, "Calculate").get_attribute("disabled"))
    assert not dialog_open(page)


def test_escape_closes_a_message_and_the_credit_label_shows_the_contact(page):
    click(page, "Label4")
    assert wait_until(lambda: dialog_open(page))
    assert page.find_element(By.ID, "message-text").text.startswith(
        "Encounted an error? Please mail:\n")
    page.switch_to.active_element.send_keys(Keys.ESCAPE)
    assert wait_until(lambda: not dialog_open(page))
    page.execute_script("document.getElementById('Label4').focus()")
    ActionChains(page).send_keys(Keys.ENTER).perform()
    assert wait_until(lambda: dialog_open(page))
    click(page, "message-ok")


def test_readouts_follow_each_keystroke(page):
    type_into(page, "Voltage", "3")
    type_into(page, "Current", "2")
    assert value(page, "Power") == "6 mW"
    page.find_element(By.ID, "Current").send_keys("0")
    assert value(page, "Power") == "60 mW"
    page.find_element(By.ID, "Voltage").send_keys("x")
    assert value(page, "Power") == ""


def test_swatch_and_warning_follow_the_wavelength(page):
    swatch = page.find_element(By.ID, "Color")
    assert swatch.get_attribute("role") == "img"
    assert swatch.accessible_name == "Estimated color"
    warning = page.find_element(By.ID, "Invisible")
    assert not warning.is_displayed()
    type_into(page, "Wavelength", "55")
    assert warning.is_displayed() and warning.text == "Invisible!!!"
    page.find_element(By.ID, "Wavelength").send_keys("0")
    assert not warning.is_displayed()
    assert swatch.value_of_css_property("background-color") in ("rgb(127, 229, 0)",
                                                                 "rgba(127, 229, 0, 1)")
    assert swatch.get_attribute("aria-description") == "RGB 127, 229, 0"


def luminance(css):
    r, g, b = (int(c) / 255 for c in re.findall(r"\d+", css)[:3])
    lin = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in (r, g, b)]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


def test_disabled_boxes_are_readable_skip_tab_and_ignore_typing(page):
    type_into(page, "Voltage", "3.2")
    type_into(page, "Current", "20")
    power = page.find_element(By.ID, "Power")
    assert power.get_attribute("readonly") == "true"
    assert power.get_attribute("aria-disabled") == "true"
    assert power.get_attribute("tabindex") == "-1"
    text = luminance(power.value_of_css_property("color"))
    back = luminance(power.value_of_css_property("background-color"))
    assert (back + 0.05) / (text + 0.05) >= 4.5
    power.send_keys("99")
    assert value(page, "Power") == "64 mW"
    # A long result shows its first digits.
    click(page, "C_mcd")
    type_into(page, "mlm", "1")
    type_into(page, "deg", "0.0001")
    click(page, "Calculate")
    assert value(page, "mcd") == "417941773994.5"
    assert page.execute_script("return document.getElementById('mcd').scrollLeft") == 0


def test_works_offline_after_one_visit():
    server = Server()
    driver = chromium()
    try:
        open_page(driver, server.url)
        assert driver.find_element(By.CSS_SELECTOR, "link[rel=manifest]")
        assert wait_until(lambda: driver.execute_script(
            "return !!navigator.serviceWorker.controller"), 20), "no service worker took control"
        server.stop()
        open_page(driver, server.url)
        type_into(driver, "Wavelength", "300")
        assert driver.find_element(By.ID, "Invisible").is_displayed()
        assert [e for e in driver.get_log("browser") if e["level"] == "SEVERE"] == []
    finally:
        driver.quit()
