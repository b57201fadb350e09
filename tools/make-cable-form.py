#!/usr/bin/env python3
"""Writes forms/mCableConfigDialog.ui, the cable configuration form.

Run from the repository root: python3 tools/make-cable-form.py

The 32 wire cells differ only in names, number text and widget order, so
they are generated here instead of being kept by hand; the result is a plain
Designer form that uic builds like any other. The texts are English starting
values that the dialog translates itself, so they are marked notr.
"""
import os

QRC = "../resources/cable.qrc"

BLUE = (0, 0, 255)
BLACK = (0, 0, 0)
GREY = (120, 120, 120)
CREAM = (255, 247, 239)
WHITE = (255, 255, 255)

# Cell layout names of the top row, left to right (the bottom row counts on).
TOP_LAYOUTS = [4, 8, 5, 11, 6, 7, 10, 9, 12, 15, 16, 14, 13, 19, 18, 17]

out = []


def emit(depth, text):
    out.append(" " * depth + text)


def brush(role, rgb):
    r, g, b = rgb
    return ('<colorrole role="%s"><brush brushstyle="SolidPattern"><color alpha="255">'
            "<red>%d</red><green>%d</green><blue>%d</blue></color></brush></colorrole>"
            % (role, r, g, b))


def palette(depth, active, disabled):
    """active: roles shared by the active and inactive groups."""
    emit(depth, '<property name="palette"><palette>')
    for group in ("active", "inactive"):
        emit(depth, "<%s>%s</%s>" % (group, "".join(brush(*x) for x in active), group))
    emit(depth, "<disabled>%s</disabled>" % "".join(brush(*x) for x in disabled))
    emit(depth, "</palette></property>")


def prop(depth, name, value):
    emit(depth, '<property name="%s">%s</property>' % (name, value))


def text(value):
    value = value.replace("&", "&amp;").replace("<", "&lt;").replace("\n", "&#10;")
    return '<string notr="true">%s</string>' % value


def policy(h, v):
    return ('<sizepolicy hsizetype="%s" vsizetype="%s"><horstretch>0</horstretch>'
            "<verstretch>0</verstretch></sizepolicy>" % (h, v))


def size(w, h):
    return "<size><width>%d</width><height>%d</height></size>" % (w, h)


def iconset(path):
    return '<iconset resource="%s"><normaloff>%s</normaloff>%s</iconset>' % (QRC, path, path)


def margins(depth, left, top, right, bottom):
    for name, value in (("leftMargin", left), ("topMargin", top),
                        ("rightMargin", right), ("bottomMargin", bottom)):
        prop(depth, name, "<number>%d</number>" % value)


def open_widget(depth, cls, name):
    emit(depth, '<widget class="%s" name="%s">' % (cls, name))


def close_widget(depth):
    emit(depth, "</widget>")


def item(depth, body, row=None, column=None):
    if row is None:
        emit(depth, "<item>")
    else:
        emit(depth, '<item row="%d" column="%d">' % (row, column))
    body(depth + 1)
    emit(depth, "</item>")


def group_box(depth, name, title, h, v):
    open_widget(depth, "QGroupBox", name)
    prop(depth + 1, "sizePolicy", policy(h, v))
    palette(depth + 1, [("WindowText", BLUE)], [("WindowText", GREY)])
    prop(depth + 1, "title", text(title))
    prop(depth + 1, "alignment", "<set>Qt::AlignCenter</set>")


def push_button(depth, name, label, icon, checkable=False):
    open_widget(depth, "QPushButton", name)
    prop(depth + 1, "sizePolicy", policy("Preferred", "Preferred"))
    prop(depth + 1, "text", text(label))
    prop(depth + 1, "icon", iconset(icon))
    prop(depth + 1, "iconSize", size(40, 40))
    if checkable:
        prop(depth + 1, "checkable", "<bool>true</bool>")
        prop(depth + 1, "checked", "<bool>false</bool>")
    close_widget(depth)


def tool_button(depth, name, label, arrow):
    open_widget(depth, "QToolButton", name)
    prop(depth + 1, "enabled", "<bool>true</bool>")
    prop(depth + 1, "sizePolicy", policy("Preferred", "Preferred"))
    prop(depth + 1, "minimumSize", size(100, 0))
    prop(depth + 1, "text", text(label))
    prop(depth + 1, "iconSize", size(32, 32))
    prop(depth + 1, "toolButtonStyle", "<enum>Qt::ToolButtonTextUnderIcon</enum>")
    prop(depth + 1, "arrowType", "<enum>Qt::%sArrow</enum>" % arrow)
    close_widget(depth)


def black_label(depth, name, label, alignment=None):
    open_widget(depth, "QLabel", name)
    palette(depth + 1, [("WindowText", BLACK)], [("WindowText", GREY)])
    prop(depth + 1, "text", text(label))
    if alignment:
        prop(depth + 1, "alignment", "<set>%s</set>" % alignment)
    close_widget(depth)


def check_box(depth, name, label, checked):
    open_widget(depth, "QCheckBox", name)
    prop(depth + 1, "sizePolicy", policy("Preferred", "Preferred"))
    palette(depth + 1, [("WindowText", BLACK), ("Text", BLUE)],
            [("WindowText", GREY), ("Text", GREY)])
    prop(depth + 1, "text", text(label))
    prop(depth + 1, "checked", "<bool>%s</bool>" % ("true" if checked else "false"))
    close_widget(depth)


def layout(depth, cls, name, spacing=None, margin=None, items=()):
    emit(depth, '<layout class="%s" name="%s">' % (cls, name))
    if spacing is not None:
        prop(depth + 1, "spacing", "<number>%d</number>" % spacing)
    if margin is not None:
        margins(depth + 1, *margin)
    for entry in items:
        if isinstance(entry, tuple):
            row, column, body = entry
            item(depth + 1, body, row, column)
        else:
            item(depth + 1, entry)
    emit(depth, "</layout>")


def spacer(name):
    def body(depth):
        emit(depth, '<spacer name="%s">' % name)
        prop(depth + 1, "orientation", "<enum>Qt::Horizontal</enum>")
        prop(depth + 1, "sizeType", "<enum>QSizePolicy::Expanding</enum>")
        prop(depth + 1, "sizeHint", '<size stdset="0"><width>40</width><height>20</height></size>')
        emit(depth, "</spacer>")
    return body


def cell(n):
    nn = "%02d" % n
    layout_number = TOP_LAYOUTS[n] if n < 16 else n + 4

    def number(depth):
        open_widget(depth, "QToolButton", "w%sToolButton" % nn)
        prop(depth + 1, "sizePolicy", policy("Preferred", "Preferred"))
        prop(depth + 1, "text", text(str(n + 1)))
        close_widget(depth)

    def wire(depth):
        open_widget(depth, "QPushButton", "w%sPushButton" % nn)
        prop(depth + 1, "sizePolicy", policy("Preferred", "Preferred"))
        prop(depth + 1, "maximumSize", size(63, 16777215))
        prop(depth + 1, "text", text(""))
        prop(depth + 1, "icon", iconset(":/wires/wires/disabled.png"))
        prop(depth + 1, "iconSize", size(63, 63))
        prop(depth + 1, "autoExclusive", "<bool>false</bool>")
        prop(depth + 1, "flat", "<bool>true</bool>")
        close_widget(depth)

    def value(depth):
        open_widget(depth, "QLabel", "w%sLabel" % nn)
        prop(depth + 1, "sizePolicy", policy("Preferred", "Preferred"))
        prop(depth + 1, "text", text("1\nk\u03a9"))
        prop(depth + 1, "alignment", "<set>Qt::AlignCenter</set>")
        close_widget(depth)

    order = (number, wire, value) if n < 16 else (value, wire, number)

    def body(depth):
        layout(depth, "QVBoxLayout", "verticalLayout_%d" % layout_number, items=order)
    return body


def row(name, first, spacers):
    def body(depth):
        items = [spacer(spacers[0])] + [cell(n) for n in range(first, first + 16)]
        items.append(spacer(spacers[1]))
        layout(depth, "QHBoxLayout", name, spacing=0, items=items)
    return body


def line(name):
    def body(depth):
        open_widget(depth, "QFrame", name)
        prop(depth + 1, "frameShape", "<enum>QFrame::HLine</enum>")
        prop(depth + 1, "frameShadow", "<enum>QFrame::Sunken</enum>")
        close_widget(depth)
    return body


def widget_item(fn, *args, **kwargs):
    return lambda depth: fn(depth, *args, **kwargs)


def actions(depth):
    group_box(depth, "actionsGroupBox", "Actions", "Expanding", "Preferred")
    layout(depth + 1, "QHBoxLayout", "horizontalLayout_2", spacing=6, margin=(6, 0, 6, 6), items=[
        widget_item(push_button, "acceptPushButton", "Accept", ":/icons/icons/accept.png"),
        widget_item(push_button, "resetPushButton", "Reset", ":/icons/icons/refresh.png"),
        widget_item(push_button, "cancelPushButton", "Cancel", ":/icons/icons/close.png"),
    ])
    close_widget(depth)


def current_cable_label(depth):
    open_widget(depth, "QLabel", "currentCableLabel")
    prop(depth + 1, "sizePolicy", policy("Preferred", "Preferred"))
    prop(depth + 1, "text", text("1 / 1"))
    prop(depth + 1, "alignment", "<set>Qt::AlignCenter</set>")
    close_widget(depth)


def current_cable(depth):
    group_box(depth, "currentCableGroupBox", "Current cable", "Preferred", "Preferred")
    layout(depth + 1, "QHBoxLayout", "horizontalLayout_3", margin=(6, 0, 6, 6), items=[
        widget_item(tool_button, "previousToolButton", "Previous", "Left"),
        current_cable_label,
        widget_item(tool_button, "nextToolButton", "Next", "Right"),
    ])
    close_widget(depth)


def cable_configuration(depth):
    group_box(depth, "cableConfigurationGroupBox", "Cable configuration", "Preferred", "Expanding")
    layout(depth + 1, "QVBoxLayout", "verticalLayout_2", spacing=0, margin=(0, 0, 0, 6), items=[
        row("horizontalLayout_7", 0, ("topLeftSpacer", "topRightSpacer")),
        line("cableLineTwo"),
        line("cableLineOne"),
        row("horizontalLayout_8", 16, ("bottomLeftSpacer", "bottomRightSpacer")),
    ])
    close_widget(depth)


def threshold_box(depth):
    open_widget(depth, "QComboBox", "failGroundingComboBox")
    prop(depth + 1, "sizePolicy", policy("Preferred", "Preferred"))
    palette(depth + 1, [("Text", BLUE)], [("Text", GREY)])
    prop(depth + 1, "editable", "<bool>false</bool>")
    prop(depth + 1, "currentIndex", "<number>0</number>")
    for threshold in ("0.25", "0.50", "0.75", "1.00", "1.50", "2.00", "2.50", "3.00",
                      "3.50", "4.00", "4.50", "5.00", "10.0", "15.0", "20.0"):
        emit(depth + 1, "<item>")
        prop(depth + 2, "text", text(threshold))
        emit(depth + 1, "</item>")
    close_widget(depth)


def check_boxes(depth):
    layout(depth, "QVBoxLayout", "verticalLayout_3", items=[
        widget_item(check_box, "automaticAdvanceCheckBox", "Automatic advance", True),
        widget_item(check_box, "stopIfFailedCheckBox", "Stop if failed", False),
    ])


def grounding_check(depth):
    group_box(depth, "groundingCheckGroupBox", "Grounding check", "Expanding", "Preferred")
    layout(depth + 1, "QGridLayout", "gridLayout", items=[
        (0, 0, check_boxes),
        (1, 0, widget_item(push_button, "checkCablePushButton", "Check cable",
                           ":/icons/icons/play.png", checkable=True)),
        (1, 1, widget_item(push_button, "disableFailedPushButton", "Disable failed",
                           ":/icons/icons/disable.png")),
        (1, 2, widget_item(push_button, "checkRemotePushButton", "Check remote",
                           ":/icons/icons/infinity.png")),
        (0, 2, threshold_box),
        (0, 1, widget_item(black_label, "_failGroundingLabel", "Fail grounding [k\u03a9]:",
                           "Qt::AlignRight|Qt::AlignVCenter")),
    ])
    close_widget(depth)


def remote(depth):
    group_box(depth, "remoteGroupBox", "Remote", "Preferred", "Preferred")
    layout(depth + 1, "QGridLayout", "gridLayout_2", margin=(6, 6, 6, 6), items=[
        (0, 0, widget_item(black_label, "_remoteTxLabel", "Txoo:")),
        (0, 1, widget_item(black_label, "remoteTxLabel", "N / A", "Qt::AlignCenter")),
        (1, 0, widget_item(black_label, "_remoteRxLabel", "Rxoo:")),
        (1, 1, widget_item(black_label, "remoteRxLabel", "N / A", "Qt::AlignCenter")),
    ])
    close_widget(depth)


def band(name, first, second):
    def body(depth):
        layout(depth, "QHBoxLayout", name, spacing=6, items=[first, second])
    return body


def main():
    emit(0, '<?xml version="1.0" encoding="UTF-8"?>')
    emit(0, "<!-- Written by tools/make-cable-form.py: change the script, not this file. -->")
    emit(0, '<ui version="4.0">')
    emit(1, "<class>mCableConfigDialog</class>")
    open_widget(1, "QDialog", "mCableConfigDialog")
    prop(2, "geometry", "<rect><x>0</x><y>0</y><width>1099</width><height>709</height></rect>")
    palette(2, [("Base", WHITE), ("Window", CREAM)], [("Base", CREAM), ("Window", CREAM)])
    prop(2, "windowTitle", text(""))
    prop(2, "windowIcon", '<iconset resource="../resources/shell.qrc"><normaloff>'
         ":/icons/icons/empty.png</normaloff>:/icons/icons/empty.png</iconset>")
    layout(2, "QVBoxLayout", "verticalLayout", spacing=0, margin=(6, 0, 6, 6), items=[
        band("horizontalLayout", actions, current_cable),
        cable_configuration,
        band("horizontalLayout_4", grounding_check, remote),
    ])
    close_widget(1)
    emit(1, "<resources>")
    emit(2, '<include location="../resources/shell.qrc"/>')
    emit(2, '<include location="%s"/>' % QRC)
    emit(1, "</resources>")
    emit(1, "<connections>")
    for sender, slot in (("cancelPushButton", "reject()"), ("acceptPushButton", "accept()")):
        emit(2, "<connection><sender>%s</sender><signal>clicked()</signal>"
                "<receiver>mCableConfigDialog</receiver><slot>%s</slot></connection>"
             % (sender, slot))
    emit(1, "</connections>")
    emit(0, "</ui>")
    path = os.path.join("forms", "mCableConfigDialog.ui")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
