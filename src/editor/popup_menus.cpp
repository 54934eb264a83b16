#include "editor/popup_menus.h"

namespace tvk {

std::vector<PopupEntry> PopupEntries(PopupKind kind) {
  switch (kind) {
    case PopupKind::Zoom:
      return {{"全体表示", PopupChoice::ZoomWhole, false},
              {"120(%)", PopupChoice::Zoom120, false},
              {"150(%)", PopupChoice::Zoom150, false},
              {"200(%)", PopupChoice::Zoom200, false},
              {"ｷｬﾝｾﾙ", PopupChoice::Cancel, false}};
    case PopupKind::Delete:
      return {{"削除", PopupChoice::Delete, false}, {"ｷｬﾝｾﾙ", PopupChoice::Cancel, false}};
    case PopupKind::WallLayers:
      return {{"削除", PopupChoice::Cancel, true},
              {"筋かい", PopupChoice::DeleteBrace, false},
              {"面材", PopupChoice::DeleteSheathing, false},
              {"筋かい+面材", PopupChoice::DeleteBoth, false},
              {"準耐力壁等", PopupChoice::DeleteQuasi, false},
              {"ｷｬﾝｾﾙ", PopupChoice::Cancel, false}};
  }
  return {};
}

double ZoomFactorOf(PopupChoice choice) {
  switch (choice) {
    case PopupChoice::ZoomWhole:
      return 1.0;
    case PopupChoice::Zoom120:
      return 1.2;
    case PopupChoice::Zoom150:
      return 1.5;
    case PopupChoice::Zoom200:
      return 2.0;
    default:
      return 0.0;
  }
}

LayerSet LayersOf(PopupChoice choice) {
  switch (choice) {
    case PopupChoice::DeleteBrace:
      return LayerSet::Brace;
    case PopupChoice::DeleteSheathing:
      return LayerSet::Sheathing;
    case PopupChoice::DeleteBoth:
      return LayerSet::Both;
    case PopupChoice::DeleteQuasi:
      return LayerSet::Quasi;
    default:
      return LayerSet::None;
  }
}

}  // namespace tvk
