// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The command line's questions about resistors, answered as a terminal sees
// them: standard output, standard error and the exit status.
#include "codes_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace stripewise::app {
namespace {

struct Asked {
  std::vector<std::string> args;
  std::string input;  // standard input, for "-"
  int status;
  std::string out;
  std::string err;
};

const Asked kAsked[] = {
    {{"value", "orange", "orange", "black", "brown", "violet", "--json"},
     "",
     0,
     "{\"ohms\": 3300, \"tolerance_percent\": 0.1, \"min_ohms\": 3296.7, \"max_ohms\": 3303.3, "
     "\"tempco_ppm_per_kelvin\": null, \"bands\": [\"orange\",\"orange\",\"black\",\"brown\","
     "\"violet\"], \"series\": [\"E6\",\"E12\",\"E24\"], \"smd\": {\"three_digit\": \"332\", "
     "\"four_digit\": \"3301\", \"eia96\": null}, \"asked_ohms\": null, \"text\": \"3.3 k\u03A9 "
     "\u00B10.1 % (3.2967 k\u03A9 to 3.3033 k\u03A9); series E6, E12, E24\"}\n",
     ""},
    {{"bands", "4k7", "--bands", "5"},
     "",
     0,
     "yellow violet black brown brown: 4.7 k\u03A9 \u00B11 % (4.653 k\u03A9 to 4.747 k\u03A9); "
     "series E3, E6, E12, E24, E192; SMD 472, 4701\n",
     ""},
    {{"bands", "2.6k", "--series", "E12", "--bands", "6", "--tempco", "50ppm"},
     "",
     0,
     "2.6 k\u03A9 is nearest 2.7 k\u03A9 in E12; red violet black brown brown red: 2.7 k\u03A9 "
     "\u00B11 % (2.673 k\u03A9 to 2.727 k\u03A9), 50 ppm/K; series E12, E24; SMD 272, 2701\n",
     ""},
    {{"smd", "01C"},
     "",
     0,
     "10 k\u03A9 \u00B11 % (9.9 k\u03A9 to 10.1 k\u03A9); series E3, E6, E12, E24, E48, E96, "
     "E192\n",
     ""},
    {{"value", "BK"}, "", 0, "0 \u03A9, a zero-ohm link\n", ""},
    {{"bands", "4.75k", "--json"},
     "",
     1,
     "{\"error\": \"4.75 k\u03A9 cannot be coded exactly on four bands; nearest: 4.7 k\u03A9 and "
     "4.8 k\u03A9, or five bands\", \"nearest_ohms\": [4700, 4800]}\n",
     "stripewise: 4.75 k\u03A9 cannot be coded exactly on four bands; nearest: 4.7 k\u03A9 and "
     "4.8 k\u03A9, or five bands\n"},
    // One question a line; a bad line is answered with its error, the rest
    // go on, and the status is the highest any line earned.
    {{"smd", "-"},
     "472\n\nzz9\n47R\n",
     2,
     "4.7 k\u03A9, tolerance not marked; series E3, E6, E12, E24, E192\n"
     "3.01 \u03A9 \u00B11 % (2.9799 \u03A9 to 3.0401 \u03A9); series E48, E96, E192\n",
     "stripewise: cannot read 'zz9' as a surface-mount marking\n"},
    {{"value", "red", "gold", "red"}, "", 2, "", "stripewise: band 2 'gold' is not a digit\n"},
    {{"value", "red", "rde", "red"}, "", 2, "", "stripewise: 'rde' is not a colour\n"},
    {{"value", "red", "--bands", "4"},
     "",
     2,
     "",
     "stripewise: option '--bands' belongs to 'bands'\n"},
    {{"bands", "1k", "--tolerance", "3"}, "", 2, "", "stripewise: no tolerance band is 3 %\n"},
    {{"bands", "1k", "--series"}, "", 2, "", "stripewise: option '--series' needs a value\n"},
    {{"smd"}, "", 2, "", "stripewise: smd needs a question; see --help\n"},
};

TEST(CodesCommand, AnswersEachQuestionOnOneLineWithItsStatus) {
  for (const Asked& asked : kAsked) {
    std::vector<char*> args;
    std::vector<std::string> words = asked.args;
    args.reserve(words.size());
    for (std::string& word : words) args.push_back(word.data());
    std::istringstream in(asked.input);
    std::ostringstream out, err;
    EXPECT_TRUE(IsCodesCommand(args));
    EXPECT_EQ(RunCodesCommand(args, in, out, err), asked.status) << asked.args[1];
    EXPECT_EQ(out.str(), asked.out) << asked.args[1];
    EXPECT_EQ(err.str(), asked.err) << asked.args[1];
  }
}

}  // namespace
}  // namespace stripewise::app
