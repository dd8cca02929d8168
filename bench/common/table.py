"""Where things are on the game's main window, in its design units.

The client area is 500 x 400 design units and scales with the window; X
gives the window's geometry in pixels, and these turn a design point into
the screen point a click goes to.
"""

TITLE = "Velloro 32 Bit"
DESIGN_W, DESIGN_H = 500, 400
BUTTONS = {"PLAY": (2, 369, 65, 28), "OPEN": (100, 369, 65, 28),
           "NEXT": (199, 369, 65, 28), "CAST": (297, 369, 65, 28)}
# The 16 x 16 arrows by their top left corner; "games up 1" and "price up 1"
# are the arrows left of the value, which step by ten games and by a dollar.
ARROWS = {"games up": (457, 65), "games down": (476, 65), "games up 1": (369, 65),
          "games down 1": (388, 65), "price up": (457, 107), "price down": (476, 107),
          "price up 1": (369, 107), "price down 1": (388, 107),
          "quick pick up": (372, 209), "quick pick down": (473, 209)}
# Other controls that have a note: the value boxes, the status and game
# number boxes, the message board and the spots box.
BOXES = [(364, 2, 133, 41), (364, 44, 133, 41), (364, 86, 133, 41), (364, 128, 133, 41),
         (364, 170, 133, 227), (2, 157, 73, 54), (289, 157, 73, 54), (81, 175, 202, 18)]


def design_point(geometry, x, y):
    """The screen point of design point x, y in a main window of that geometry
    (x, y, width, height; the menu bar sits above the client area)."""
    gx, gy, gw, gh = geometry
    client_h = round(gw * DESIGN_H / DESIGN_W)
    top = gy + gh - client_h
    return (gx + round(x * gw / DESIGN_W), top + round(y * client_h / DESIGN_H))


def cell_point(geometry, n):
    """The middle of board number n."""
    column, row = (n - 1) % 10, (n - 1) // 10
    panel_y = 7 if row < 4 else 221
    return design_point(geometry, 7 + 1 + 35 * column + 16, panel_y + 1 + 35 * (row % 4) + 16)


def button_point(geometry, name):
    x, y, w, h = BUTTONS[name]
    return design_point(geometry, x + w / 2, y + h / 2)


def arrow_point(geometry, name):
    x, y = ARROWS[name]
    return design_point(geometry, x + 8, y + 8)


# The way window: 112 x 390 design units, row k (1 to 15) 108 x 22 at 2, 2 + 26 (k - 1).
WAY_TITLE = "Ways Possible"
WAY_DESIGN_W = 112


def way_row_point(geometry, k):
    gx, gy, gw, _ = geometry
    scale = gw / WAY_DESIGN_W
    return (gx + round((2 + 54) * scale), gy + round((2 + 26 * (k - 1) + 11) * scale))
