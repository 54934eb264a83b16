#include "editor/main_window_texts.h"

#include "editor/document.h"
#include "editor/file_commands.h"
#include "model/path_parts.h"
#include "model/version.h"

namespace tvk {

const char* const kEccentricityHelp =
    "重心・剛心・偏心率について\n\n●表の偏心率の表示色\n   0～0.2：白,  0.2～0.3：黄,  0.3～：赤\n\n●図中記号\n"
    "   ◎：重心,  ×：剛心\n\n   内枠：偏心率 0.2 の許容偏心距離\n   外枠：偏心率 0.3 の許容偏心距離\n\n"
    "これらの数値・記号は、耐力壁および床を配置すると逐次変更・移動します。";
const char* const kMatchOffMessage =
    "既配置の場合は、ユーザー配置と認識し自動配置できません。\n[配置金物の初期化]"
    "ボタンで配置金物を初期化してください。";
const char* const kMatchHint = "上記「Ｎ値が１階＜２階 のとき･･･」のチェックをはずす場合は、一旦初期化してください";
const char* const kMatchCaption = "Ｎ値が １階＜２階 のとき１階の金物を２階に合わせる";
const char* const kMatchTip = "１階Ｎ値＜２階Ｎ値 のときに１階金物を２階の金物にあわせます";
const char* const kReportQuestion = "計算書を作成します。";
const char* const kClearHardwareQuestion =
    "すべての配置金物をクリアーします。\n\n計算書作成時には再び自動配置されます。";

std::string WindowTitle(const Document& document) { return WindowCaption(document) + (document.modified() ? "*" : ""); }

std::array<std::string, 6> StatusBarTexts(const Building& building) {
  const CalcSettings& s = building.Settings;
  return {"", "１階柱押さえ係数Ｌ ",           s.LMethod == 1 ? " ユーザー設定" : " 『二年目施行』 による",
          "", "直交梁による柱引抜き力の伝達 ", s.IgnoreCrossBeam == 1 ? " 非考慮" : " 考 慮"};
}

std::vector<FrameListEntry> FrameListEntries(const Building& building, Dir dir) {
  std::vector<FrameListEntry> entries;
  if (dir == Dir::X) {
    for (int i = 1; i <= building.PointsX(); ++i) entries.push_back({TrimBlanks(building.LineNameX(i)), i});
  } else {
    for (int j = building.PointsY(); j >= 1; --j) entries.push_back({TrimBlanks(building.LineNameY(j)), j});
  }
  return entries;
}

std::string NoHelpViewerMessage(const std::string& path) {
  return "ヘルプを表示するプログラムを起動できませんでした。\n\nヘルプは次のファイルにあります。\n" + path;
}

std::string AboutText() { return std::string(kProgramTitle) + "\n\n" + VersionText(); }

}  // namespace tvk
