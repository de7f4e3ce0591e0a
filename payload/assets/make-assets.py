#!/usr/bin/env python3
"""Draws the two carried pictures with ImageMagick's convert and the WenQuanYi font:
item_ids.jpg, the item-id table (530 pixels wide) from item_ids.txt, and about.png, the
picture of the about window (176 x 192). Run it again after changing item_ids.txt."""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

WIDTH = 530
# The item-id window shows the picture from its 25th column on, beside a scroll bar at its
# right: the table is drawn between these two edges.
LEFT, RIGHT = 34, 484
COLUMNS = 3
ROW = 16
TOP = 56


def quoted(text):
    return "'" + text.replace("\\", "\\\\").replace("'", "\\'") + "'"


def read_ids():
    ids = []
    with open(os.path.join(HERE, "item_ids.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            number, name = line.split(" ", 1)
            ids.append((int(number), name))
    return ids


def item_ids_picture():
    ids = read_ids()
    per_column = (len(ids) + COLUMNS - 1) // COLUMNS
    height = TOP + per_column * ROW + 24
    width = (RIGHT - LEFT) // COLUMNS
    draw = [f"font {quoted(FONT)}", "fill '#2b2b2b'", "font-size 20",
            f"text {LEFT},30 {quoted('游戏 1.7.2 版 物品/方块 ID 表')}",
            "font-size 11", "fill '#777777'",
            f"text {LEFT},46 {quoted('给予物品：在“物品ID”填左边的数字')}"]
    for i, (number, name) in enumerate(ids):
        column, row = divmod(i, per_column)
        x = LEFT + column * width
        y = TOP + row * ROW
        if row % 2 == 0:
            draw.append("fill '#eef3f8'")
            draw.append(f"rectangle {x},{y} {x + width - 4},{y + ROW - 1}")
        draw.append("fill '#1f5fa8'")
        draw.append("font-size 12")
        draw.append(f"text {x + 4},{y + 12} {quoted(str(number))}")
        draw.append("fill '#222222'")
        draw.append(f"text {x + 40},{y + 12} {quoted(name)}")
    for column in range(1, COLUMNS):
        x = LEFT + column * width - 2
        draw.append("fill '#c0c8d0'")
        draw.append(f"rectangle {x},{TOP} {x},{TOP + per_column * ROW}")
    subprocess.run(["convert", "-size", f"{WIDTH}x{height}", "xc:white", "-draw", "\n".join(draw),
                    "-strip", "-quality", "90", os.path.join(HERE, "item_ids.jpg")], check=True)


def about_picture():
    # A cube of three faces and the team's thanks.
    draw = [f"font {quoted(FONT)}",
            "fill '#6cbf4a'", "polygon 88,20 138,45 88,70 38,45",
            "fill '#8b5a2b'", "polygon 38,45 88,70 88,125 38,100",
            "fill '#6b4423'", "polygon 138,45 88,70 88,125 138,100",
            "fill '#222222'", "font-size 18", f"text 36,152 {quoted('Cubeworks')}",
            "font-size 13", f"text 28,178 {quoted('谢谢你的支持！')}"]
    subprocess.run(["convert", "-size", "176x192", "xc:#f4f7fb", "-draw", "\n".join(draw), "-strip",
                    "-depth", "8", os.path.join(HERE, "about.png")], check=True)


if __name__ == "__main__":
    item_ids_picture()
    about_picture()
    sys.exit(0)
