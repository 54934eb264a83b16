#pragma once
// What the next click on the plan does, in the words the status bar shows it.

#include <string>

namespace tvk {

class Building;
struct EditorState;

// "「筋かい(けさ掛け) 45×90 倍率 2.0」の始点をクリックしてください。", "削除する梁の終点を…",
// "削除する範囲の一方の角を…" and so on, from the category, the chosen kind, the edit mode
// and whether a first point is taken.
std::string NextClickPrompt(const Building& building, const EditorState& state);

}  // namespace tvk
