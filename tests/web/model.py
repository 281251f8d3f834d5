# SPDX-License-Identifier: GPL-3.0-or-later
"""The sum over paths of a run, computed here from the formulas in the comment of
sim/PathSum.h and the geometry of sim/SceneGeometry.h, independently of the program: the
probability P at each of the 85 detector points and where its mark stands."""

import math

FRAME_HEIGHT = 581
GLASS_PLANE_X = 50
DETECTOR_BASE_X = 150
AXIS_Y = FRAME_HEIGHT / 2
MARK_BASE_Y = AXIS_Y - 60
MARK = {"1": ("blue", 1.3), "0.5": ("red", 1.0), "0.75": ("green", 1.08)}


def glass_factor(frequency_text, dispersion):
    if frequency_text == "0.5":
        return 1.9 if dispersion else 2.1
    if frequency_text == "0.75":
        return 1.98 if dispersion else 2.1
    return 2.1 if frequency_text == "1" else 0.0


def points(frequency_text="1", radius=500, index=0.98, dispersion=True, aperture=0,
           half_lens=80):
    """[(i, x, P, markY)] for detector points 1 to 85; markY is None without a mark."""
    frequency = float(frequency_text)
    whole = half_lens == 80
    glass_top = AXIS_Y - 200
    opening_top = aperture + glass_top
    centre_x = GLASS_PLANE_X - radius + 60  # the face's vertex is 60 px right of the plane
    refractive = index * glass_factor(frequency_text, dispersion)
    phase_factor = frequency * 0.8
    last_path = half_lens - aperture * 0.4 * (1.0 if whole else 0.5)
    step = 1.5 if whole else 2.25
    mark = MARK.get(frequency_text)
    result = []
    for i in range(1, 86):
        x = DETECTOR_BASE_X + 7 * i
        sx = sy = 0.0
        j = 0
        while j <= last_path:
            y = opening_top + 5 * j
            face = centre_x + math.sqrt(radius * radius - (y - AXIS_Y) ** 2)
            time = (face - GLASS_PLANE_X) * refractive + math.hypot(x - face, y - AXIS_Y)
            sx += step * math.cos(phase_factor * time)
            sy += step * math.sin(phase_factor * time)
            j += 1
        p = (sx * sx + sy * sy) * 0.015 * 0.8
        result.append((i, x, p, MARK_BASE_Y - mark[1] * p if mark else None))
    return result
