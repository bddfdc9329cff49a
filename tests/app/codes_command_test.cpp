// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The command line's questions about resistors, answered as a terminal sees
// them: standard output, standard error and the exit status.
#include "codes_command.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace stripewise::cli {
namespace {

// A file in memory standing for a standard stream.
class Stream {
 public:
  explicit Stream(const std::string& text = {}) : fd_(memfd_create("stream", 0)) {
    if (write(fd_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) fd_ = -1;
    lseek(fd_, 0, SEEK_SET);
  }
  ~Stream() { close(fd_); }
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;
  int Fd() const { return fd_; }
  std::string Text() const {
    std::string text(static_cast<std::size_t>(lseek(fd_, 0, SEEK_END)), '\0');
    return pread(fd_, text.data(), text.size(), 0) < 0 ? "" : text;
  }

 private:
  int fd_;
};

struct Asked {
  std::vector<std::string> args;
  std::string input;  // standard input, for "-"
  int status;
  std::string out;
  std::string err;
};

const Asked kAsked[] = {
    // Options given as --opt value and --opt=value, anywhere among the words.
    {{"bands", "4k7", "--bands=5"},
     "",
     0,
     "yellow violet black brown brown: 4.7 k\u03A9 \u00B11 % (4.653 k\u03A9 to 4.747 k\u03A9); "
     "series E3, E6, E12, E24, E192; SMD 472, 4701\n",
     ""},
    {{"bands", "--series", "E12", "2.6k", "--bands", "6", "--tempco=50ppm"},
     "",
     0,
     "2.6 k\u03A9 is nearest 2.7 k\u03A9 in E12; red violet black brown brown red: 2.7 k\u03A9 "
     "\u00B11 % (2.673 k\u03A9 to 2.727 k\u03A9), 50 ppm/K; series E12, E24; SMD 272, 2701\n",
     ""},
    // Every fact of an answer, and the other end of bands that have one.
    {{"value", "brown", "black", "black", "red", "brown", "--json"},
     "",
     0,
     "{\"ohms\": 10000, \"tolerance_percent\": 1, \"min_ohms\": 9900, \"max_ohms\": 10100, "
     "\"tempco_ppm_per_kelvin\": null, \"bands\": [\"brown\", \"black\", \"black\", \"red\", "
     "\"brown\"], \"series\": [\"E3\", \"E6\", \"E12\", \"E24\", \"E48\", \"E96\", \"E192\"], "
     "\"smd\": {\"three_digit\": \"103\", \"four_digit\": \"1002\", \"eia96\": \"01C\"}, "
     "\"asked_ohms\": null, \"other_end\": {\"bands\": [\"brown\", \"red\", \"black\", "
     "\"black\", \"brown\"], \"ohms\": 120, \"tolerance_percent\": 1, "
     "\"tempco_ppm_per_kelvin\": null, \"series\": [\"E12\", \"E24\", \"E192\"]}, \"text\": "
     "\"10 k\u03A9 \u00B11 % (9.9 k\u03A9 to 10.1 k\u03A9); series E3, E6, E12, E24, E48, E96, "
     "E192; from the other end: 120 \u03A9 \u00B11 % (brown red black black brown)\"}\n",
     ""},
    {{"value", "BK", "BK", "BK", "BN"},
     "",
     0,
     "0 \u03A9 \u00B11 % (0 \u03A9 to 0 \u03A9), a zero-ohm link\n",
     ""},
    {{"smd", "01C"},
     "",
     0,
     "10 k\u03A9 \u00B11 % (9.9 k\u03A9 to 10.1 k\u03A9); series E3, E6, E12, E24, E48, E96, "
     "E192\n",
     ""},
    // A line reads as its words do as arguments; with --json every line
    // gets one object, a blank one included; the status is the highest.
    {{"value", "-", "--json"},
     "  red\tred red\n\nzz\n",
     2,
     "{\"ohms\": 2200, \"tolerance_percent\": 20, \"min_ohms\": 1760, \"max_ohms\": 2640, "
     "\"tempco_ppm_per_kelvin\": null, \"bands\": [\"red\", \"red\", \"red\"], \"series\": "
     "[\"E3\", \"E6\", \"E12\", \"E24\"], \"smd\": {\"three_digit\": \"222\", \"four_digit\": "
     "\"2201\", \"eia96\": null}, \"asked_ohms\": null, \"other_end\": null, \"text\": \"2.2 "
     "k\u03A9 \u00B120 % (1.76 k\u03A9 to 2.64 k\u03A9); series E3, E6, E12, E24\"}\n"
     "{\"error\": \"a blank line asks no question; see 'stripewise value --help'\", "
     "\"nearest_ohms\": []}\n"
     "{\"error\": \"'zz' is not a colour\", \"nearest_ohms\": []}\n",
     "stripewise: a blank line asks no question; see 'stripewise value --help'\n"
     "stripewise: 'zz' is not a colour\n"},
    {{"value", " red", "red red"},
     "",
     0,
     "2.2 k\u03A9 \u00B120 % (1.76 k\u03A9 to 2.64 k\u03A9); "
     "series E3, E6, E12, E24\n",
     ""},
    // -- ends the options.
    {{"bands", "--json", "--", "-47"},
     "",
     2,
     "{\"error\": \"cannot read '-47' as a resistance\", \"nearest_ohms\": []}\n",
     "stripewise: cannot read '-47' as a resistance\n"},
    // Every refusal of the options is a JSON object too.
    {{"bands", "4.7k", "--bands", "7", "--json"},
     "",
     2,
     "{\"error\": \"option '--bands' takes 3, 4, 5 or 6, not '7'\", \"nearest_ohms\": []}\n",
     "stripewise: option '--bands' takes 3, 4, 5 or 6, not '7'\n"},
    {{"value", "--json"},
     "",
     2,
     "{\"error\": \"value asks no question; see 'stripewise value --help'\", \"nearest_ohms\": "
     "[]}\n",
     "stripewise: value asks no question; see 'stripewise value --help'\n"},
    {{"smd", "--js", "--size"},
     "",
     2,
     "{\"error\": \"unknown option '--size'; see 'stripewise smd --help'\", \"nearest_ohms\": "
     "[]}\n",
     "stripewise: unknown option '--size'; see 'stripewise smd --help'\n"},
    {{"value", "red", "--bands", "4"},
     "",
     2,
     "",
     "stripewise: option '--bands' belongs to 'bands', not 'value'\n"},
    {{"bands", "1k", "--series"}, "", 2, "", "stripewise: option '--series' needs a value\n"},
    {{"smd", "472", "--json=yes"}, "", 2, "", "stripewise: option '--json' takes no value\n"},
    {{"bands", "1k", "--tolerance", "3"},
     "",
     2,
     "",
     "stripewise: no tolerance band is 3 % (--tolerance)\n"},
    {{"bands", "1k", "--bands", "6"},
     "",
     2,
     "",
     "stripewise: six bands need a temperature coefficient (--tempco PPM)\n"},
    // Read, but not codable: named briefly, with the nearest codable values.
    {{"bands", "4.75k", "--json"},
     "",
     1,
     "{\"error\": \"4.75 k\u03A9 cannot be coded exactly on four bands; nearest: 4.7 k\u03A9 and "
     "4.8 k\u03A9, or five bands\", \"nearest_ohms\": [4700, 4800]}\n",
     "stripewise: 4.75 k\u03A9 cannot be coded exactly on four bands; nearest: 4.7 k\u03A9 and "
     "4.8 k\u03A9, or five bands\n"},
    {{"bands", "99999999999999999"},
     "",
     1,
     "",
     "stripewise: 99.9999999999999\u2026e15 \u03A9 cannot be coded exactly on four bands; "
     "nearest: 99 G\u03A9\n"},
    {{"bands", "1e-400", "--bands", "5"},
     "",
     1,
     "",
     "stripewise: 100e-402 \u03A9 cannot be coded exactly on five bands; nearest: 0 \u03A9 and "
     "100 m\u03A9\n"},
    {{"bands", "0." + std::string(996, '0') + "47e999999"},
     "",
     1,
     "",
     "stripewise: 470e999000 \u03A9 cannot be coded exactly on four bands; nearest: 99 G\u03A9\n"},
    {{"smd", "1RE5"}, "", 2, "", "stripewise: cannot read '1RE5' as a surface-mount marking\n"},
    // Refused words shown so that they cannot act on the terminal.
    {{"value", "\x1b[2Jred\nforged", "red", "red"},
     "",
     2,
     "",
     "stripewise: '\\x1b[2Jred\\x0aforged' is not a colour\n"},
    {{"smd", "\u202e274", "--json"},
     "",
     2,
     "{\"error\": \"cannot read '\\\\u202e274' as a surface-mount marking\", \"nearest_ohms\": "
     "[]}\n",
     "stripewise: cannot read '\\u202e274' as a surface-mount marking\n"},
    {{"smd", "\xff\xfe", "--json"},
     "",
     2,
     "{\"error\": \"cannot read '\uFFFD\uFFFD' as a surface-mount marking\", \"nearest_ohms\": "
     "[]}\n",
     "stripewise: cannot read '\uFFFD\uFFFD' as a surface-mount marking\n"},
    {{"bands", std::string(std::size_t{100} * 1024, '9') + "x"},
     "",
     2,
     "",
     "stripewise: cannot read '" + std::string(40, '9') +
         "\u2026' (102401 characters) as a resistance\n"},
    // A line too long is refused without being held; the rest go on.
    {{"smd", "-"},
     std::string(5000, '4') + "\n472\n",
     2,
     "4.7 k\u03A9, tolerance not marked; series E3, E6, E12, E24, E192\n",
     "stripewise: a line of 5000 bytes; a question is at most 4096\n"},
};

TEST(CodesCommand, AnswersEachQuestionOnOneLineWithItsStatus) {
  for (const Asked& asked : kAsked) {
    std::vector<std::string> words = asked.args;
    std::vector<char*> args;
    args.reserve(words.size());
    for (std::string& word : words) args.push_back(word.data());
    const Stream in(asked.input), out, err;
    const std::string where = asked.args[0] + " " + asked.args[1].substr(0, 40);
    EXPECT_TRUE(IsCodesCommand(args));
    EXPECT_EQ(RunCodesCommand(args, in.Fd(), out.Fd(), err.Fd()), asked.status) << where;
    EXPECT_EQ(out.Text(), asked.out) << where;
    EXPECT_EQ(err.Text(), asked.err) << where;
  }
}

// -h and --help after every subcommand print its synopsis and options.
TEST(CodesCommand, HelpsAfterEverySubcommand) {
  for (const char* subcommand : {"value", "bands", "smd"}) {
    for (const char* help : {"-h", "--help"}) {
      std::string words[] = {subcommand, "472", help};
      char* args[] = {words[0].data(), words[1].data(), words[2].data()};
      const Stream in, out, err;
      EXPECT_EQ(RunCodesCommand(args, in.Fd(), out.Fd(), err.Fd()), 0);
      EXPECT_TRUE(out.Text().starts_with("Usage: stripewise " + words[0] + " ")) << out.Text();
      EXPECT_NE(out.Text().find("-h, --help"), std::string::npos) << subcommand;
      EXPECT_EQ(err.Text(), "");
    }
  }
}

}  // namespace
}  // namespace stripewise::cli
