#include "ui/preview/preview_texts.h"

#include "engine/full_calculation.h"
#include "model/building.h"
#include "model/path_parts.h"
#include "ui/dialogs/printer_select_dialog.h"

namespace tvk {

const std::array<ContentsEntry, kReportEntryCount>& ContentsEntries() {
  static const std::array<ContentsEntry, kReportEntryCount> entries{{
      {"", "表紙", ReportEntry::Cover},
      {"１．概要", "1.1. 設計方針", ReportEntry::Policy},
      {"１．概要", "1.2. Ｎ値計算方法", ReportEntry::Method},
      {"１．概要", "1.3. 接合金物リスト", ReportEntry::HardwareList},
      {"１．概要", "1.4. 耐力壁リスト", ReportEntry::WallList},
      {"１．概要", "1.5. 耐力壁伏図", ReportEntry::WallPlans},
      {"１．概要", "1.6. 耐力壁軸組図", ReportEntry::WallFrames},
      {"２．接合金物", "2.1. 接合金物伏図", ReportEntry::HardwarePlans},
      {"２．接合金物", "2.2. 接合金物軸組図", ReportEntry::HardwareFrames},
      {"２．接合金物", "2.3. Ｎ値･接合金物 算定結果一覧表", ReportEntry::Results},
      {"３．接合金物資料", "3.1. 金物許容耐力       一覧表", ReportEntry::Strengths},
      {"３．接合金物資料", "3.2. 接合金物の仕様", ReportEntry::JointDetails},
      {"４．壁量の検討", "4.1. 建物仕様", ReportEntry::WallProfile},
      {"４．壁量の検討", "4.2. 地震力に対する必要壁量", ReportEntry::WallEarthquake},
      {"４．壁量の検討", "4.3. 風圧力に対する必要壁量", ReportEntry::WallWind},
      {"４．壁量の検討", "4.4. 壁量の判定", ReportEntry::WallJudgement},
      {"４．壁量の検討", "4.5. 四分割法による壁配置", ReportEntry::WallQuarters},
      {"５．柱の小径の検討", "5.1. 柱の小径と負担可能面積", ReportEntry::ColumnDiameter},
      {"５．柱の小径の検討", "5.2. 柱の負担面積図", ReportEntry::ColumnAreas},
      {"５．柱の小径の検討", "5.3. 柱の負担面積の検定", ReportEntry::ColumnCheck},
  }};
  return entries;
}

std::string LOptionText(int lMethod) {
  return lMethod == 1 ? "２階柱の押さえ効果を考慮する" : "『改正建築基準法(二年目施行)の解説』による";
}

std::string NotTransmittedQuestion() {
  return std::string(kNotTransmittedWarning) +
         "\n\nただし、｢VOLN-TVK｣ では直交梁の梁仕口の勝ち負けを考慮してい\n"
         "ませんので、実プランと異なることがあります。\n"
         "「二年目の施行」では、直交梁の影響を要求されていませんので、\n"
         "この場合は、設計者の判断によります。\n"
         "直交梁による柱引抜き力の考慮・非考慮は、[設定]-[直交梁の影響]で\n"
         "変更可能です。\n\n"
         "このまま計算書を作成しますか？";
}

std::string PrintAllQuestion(const QString& printerName) {
  return "作成した計算書(全ページ)をプリンターへ出力します。\rよろしいですか？\r\r" + PrinterNameLine(printerName);
}

std::string PrintPageQuestion(const QString& printerName) {
  return "現在、表示されているページのみ印刷します。\r\r" + PrinterNameLine(printerName);
}

std::string BuildingFileName(const std::string& prefix, const Building& building) {
  std::string name = TrimBlanks(building.Info.BuildingName);
  // A separator in the building name would send the file into another folder.
  for (char& c : name) {
    if (c == '/' || c == '\\') c = '_';
  }
  return prefix + name;
}

std::string PdfDefaultName(const Building& building) { return BuildingFileName("Ｎ値計算書_", building); }

std::string PdfDialogName(const Building& building) {
  const std::string name = PdfDefaultName(building);
  return name.find('.') == std::string::npos ? name : name + ".pdf";
}

std::string PdfOverwriteQuestion(const std::string& path) {
  return path + "\r\rはすでに存在します。\r\r上書きしてもよろしいですか。";
}

std::string PdfWrittenQuestion(const std::string& path) {
  return path + "\n\nを作成しました。\n\n作成した PDF を表示しますか？";
}

std::string NotFoundMessage(const std::string& path) { return path + " が見つかりません。"; }

std::string NoPdfViewerMessage(const std::string& path) {
  return "PDF を表示するプログラムを起動できませんでした。\n\nPDF は次のファイルに作成されています。\n" + path;
}

}  // namespace tvk
