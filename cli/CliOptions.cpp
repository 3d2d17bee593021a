#include "CliOptions.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

#include "ListingPicture.h"

namespace quillane::cli {
namespace {

template <typename T, std::size_t N>
std::optional<T> Lookup(const std::array<std::pair<std::string_view, T>, N>& table,
                        std::string_view word) {
  for (const auto& [name, value] : table) {
    if (name == word) return value;
  }
  return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, Charset>, 2> kCharsets{{
    {"upper", Charset::UpperGraphics},
    {"lower", Charset::UpperLower},
}};

constexpr std::array<std::pair<std::string_view, ColorChoice>, 3> kColors{{
    {"auto", ColorChoice::Auto},
    {"always", ColorChoice::Always},
    {"never", ColorChoice::Never},
}};

constexpr std::array<std::pair<std::string_view, GeometryMode>, 5> kLayouts{{
    {"original", GeometryMode::Original},
    {"speeddos", GeometryMode::SpeedDOS},
    {"dolphindos", GeometryMode::DolphinDOS},
    {"prologicdos", GeometryMode::PrologicDOS},
    {"cancel", GeometryMode::NotListable},
}};

constexpr std::array<std::pair<std::string_view, CrosslinkAnswer>, 3> kCrosslinks{{
    {"abort", CrosslinkAnswer::Abort},
    {"list", CrosslinkAnswer::List},
    {"list-once", CrosslinkAnswer::ListOnce},
}};

template <typename T, std::size_t N>
std::string_view WordOf(const std::array<std::pair<std::string_view, T>, N>& table, T value) {
  for (const auto& [name, v] : table) {
    if (v == value) return name;
  }
  return {};
}

// A whole decimal number from low to high.
std::optional<int> NumberIn(std::string_view text, int low, int high) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < low || number > high)
    return std::nullopt;
  return number;
}

ParsedCommandLine Error(std::string text) {
  ParsedCommandLine result;
  result.action = ParsedCommandLine::Action::UsageError;
  result.error = std::move(text);
  return result;
}

}  // namespace

const char* const kUsage =
    "usage: quillane-dir [--charset upper|lower] [--color auto|always|never] [--dump|--json]\n"
    "                    [--layout original|speeddos|dolphindos|prologicdos|cancel]\n"
    "                    [--crosslinks abort|list|list-once] [-r] IMAGE...\n"
    "       quillane-dir --png FILE [--scale N] [--png-size N] [options] IMAGE\n";

const char* const kHelp =
    "Lists the directory of Commodore 1541 disk images (.d64) as a C64 shows it.\n"
    "\n"
    "  --charset upper|lower   character set: upper case and graphics (default), or\n"
    "                          upper and lower case\n"
    "  --color auto|always|never\n"
    "                          reverse video as ANSI escapes: when writing to a terminal\n"
    "                          (default), always, or never\n"
    "  --dump                  a machine-readable event stream instead of the listing:\n"
    "                          '# image PATH', '# unreadable', '# prompt KIND TEXT',\n"
    "                          '# mode N', '# message TEXT', and one\n"
    "                          'ROW<TAB>TEXTHEX<TAB>REVHEX' line per row\n"
    "  --json                  a catalogue instead of the listing: one JSON object per\n"
    "                          image and line: path (and its bytes in hex), outcome,\n"
    "                          mode, prompts, messages, header, entries (stored bytes,\n"
    "                          type, flags and row), blocks free, how the listing ended\n"
    "  --layout original|speeddos|dolphindos|prologicdos|cancel\n"
    "                          answer to 'Handle this Image as:' for a 40-track image\n"
    "                          without a recognised extended BAM (default cancel: not\n"
    "                          listed); a layout is chosen once for the whole run\n"
    "  --crosslinks abort|list|list-once\n"
    "                          answer to a crosslinked directory: stop; list anyway every\n"
    "                          time; or (default) list anyway with \"Don't ask me again\"\n"
    "                          ticked: asked once a run, and from then on a walk ends at\n"
    "                          its second crosslink\n"
    "  --png FILE              write the listing of the one IMAGE to FILE as a PNG picture\n"
    "                          instead of text: the window's look, cells of 8 x N pixels,\n"
    "                          at least 40 columns wide, no file when nothing is listed\n"
    "  --scale N               the picture's cells 8 x N pixels, N from 1 to 8 (default 2)\n"
    "  --png-size N            shrink the picture to fit N x N pixels keeping its aspect,\n"
    "                          each pixel the average of those it covers (for thumbnails);\n"
    "                          a smaller picture stays as it is\n"
    "  -r, --recursive         list every image beneath the folders given, and the images\n"
    "                          of every archive there, in sorted order\n"
    "  --help                  show this help and exit\n"
    "  --version               show the version and exit\n"
    "\n"
    "IMAGE is a .d64 file; a .d64.gz file; an archive (zip, 7z, rar, tar and its gzip,\n"
    "bzip2, xz and zstd forms), whose members named *.d64 are listed in archive order,\n"
    "each as ARCHIVE/MEMBER; or such an ARCHIVE/MEMBER path itself. Members are read\n"
    "into memory, never unpacked to disk; archives inside an archive are not entered.\n"
    "\n"
    "Prompts and messages go to standard error as 'quillane-dir: PATH: TEXT'.\n"
    "Paths and messages are written with a backslash as '\\\\', a newline as '\\n', a tab\n"
    "as '\\t', and every other control character and byte that is not UTF-8 as '\\xNN'.\n"
    "Exit status: 0 all images listed, 1 usage error, 2 an image could not be opened\n"
    "or read, 3 an image was not listable (unsupported size, layout question\n"
    "cancelled), 4 output or the picture could not be written; with several images the\n"
    "highest.\n";

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine result;
  CliOptions& options = result.options;
  bool only_images = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (only_images || arg.size() < 2 || arg[0] != '-') {
      options.images.push_back(arg);
      continue;
    }
    if (arg == "--") {
      only_images = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      result.action = ParsedCommandLine::Action::Help;
      return result;
    }
    if (arg == "--version") {
      result.action = ParsedCommandLine::Action::Version;
      return result;
    }
    if (arg == "-r" || arg == "--recursive") {
      options.recursive = true;
      continue;
    }
    if (arg == "--dump" || arg == "--json") {
      options.form = arg == "--dump" ? OutputForm::Dump : OutputForm::Json;
      continue;
    }

    // Options with a value: "--name value" or "--name=value".
    std::string name = arg;
    std::optional<std::string> value;
    if (const auto equals = arg.find('='); equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    const bool takes_value = name == "--charset" || name == "--color" || name == "--layout" ||
                             name == "--crosslinks" || name == "--png" || name == "--scale" ||
                             name == "--png-size";
    if (!takes_value) return Error("unknown option '" + arg + "'");
    if (!value) {
      if (i + 1 >= args.size()) return Error("option '" + name + "' needs a value");
      value = args[++i];
    }
    bool known = false;
    if (name == "--charset") {
      if (const auto v = Lookup(kCharsets, *value)) options.charset = *v, known = true;
    } else if (name == "--color") {
      if (const auto v = Lookup(kColors, *value)) options.color = *v, known = true;
    } else if (name == "--layout") {
      if (const auto v = Lookup(kLayouts, *value)) options.layout = *v, known = true;
    } else if (name == "--crosslinks") {
      if (const auto v = Lookup(kCrosslinks, *value)) options.crosslinks = *v, known = true;
    } else if (name == "--png") {
      options.png = *value, known = !value->empty();
    } else if (name == "--scale") {
      if (const auto v = NumberIn(*value, kMinScale, kMaxScale)) options.scale = *v, known = true;
    } else {
      const auto v = NumberIn(*value, 1, std::numeric_limits<int>::max());
      if (v) options.png_size = *v, known = true;
    }
    if (!known) return Error("invalid value '" + *value + "' for option '" + name + "'");
  }
  if (options.images.empty()) return Error("no image given");
  if (!options.png.empty() && options.images.size() != 1)
    return Error("--png writes the picture of exactly one image");
  if (!options.png.empty() && options.recursive) return Error("--png excludes --recursive");
  if (!options.png.empty() && options.form != OutputForm::Text)
    return Error("--png excludes --dump and --json");
  return result;
}

std::string_view CrosslinkAnswerWord(CrosslinkAnswer answer) {
  return WordOf(kCrosslinks, answer);
}

std::string_view LayoutWord(GeometryMode layout) {
  return WordOf(kLayouts, layout);
}

}  // namespace quillane::cli
