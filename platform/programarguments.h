// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QStringList>

// The program's arguments as the system hands them over. On Unix they are
// bytes, which Qt reads (and writes file names back) as the locale's
// encoding, UTF-8. On Windows they are UTF-16 text: the bytes main() gets are
// the ANSI code page's version of them, with a "?" for every character
// outside it, so the text comes from the command line itself
// (programarguments_unix.cpp, programarguments_win.cpp).
namespace ProgramArguments {

// The arguments as text: on Windows, once a QCoreApplication exists, as Qt
// reads the command line; until then, and elsewhere, main()'s.
QStringList text(int argc, char* argv[]);

// The arguments as the bytes that name files, where the system names files
// in bytes (Unix); none on Windows, whose names are text.
QByteArrayList fileNameBytes(int argc, char* argv[]);

}
