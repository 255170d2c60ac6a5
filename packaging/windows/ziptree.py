#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Zips a folder the same way every time, for Windows.

    ziptree.py ZIP STAGE FOLDER EPOCH

FOLDER (inside STAGE) becomes the zip's top folder: its folders and files in
one order, each with EPOCH as its time (in UTC) and its mode, no owners and
no extra fields; names in UTF-8, flagged so, as Windows reads them.
"""
import os
import sys
import time
import zipfile

zip_path, stage, folder, epoch = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
stamp = time.gmtime(max(epoch, 315532800))[:6]  # a zip's times start in 1980

entries = []
for parent, folders, files in os.walk(os.path.join(stage, folder)):
    relative = os.path.relpath(parent, stage)
    entries.append(relative + "/")
    entries.extend(os.path.join(relative, name) for name in files)
entries.sort()

with zipfile.ZipFile(zip_path, "w") as archive:
    for name in entries:
        path = os.path.join(stage, name)
        info = zipfile.ZipInfo(name, stamp)
        info.create_system = 3  # Unix, so the mode below counts
        info.external_attr = (os.stat(path).st_mode & 0xFFFF) << 16
        if name.endswith("/"):
            info.external_attr |= 0x10  # MS-DOS folder
            archive.writestr(info, b"")
        else:
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)
