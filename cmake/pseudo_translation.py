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


# lupdate writes a carriage return (and other control characters) as <byte value="xd"/>.
def read_text(element: ET.Element) -> str:
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value", "x0").lstrip("x"), 16))
        text += child.tail or ""
    return text


def write_text(element: ET.Element, text: str) -> None:
    for child in list(element):
        element.remove(child)
    element.text = ""
    last = None
    for c in text:
        if ord(c) < 0x20 and c not in "\n\t":
            last = ET.SubElement(element, "byte", value="x%x" % ord(c))
            last.tail = ""
        elif last is None:
            element.text += c
        else:
            last.tail += c


def main(path: str) -> None:
    tree = ET.parse(path)
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        source = read_text(message.find("source"))
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            write_text(translation, "")
            for _ in range(2):
                write_text(ET.SubElement(translation, "numerusform"), pseudo(source))
        else:
            write_text(translation, pseudo(source))
    tree.write(path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1])
