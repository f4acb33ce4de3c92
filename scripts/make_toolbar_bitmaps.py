#!/usr/bin/env python3
"""Writes the toolbar image strips (res/toolbar.bmp, res/toolbar_disabled.bmp,
res/find_bar.bmp) from the 16 by 16 drawings below. Each character is one
pixel: ' ' is the magenta that the image lists treat as transparent, the
others are colours of PALETTE. The disabled strip is the tool bar's drawn in
greys. Run it again after changing a drawing; the files are kept in the
repository."""
import os
import struct

MAGENTA = (255, 0, 255)
PALETTE = {
    "#": (40, 40, 40), "b": (40, 90, 180), "l": (150, 190, 235), "w": (255, 255, 255),
    "g": (40, 140, 60), "r": (190, 50, 40), "y": (240, 200, 60), "s": (150, 150, 150),
}

SAVE = """
 ##############
 #bbwwwwwwwwbb#
 #bbwwwwwwwwbb#
 #bbwwwwwwwwbb#
 #bbwwwwwwwwbb#
 #bbbbbbbbbbbb#
 #bbbbbbbbbbbb#
 #bbbllllllbbb#
 #bbbl##llbbbb#
 #bbbl##llbbbb#
 #bbbllllllbbb#
 ##############
"""
SAVE_ALL = """
    ###########
    #bwwwwwwwb#
 ###########wb#
 #bwwwwwwwb#bb#
 #bwwwwwwwb#bb#
 #bbbbbbbbb#bb#
 #bbbbbbbbb#bb#
 #bbllllbbb#b##
 #bbl#llbbb###
 #bbllllbbb#
 ###########
"""
UNDO = """

     #
    ##
   #g#######
  #ggggggggg##
   #g#######gg#
    ##      #g#
     #      #g#
            #g#
           #gg#
       #######
       #####
"""
REDO = "\n".join(row.ljust(16)[::-1] for row in UNDO.strip("\n").split("\n"))
LEFT_PANE = """
 ##############
 #bbbbbbbbbbbb#
 ##############
 #lll#wwwwwwww#
 #lll#wwwwwwww#
 #lll#w####www#
 #lll#wwwwwwww#
 #lll#w#####ww#
 #lll#wwwwwwww#
 #lll#w###wwww#
 #lll#wwwwwwww#
 ##############
"""
RIGHT_PANE = "\n".join(row.ljust(16)[::-1] for row in LEFT_PANE.strip("\n").split("\n"))
WRAP = """

 ############
 
 #########
           #
 ######     #
           #
 #######  #
          ##
          ###
 ####
 
 ##########
"""
BOLD = """

   ########
   ###   ###
   ###   ###
   ###   ###
   ########
   ###    ###
   ###    ###
   ###    ###
   ###    ###
   #########
"""
FIND_NEXT = """
   ####
  #llll#
 #llwlll#
 #lwllll#
 #llllll#
 #llllll#
  #llll##
   #### ##
         ##
    b     ##
    b
  bbbbb
   bbb
    b
"""
FIND_PREVIOUS = """
   ####
  #llll#
 #llwlll#
 #lwllll#
 #llllll#
 #llllll#
  #llll##
   #### ##
    b    ##
   bbb    ##
  bbbbb
    b
    b
"""
REPLACE = """
  ###
 #   #
 #####
 #   #
 #   #      #
           ##
    ggggggggg#
           ##
    ####    #
    #   #
    ####
    #   #
    ####
"""
REPLACE_ALL = """
  ###  ###
 #   ##   #
 ##########
 #   ##   #
 #   ##   #  #
            ##
    gggggggggg#
            ##
  #### ####  #
  #   ##   #
  #### ####
  #   ##   #
  #### ####
"""
MATCH_CASE = """

   ##
  #  #
 #    #
 #    #   ###
 ######  #  #
 #    #  #  #
 #    #  #  #
 #    #   ####

  rrrrrrrrrrrr
"""
HIGHLIGHT = """
          ##
         #yy#
        #yyy#
       #yyy#
      #yyy#
     #yyy#
    #yyy#
   #yyy#
   ####
  ##
 ##
 yyyyyyyyyyyyyy
 yyyyyyyyyyyyyy
"""
REGEX = """

          #
       #  #  #
        # # #
         ###
        # # #
       #  #  #
          #


   ##
   ##
  rrrrrrrrrrrr
"""


def pixels(drawing, grey=False):
    rows = drawing.strip("\n").split("\n") if drawing.strip() else []
    image = [[MAGENTA] * 16 for _ in range(16)]
    for y, row in enumerate(rows[:16]):
        for x, c in enumerate(row[:16]):
            if c in PALETTE:
                colour = PALETTE[c]
                if grey:
                    level = 120 + (sum(colour) // 3) * 110 // 255
                    colour = (level, level, level)
                image[y][x] = colour
    return image


def strip_bmp(images):
    width, height = 16 * len(images), 16
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for image in images:
            for r, g, b in image[y]:
                row += bytes((b, g, r))
        data += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    tools = [SAVE, SAVE_ALL, UNDO, REDO, LEFT_PANE, RIGHT_PANE, WRAP, BOLD]
    find = [FIND_NEXT, FIND_PREVIOUS, REPLACE, REPLACE_ALL, MATCH_CASE, HIGHLIGHT, REGEX]
    strips = {
        "toolbar.bmp": [pixels(d) for d in tools],
        "toolbar_disabled.bmp": [pixels(d, grey=True) for d in tools],
        "find_bar.bmp": [pixels(d) for d in find],
    }
    for name, images in strips.items():
        with open(os.path.join(res, name), "wb") as f:
            f.write(strip_bmp(images))


if __name__ == "__main__":
    main()
