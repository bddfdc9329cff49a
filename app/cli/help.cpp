// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "help.h"

#include <stripewise/version.h>

namespace stripewise::cli {
namespace {

constexpr std::string_view kValueHelp =
    "Usage: stripewise value COLOUR... [--json]\n"
    "       stripewise value - [--json]\n"
    "The resistance of 1, 3, 4, 5 or 6 colour bands, first band first, by English\n"
    "name or IEC 60757 letters (orange orange black brown violet, OG OG BK BN VT),\n"
    "with its tolerance, range, series and, when the bands read as another code\n"
    "from the other end, that reading.\n"
    "\n"
    "  -           one question per line of standard input\n"
    "  --json      one JSON object for each answer\n"
    "  --          end of the options\n"
    "  -h, --help  show this help and exit\n";

constexpr std::string_view kBandsHelp =
    "Usage: stripewise bands VALUE [--bands 3|4|5|6] [--tolerance PERCENT]\n"
    "                        [--tempco PPM] [--series E24] [--json]\n"
    "       stripewise bands - [OPTION...]\n"
    "The colour bands that code a value exactly (4700, 4.7k, 4K7, 4.7 k\u03A9, 470m,\n"
    "2.2M), with its surface-mount markings; a value the bands cannot hold is\n"
    "refused with the nearest values they can.\n"
    "\n"
    "  --bands N            3, 4, 5 or 6 bands (4 unless given)\n"
    "  --tolerance PERCENT  the tolerance band: 5 % on four bands and 1 % on five\n"
    "                       and six unless given; three bands are 20 %\n"
    "  --tempco PPM         the temperature coefficient of six bands, in ppm/K\n"
    "  --series NAME        code the nearest value of E3, E6, E12, E24, E48, E96\n"
    "                       or E192\n"
    "  -                    one question per line of standard input\n"
    "  --json               one JSON object for each answer\n"
    "  --                   end of the options, for a value that starts with -\n"
    "  -h, --help           show this help and exit\n"
    "Options take their value as --bands 5 or --bands=5.\n";

constexpr std::string_view kSmdHelp =
    "Usage: stripewise smd MARKING [--json]\n"
    "       stripewise smd - [--json]\n"
    "The resistance of a surface-mount marking: three digits (472, 4R7, R47), four\n"
    "digits (4702, 1R00, R010) or EIA-96 (01C, 47R).\n"
    "\n"
    "  -           one question per line of standard input\n"
    "  --json      one JSON object for each answer\n"
    "  --          end of the options\n"
    "  -h, --help  show this help and exit\n";

}  // namespace

std::string ProgramHelp() {
  return "Usage: stripewise [--every-code] [Qt options]\n"
         "       stripewise value COLOUR... [--json]\n"
         "       stripewise bands VALUE [--bands 3|4|5|6] [--tolerance PERCENT] [--tempco PPM]\n"
         "                        [--series E24] [--json]\n"
         "       stripewise smd MARKING [--json]\n"
         "Converts between the colour code of a four-band resistor and its resistance in a\n"
         "window. The subcommands answer on the terminal, for resistors of every kind:\n"
         "\n"
         "  value    the resistance of 1, 3, 4, 5 or 6 colour bands, first band first, by\n"
         "           English name or IEC letters (orange orange black brown violet, OG OG BK BN "
         "VT)\n"
         "  bands    the colours that code a value (4700, 4.7k, 4K7, 470m), four bands unless\n"
         "           --bands, with its surface-mount markings; --series moves it onto a series\n"
         "  smd      the resistance of a surface-mount marking (472, 4702, 01C)\n"
         "  -        in place of the colours, value or marking: one question per line of input\n"
         "  --json   one JSON object for each answer\n"
         "\n"
         "  -h, --help        show this help and exit; after a subcommand, its own help\n"
         "      --version     show the version and exit\n"
         "      --every-code  open the window for every resistor code beside the main one\n"
         "      --verbose     when the window cannot open, show everything Qt said\n"
         "\n"
         "Qt's standard options (-platform, -display, -style, -reverse ...) are accepted.\n";
}

std::string_view SubcommandHelp(std::string_view subcommand) {
  if (subcommand == "value") return kValueHelp;
  if (subcommand == "bands") return kBandsHelp;
  return kSmdHelp;
}

std::string VersionLine() { return "stripewise " STRIPEWISE_VERSION; }

}  // namespace stripewise::cli
