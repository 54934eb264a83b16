#include "app/batch_project.h"

#include <ostream>

#include "engine/eccentricity.h"
#include "engine/n_value.h"
#include "engine/transmission.h"
#include "model/building.h"
#include "model/project_file.h"

namespace tvk {

namespace {

void PrintMessage(std::ostream& err, std::string_view command, const std::string& path, const std::string& message) {
  err << "voln-tvk " << command << ": " << path << ": " << message << "\n";
}

}  // namespace

bool LoadBatchProject(const std::string& path, Building& building, std::ostream& err, std::string_view command) {
  if (const auto refusal = CheckProductCode(path)) {
    PrintMessage(err, command, path, *refusal);
    return false;
  }
  if (const FileResult loaded = LoadProject(building, path); !loaded.ok) {
    PrintMessage(err, command, path, loaded.message);
    return false;
  }
  return true;
}

void RunFullCalculation(Building& building, bool noAutoPlacement) {
  MarkWallLines(building);
  RefreshBeamRuns(building);
  CalcAllN(building, noAutoPlacement);
  UpdateEccentricity(building);
}

bool WarnNotTransmitted(const Building& building) {
  return building.NotTransmitted != 0 && building.Settings.NoCrossBeamWarning == 0;
}

}  // namespace tvk
