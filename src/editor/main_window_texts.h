#pragma once
// Texts and lists of the main window that follow from the building: the status bar, the
// frame figure lists, the eccentricity help and the option messages.

#include <array>
#include <string>
#include <vector>

#include "model/grid_types.h"

namespace tvk {

class Building;
class Document;

// The window title: the caption of the document's file, with "*" while it has unsaved
// changes.
std::string WindowTitle(const Document& document);

// The six status bar panels; panels 2 and 3 name the L method, 5 and 6 the orthogonal-beam
// transmission (1 and 4 are spacers).
std::array<std::string, 6> StatusBarTexts(const Building& building);

// One entry of a frame figure list: the line's name (trimmed) and its index.
struct FrameListEntry {
  std::string caption;
  int line = 0;

  bool operator==(const FrameListEntry&) const = default;
};
// X lines from index 1 upwards; Y lines from the highest index down, the
// plan's top line first.
std::vector<FrameListEntry> FrameListEntries(const Building& building, Dir dir);

// The "ﾍﾙﾌﾟ" text of the eccentricity panel.
extern const char* const kEccentricityHelp;
// Shown when "Ｎ値が １階＜２階 のとき１階の金物を２階に合わせる" is turned off.
extern const char* const kMatchOffMessage;
extern const char* const kMatchHint;
extern const char* const kMatchCaption;
extern const char* const kMatchTip;
extern const char* const kReportQuestion;
extern const char* const kClearHardwareQuestion;

// Help when the document is there but the desktop could start nothing to show it.
std::string NoHelpViewerMessage(const std::string& path);

// "ﾊﾞｰｼﾞｮﾝ情報(&V)".
std::string AboutText();

}  // namespace tvk
