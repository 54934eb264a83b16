// `voln-tvk info FILE.TVK`: the building outline and the members of every storey.

#include <ostream>

#include "app/batch_project.h"
#include "app/cli.h"
#include "editor/document.h"
#include "model/member_counts.h"
#include "model/number_format.h"
#include "model/path_parts.h"

namespace tvk {

namespace {

const char* YesNo(int32_t flag) { return flag != 0 ? "yes" : "no"; }

// "8 grids (16 spans)", or only the spans when they are no whole number of grids.
std::string GridText(int spans, int divisions) {
  const std::string spanText = std::to_string(spans) + " spans";
  if (divisions < 1 || spans % divisions != 0) return spanText;
  return std::to_string(spans / divisions) + " grids (" + spanText + ")";
}

std::string LineRange(const std::vector<std::string>& names) {
  return names.empty() ? std::string("-") : names.front() + " .. " + names.back();
}

// Which beams lie on top of the storey: the storey-2 floor beams, or the roof beams.
std::string BeamLabel(const Building& b, int storey) {
  if (storey < b.Storeys()) return "floor beams (２階 床梁)";
  return storey == 1 ? "roof beams (１階 小屋梁)" : "roof beams (２階 小屋梁)";
}

void PrintOutline(const Building& b, const std::string& path, std::ostream& out) {
  const BuildingInfo& info = b.Info;
  const CalcSettings& s = b.Settings;
  out << "file:        " << FileNamePart(path) << " (" << b.Header.VersionText << ")\n"
      << "building:    " << info.BuildingName << "\n"
      << "office:      " << info.OfficeName << "\n"
      << "person:      " << info.PersonName << "\n"
      << "cover:       office and person " << (info.HideOfficeOnCover != 0 ? "hidden" : "shown") << ", date "
      << (info.HideDateOnCover != 0 ? "hidden" : "shown") << "\n"
      << "storeys:     " << info.StoreyCount << "\n"
      << "grid:        X " << GridText(info.GridSpansX, info.GridDivisions) << ", Y "
      << GridText(info.GridSpansY, info.GridDivisions) << ", " << info.GridDivisions << " divisions, pitch "
      << FormatFixed(info.GridPitch, 3) << " m\n"
      << "line names:  X " << LineRange(s.LineNamesX) << " (style " << s.LineStyleX << "), Y "
      << LineRange(s.LineNamesY) << " (style " << s.LineStyleY << ")\n"
      << "options:     hardware shown when none placed: " << YesNo(s.AutoHardwareOnReport)
      << ", double-pull HD: " << YesNo(s.DoublePullHD) << ", L method: " << s.LMethod
      << ", orthogonal beams ignored: " << YesNo(s.IgnoreCrossBeam)
      << ", orthogonal-beam warning off: " << YesNo(s.NoCrossBeamWarning)
      << ", missing lower column transmits: " << YesNo(s.NoTransmitMissingColumn == 0)
      << ", 1F follows 2F: " << YesNo(s.Match1FTo2F) << ", max wall multiplier: " << FormatFixed(s.MaxWallMultiplier, 1)
      << ", sheathing adjustment: " << FormatFixed(s.SheathingAdjust, 1) << "\n";
}

void PrintStorey(const Building& b, int storey, std::ostream& out) {
  const StoreyMemberCounts c = CountStoreyMembers(b, storey);
  out << "\nstorey " << storey << ":\n"
      << "  columns:         " << c.storeyColumns + c.throughColumns << " (storey " << c.storeyColumns << ", through "
      << c.throughColumns << ")\n"
      << "  single braces:   " << c.singleBraces << "\n"
      << "  crossed braces:  " << c.crossedBraces << "\n"
      << "  sheathed walls:  " << c.sheathedWalls << "\n"
      << "  floor cells:     " << c.floorCells << "\n"
      << "  voids:           " << c.voidCells << "\n"
      << "  " << BeamLabel(b, storey) << ": " << c.beamSegments << " segments\n"
      << "  placed hardware: " << c.placedHardware << "\n";
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    err << "usage: voln-tvk info FILE.TVK\n";
    return kExitUsage;
  }
  Document document;
  if (!LoadBatchProject(args[0], document, err, "info")) return kExitRefused;
  const Building& b = document.building();
  PrintOutline(b, document.path(), out);
  for (int storey = 1; storey <= b.Storeys(); ++storey) PrintStorey(b, storey, out);
  return kExitOk;
}

}  // namespace tvk
