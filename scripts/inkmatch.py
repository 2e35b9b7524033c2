"""How closely two renderings of one page agree, as ink masks.

Each picture is turned into a mask of its ink (pixels noticeably darker than
the white paper) and placed at its offset in a common page frame, in pixels.
The measure is, for each side, the share of its ink pixels that lie within
one pixel (the 3 x 3 neighbourhood) of the other side's ink: 1.0 both ways
means every stroke of one picture has a stroke of the other right there.

    from inkmatch import load_gray, ink_agreement
    a = load_gray("ours.png"); b = load_gray("theirs-1.png")
    ours, theirs = ink_agreement(a, (96, 96), b, (0, 0), area=(96, 96, 720, 960))
"""

import numpy as np
from PIL import Image

# Grey 128 text must count as ink; anti-aliased fringes lighter than this
# do not, on either side.
INK_BELOW = 192


def load_gray(path):
    """A picture file as a 2-D array of grey levels (0 black, 255 white)."""
    with Image.open(path) as image:
        return np.asarray(image.convert("L"), dtype=np.uint8)


def _placed_mask(gray, offset, area):
    """The picture's ink mask, placed at offset, cut to area (x0, y0, x1, y1)."""
    x0, y0, x1, y1 = area
    mask = np.zeros((y1 - y0, x1 - x0), dtype=bool)
    ox, oy = offset[0] - x0, offset[1] - y0
    h, w = gray.shape
    sx0, sy0 = max(0, -ox), max(0, -oy)
    sx1, sy1 = min(w, mask.shape[1] - ox), min(h, mask.shape[0] - oy)
    if sx1 > sx0 and sy1 > sy0:
        mask[oy + sy0:oy + sy1, ox + sx0:ox + sx1] = gray[sy0:sy1, sx0:sx1] < INK_BELOW
    return mask


def _grown(mask):
    """The mask grown by one pixel in all eight directions."""
    out = mask.copy()
    h, w = mask.shape
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            if dx == 0 and dy == 0:
                continue
            out[max(0, dy):h + min(0, dy), max(0, dx):w + min(0, dx)] |= \
                mask[max(0, -dy):h + min(0, -dy), max(0, -dx):w + min(0, -dx)]
    return out


def _share_near(mask, other_grown):
    ink = int(mask.sum())
    return 1.0 if ink == 0 else float((mask & other_grown).sum()) / ink


def default_area(a, a_offset, b, b_offset):
    """The union of both pictures' rectangles."""
    rects = [(o[0], o[1], o[0] + g.shape[1], o[1] + g.shape[0])
             for g, o in ((a, a_offset), (b, b_offset))]
    return (min(r[0] for r in rects), min(r[1] for r in rects),
            max(r[2] for r in rects), max(r[3] for r in rects))


def ink_agreement(a, a_offset, b, b_offset, area=None):
    """(share of A's ink within 1 px of B's, share of B's ink within 1 px of A's).

    a, b: grey pictures (arrays from load_gray); a_offset, b_offset: where
    their top-left pixels lie in the common frame, (x, y) in pixels; area:
    the part of the frame compared, (x0, y0, x1, y1), both pictures' union
    when None. Parts of the area a picture does not cover count as paper."""
    area = area or default_area(a, a_offset, b, b_offset)
    ma = _placed_mask(a, a_offset, area)
    mb = _placed_mask(b, b_offset, area)
    return _share_near(ma, _grown(mb)), _share_near(mb, _grown(ma))


def ink_difference_picture(a, a_offset, b, b_offset, area=None):
    """An RGB picture of the area: ink of both in black, A's alone in red,
    B's alone in blue (beyond 1 px of the other's ink)."""
    area = area or default_area(a, a_offset, b, b_offset)
    ma = _placed_mask(a, a_offset, area)
    mb = _placed_mask(b, b_offset, area)
    out = np.full(ma.shape + (3,), 255, dtype=np.uint8)
    out[ma | mb] = (160, 160, 160)
    out[ma & ~_grown(mb)] = (220, 0, 0)
    out[mb & ~_grown(ma)] = (0, 0, 220)
    return Image.fromarray(out, "RGB")
