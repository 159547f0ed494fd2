#!/usr/bin/env python3
"""Builds the project pane's images from the Tango icon theme, the same way as the main tool
bar's strips (make_toolbar.py, whose reader and writer it uses).

Usage: make_project_images.py OUTDIR [ICONDIR]
Writes ProjectToolbar.bmp and ProjectToolbarHot.bmp (settings, expand all, collapse all, close
the project) and ProjectTree.bmp (folder, file): 24-bit strips of 16 x 16 images on magenta.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_toolbar as strips  # noqa: E402

strips.GLYPHS['+'] = ['     ', '  #  ', '  #  ', '#####', '  #  ', '  #  ', '     ']
strips.GLYPHS['-'] = ['     ', '     ', '     ', '#####', '     ', '     ', '     ']


def tool_bar(icons):
    def marked(name, text, colour):
        image = strips.theme(icons, name)
        image.badge(text, colour)
        return image

    return [
        strips.theme(icons, 'actions/document-properties'),   # 40065 project settings
        marked('status/folder-open', '+', strips.GREEN),       # 40066 expand all
        marked('places/folder', '-', strips.BLUE),             # 40067 collapse all
        strips.cross(strips.theme(icons, 'places/folder')),    # 40069 close the project
    ]


def tree(icons):
    return [strips.theme(icons, 'places/folder'), strips.theme(icons, 'mimetypes/text-x-generic')]


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    outdir = sys.argv[1]
    icons = sys.argv[2] if len(sys.argv) > 2 else '/usr/share/icons/Tango/16x16'
    bar = tool_bar(icons)
    strips.write_bmp(os.path.join(outdir, 'ProjectToolbar.bmp'), bar, strips.normal)
    strips.write_bmp(os.path.join(outdir, 'ProjectToolbarHot.bmp'), bar, strips.hot)
    strips.write_bmp(os.path.join(outdir, 'ProjectTree.bmp'), tree(icons), strips.normal)


if __name__ == '__main__':
    main()
