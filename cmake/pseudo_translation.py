#!/usr/bin/env python3
"""Turns a .ts file made by lupdate into the test language, in place: every text
bracketed and 40 % longer ("[Save~~~]"), so that a text which escaped tr() shows without
brackets and a control too narrow for a longer translation shows clipped."""
import math
import sys
import xml.etree.ElementTree as ET


def pseudo(text: str) -> str:
    longer = math.ceil(len(text) * 1.4)
    return "[" + text + "~" * max(0, longer - len(text) - 2) + "]"


def main(path: str) -> None:
    tree = ET.parse(path)
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for form in list(translation):
            translation.remove(form)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1])
