#pragma once

#include <array>

#include "MainWindowLayout.h"
#include "PromptAnswerer.h"

// The prompt window that asks how to go on with an image, one instance per kind of question.
// What each kind shows and answers, and the designed form they share, at 96 dots per inch.

// Result codes of a showing.
inline constexpr int kPromptGoOn = 1;  // OK, "List Anyway"
inline constexpr int kPromptStop = 2;  // Cancel, "Abort"; the close box in every kind

struct PromptKind {
  quillane::Question question;
  const char* caption;
  const char* button1;  // result kPromptGoOn
  const char* button4;  // result kPromptStop; nullptr: hidden
  int escape_result;
  bool layout_buttons;  // the four radio buttons of the layout choice
};

inline constexpr std::array<PromptKind, 3> kPromptKinds = {{
    {quillane::Question::Crosslink, "Crosslinked Entry...", "List Anyway", "Abort", kPromptStop,
     false},
    {quillane::Question::UnsupportedSize, "Unsupported Filesize...", "OK", nullptr, kPromptGoOn,
     false},
    {quillane::Question::Layout, "Extended BAM could not be detected...", "OK", "Cancel",
     kPromptStop, true},
}};

constexpr const PromptKind& PromptKindOf(quillane::Question question) {
  return kPromptKinds[quillane::QuestionSlot(question)];
}
static_assert(kPromptKinds.size() == quillane::kQuestionCount);
static_assert(kPromptKinds[quillane::QuestionSlot(quillane::Question::Layout)].question ==
              quillane::Question::Layout);

// The form: three full-width bands, top to bottom; places are relative to their band.
inline constexpr int kPromptClientWidth = 391;
inline constexpr int kPromptClientHeight = 121;
// Kind 6: the middle band grows from 25 to 96 pixels to hold the message line and the four
// layout buttons (the last ends at 93), 215 pixels high with title bar and borders.
inline constexpr int kLayoutPromptClientHeight = 192;
inline constexpr int kLayoutPromptOuterHeight = 215;
inline constexpr int kPromptTopBandHeight = 33;                  // Panel2
inline constexpr int kPromptBottomBandHeight = 63;               // Panel1
inline constexpr ControlPlace kPromptFileName{16, 12, 361, 21};  // Edit1, in the top band
inline constexpr ControlPlace kPromptMessage{16, 8, 371, 17};    // Label1, in the middle band
inline constexpr ControlPlace kPromptDontAsk{16, 6, 201, 17};    // CheckBox1, bottom band
inline constexpr ControlPlace kPromptButton1{16, 30, 75, 25};    // Button1, bottom band
inline constexpr ControlPlace kPromptButton4{304, 30, 75, 25};   // Button4, bottom band
// Button2 and Button3 stand at x 112 and 208 and stay hidden in every kind.
inline constexpr int kPromptHiddenButtonX[] = {112, 208};
inline constexpr char kPromptDontAskCaption[] = "Don't ask me again during this session";

// The layout choice of kind 6: RadioButton1 to RadioButton4 in the middle band, 17 pixels high,
// in the order of the layouts they choose.
struct LayoutButton {
  const char* caption;
  int y;
  quillane::GeometryMode layout;
};
inline constexpr int kLayoutButtonX = 16;
inline constexpr int kLayoutButtonHeight = 17;
inline constexpr std::array<LayoutButton, 4> kLayoutButtons = {{
    {"Original", 28, quillane::GeometryMode::Original},
    {"SpeedDOS", 44, quillane::GeometryMode::SpeedDOS},
    {"DolphinDOS", 60, quillane::GeometryMode::DolphinDOS},
    {"PrologicDOS", 76, quillane::GeometryMode::PrologicDOS},
}};
