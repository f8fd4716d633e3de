// tolvex-keys: composes Hangul from two-set keystrokes on the command line.
//   tolvex-keys [--format NAME] [--table PATH] [--strip FILE] [TEXT...]
//   tolvex-keys --decode NAME [--format NAME] [--table PATH] [INPUT...]
// Each TEXT, or else each line of standard input, gives one line of output.
// Exit status: 0 done, 1 a text could not be converted or written, 2 bad usage.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "Console.h"
#include "Keys.h"
#include "Typing.h"
#include "Utf8.h"

namespace {

constexpr int ExitFailure = 1, ExitUsage = 2;

struct TOptionSpec {
  std::string_view Name;
  std::string TKeysOptions::*Field;
};

constexpr TOptionSpec OptionSpecs[] = {
    {"--format", &TKeysOptions::Format},
    {"--decode", &TKeysOptions::Decode},
    {"--table", &TKeysOptions::TablePath},
    {"--strip", &TKeysOptions::StripPath},
};

constexpr const char* Usage =
    "usage: tolvex-keys [--format NAME] [--table PATH] [--strip FILE] [TEXT...]\n"
    "       tolvex-keys --decode NAME [--format NAME] [--table PATH] [INPUT...]\n"
    "A letter is the PC key of that letter in the Korean two-set arrangement\n"
    "(upper case = with Shift), a space is the space key, and any other\n"
    "character is pasted as it is. Without TEXT, each line of standard input\n"
    "is one text. --format: utf8 (default), utf16le, euc-kr, dec, hex.\n"
    "--decode utf16le|euc-kr|ref reads all of standard input instead.\n";

void Complain(const std::string& message) { std::fprintf(stderr, "tolvex-keys: %s\n", message.c_str()); }

const TOptionSpec* FindOptionSpec(std::string_view name) {
  for (const TOptionSpec& spec : OptionSpecs)
    if (spec.Name == name) return &spec;
  return nullptr;
}

// Returns -1 when the options are good, else the exit status.
int ParseArguments(const std::vector<std::string>& args, TKeysOptions& options) {
  bool textsOnly = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (textsOnly || arg.size() < 2 || arg[0] != '-') {
      options.Texts.push_back(arg);
    } else if (arg == "--") {
      textsOnly = true;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(Usage, stdout);
      return 0;
    } else {
      const size_t equals = arg.find('=');
      const TOptionSpec* spec = FindOptionSpec(std::string_view(arg).substr(0, equals));
      if (spec == nullptr) {
        Complain("unknown option " + arg + " (try --help)");
        return ExitUsage;
      }
      if (equals != std::string::npos) {
        options.*spec->Field = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        options.*spec->Field = args[++i];
      } else {
        Complain(std::string(spec->Name) + " needs a value");
        return ExitUsage;
      }
    }
  }
  return -1;
}

// Returns -1 when this build can do what the options ask, else the exit status.
int CheckAvailable(const TKeysOptions& options) {
  if (!FindOutputFormat(options.Format)) {
    Complain(IsKnownFormat(options.Format) ? "--format " + options.Format + " is not available in this build"
                                           : "unknown format " + options.Format);
    return ExitUsage;
  }
  if (!options.Decode.empty() && !FindDecoder(options.Decode)) {
    Complain(IsKnownDecoder(options.Decode) ? "--decode " + options.Decode + " is not available in this build"
                                            : "unknown decoding " + options.Decode);
    return ExitUsage;
  }
  if (!options.StripPath.empty() && StripWriter() == nullptr) {
    Complain("--strip is not available in this build");
    return ExitUsage;
  }
  return -1;
}

std::string ReadAllInput() {
  std::string input;
  char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) input.append(chunk, got);
  return input;
}

// Lines end in LF or CR LF; a last line without a line end still counts.
std::vector<std::string> SplitLines(const std::string& input) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < input.size()) {
    size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    size_t stop = end;
    if (stop > start && input[stop - 1] == '\r') --stop;
    lines.push_back(input.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

std::vector<TTextList> ComposeTexts(const TKeysOptions& options, int& status) {
  std::vector<TTextList> texts;
  if (!options.Decode.empty()) {
    const TInputDecoder* decoder = FindDecoder(options.Decode);
    std::vector<std::string> inputs = options.Texts;
    if (inputs.empty()) inputs.push_back(ReadAllInput());
    for (const std::string& input : inputs) {
      TTextList text;
      std::string error;
      if (!decoder->Decode(input, options, text, error)) {
        Complain(error);
        status = ExitFailure;
      }
      texts.push_back(std::move(text));
    }
    return texts;
  }
  const std::vector<std::string> inputs = options.Texts.empty() ? SplitLines(ReadAllInput()) : options.Texts;
  for (const std::string& input : inputs) texts.push_back(TypeText(Utf8ToUtf16(input)));
  return texts;
}

int Run(const TKeysOptions& options) {
  int status = 0;
  const std::vector<TTextList> texts = ComposeTexts(options, status);
  const TOutputFormat* format = FindOutputFormat(options.Format);
  for (const TTextList& text : texts) {
    std::string out, error;
    if (!format->Write(text, options, out, error)) {
      Complain(error);
      status = ExitFailure;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  if (!options.StripPath.empty()) {
    // Like the window, the picture shows one text: the last one.
    std::string error;
    if (!StripWriter()(texts.empty() ? TTextList{} : texts.back(), options.StripPath, error)) {
      Complain(error);
      status = ExitFailure;
    }
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    Complain("cannot write the output");
    status = ExitFailure;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryStdio();
  TKeysOptions options;
  if (int status = ParseArguments(Utf8Arguments(argc, argv), options); status >= 0) return status;
  if (int status = CheckAvailable(options); status >= 0) return status;
  return Run(options);
}
