#!/usr/bin/env python3
"""Writes the program's cursor and icon resources (res/cursor_*.cur,
res/vorndel.ico) from the pixel drawings below: '#' black, 'o' white,
anything else transparent. Run it again after changing a drawing; the files
are kept in the repository."""
import os
import struct

ARROW = """
#
##
#o#
#oo#
#ooo#
#oooo#
#ooooo#
#oooooo#
#ooooooo#
#oooooooo#
#ooooo#####
#oo#oo#
#o# #oo#
##  #oo#
#    #oo#
     #oo#
      ##
"""

# The pointer with a box for the dragged text below it, and a plus in the
# box for copying.
MOVE = ARROW.rstrip("\n") + """
         #########
         #ooooooo#
         #ooooooo#
         #ooooooo#
         #ooooooo#
         #ooooooo#
         #########
"""
COPY = ARROW.rstrip("\n") + """
         #########
         #ooo#ooo#
         #ooo#ooo#
         #o#####o#
         #ooo#ooo#
         #ooo#ooo#
         #########
"""

RIGHT = """
            #
            ##
            #o#
            #oo#
  ###########ooo#
  #oooooooooooooo#
  #ooooooooooooooo#
  #oooooooooooooo#
  ###########ooo#
            #oo#
            #o#
            ##
            #
"""

# Two bars with arrows out to both sides: the pane splitters.
SPLITTER = """
      #  #
      #oo#
   #  #oo#  #
  ##  #oo#  ##
 #o####oo####o#
#oooooooooooooo#
 #o####oo####o#
  ##  #oo#  ##
   #  #oo#  #
      #oo#
      #  #
"""

# A page with a folded corner and a V on it.
ICON = """
   ###################
   #ooooooooooooooooo##
   #ooooooooooooooooo#o#
   #ooooooooooooooooo#oo#
   #ooooooooooooooooo#ooo#
   #ooooooooooooooooo######
   #oooooooooooooooooooooo#
   #o###oooooooooooooo###o#
   #o###oooooooooooooo###o#
   #oo###oooooooooooo###oo#
   #oo###oooooooooooo###oo#
   #ooo###oooooooooo###ooo#
   #ooo###oooooooooo###ooo#
   #oooo###oooooooo###oooo#
   #oooo###oooooooo###oooo#
   #ooooo###oooooo###ooooo#
   #ooooo###oooooo###ooooo#
   #oooooo###oooo###oooooo#
   #oooooo###oooo###oooooo#
   #ooooooo###oo###ooooooo#
   #ooooooo###oo###ooooooo#
   #oooooooo######oooooooo#
   #oooooooo######oooooooo#
   #ooooooooo####ooooooooo#
   #oooooooooooooooooooooo#
   #oooooooooooooooooooooo#
   ########################
"""


def mirrored(drawing):
    rows = drawing.strip("\n").split("\n")
    width = max(len(r) for r in rows)
    return "\n".join(r.ljust(width)[::-1] for r in rows)


def transposed(drawing):
    rows = drawing.strip("\n").split("\n")
    width = max(len(r) for r in rows)
    rows = [r.ljust(width) for r in rows]
    return "\n".join("".join(rows[y][x] for y in range(len(rows))) for x in range(width))


def cursor(drawing, hot_x, hot_y):
    size = 32
    rows = drawing.strip("\n").split("\n")
    xor = bytearray(size * 4)
    mask = bytearray(b"\xff" * (size * 4))
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c not in "#o":
                continue
            line = size - 1 - y  # bottom-up rows
            byte, bit = line * 4 + x // 8, 0x80 >> (x % 8)
            mask[byte] &= ~bit & 0xff
            if c == "o":
                xor[byte] |= bit
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


def icon(drawing):
    # The same two-colour image; an icon's directory names planes and bits
    # where a cursor's names its hot spot.
    image = cursor(drawing, 0, 0)[6 + 16:]
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, 1, 1, len(image), 6 + 16)
    return directory + entry + image


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    left = mirrored(RIGHT)
    down = transposed(RIGHT)
    up = transposed(left)
    cursors = {
        "cursor_margin.cur": (mirrored(ARROW), 10, 0),
        "cursor_move.cur": (MOVE, 0, 0),
        "cursor_copy.cur": (COPY, 0, 0),
        "cursor_gesture_left.cur": (left, 9, 6),
        "cursor_gesture_right.cur": (RIGHT, 9, 6),
        "cursor_gesture_up.cur": (up, 6, 9),
        "cursor_gesture_down.cur": (down, 6, 9),
        "cursor_splitter.cur": (SPLITTER, 7, 5),
    }
    for name, (drawing, x, y) in cursors.items():
        with open(os.path.join(res, name), "wb") as f:
            f.write(cursor(drawing, x, y))
    with open(os.path.join(res, "vorndel.ico"), "wb") as f:
        f.write(icon(ICON))


if __name__ == "__main__":
    main()
