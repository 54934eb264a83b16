// voln-tvk export FILE.TVK --dxf OUT.dxf [--storey N] [--no-quarters] [--no-centres]: the
// structural plans after the calculation the report command runs, as one DXF file.
#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>

#include "app/batch_project.h"
#include "app/calc_results.h"
#include "app/checks_table.h"
#include "app/cli.h"
#include "editor/document.h"
#include "export/plan_export.h"
#include "model/building.h"
#include "model/safe_file.h"

namespace tvk {

namespace {

const char* const kExportUsage =
    "usage: voln-tvk export FILE.TVK --dxf OUT.dxf [--storey N] [--no-quarters] [--no-centres]\n";

struct ExportArgs {
  std::string input;
  std::string output;
  DxfExportOptions options;
};

std::optional<int> StoreyNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}

std::optional<ExportArgs> ParseExportArgs(const std::vector<std::string>& args) {
  ExportArgs parsed;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const bool hasValue = k + 1 < args.size();
    if (a == "--dxf" && hasValue && parsed.output.empty()) {
      parsed.output = args[++k];
    } else if (a == "--storey" && hasValue && parsed.options.storey == 0) {
      const std::optional<int> storey = StoreyNumber(args[++k]);
      if (!storey) return std::nullopt;
      parsed.options.storey = *storey;
    } else if (a == "--no-quarters") {
      parsed.options.quarters = false;
    } else if (a == "--no-centres") {
      parsed.options.centres = false;
    } else if (!a.empty() && a[0] != '-' && parsed.input.empty()) {
      parsed.input = a;
    } else {
      return std::nullopt;
    }
  }
  if (parsed.input.empty() || parsed.output.empty()) return std::nullopt;
  return parsed;
}

}  // namespace

int RunExportCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const std::optional<ExportArgs> parsed = ParseExportArgs(args);
  if (!parsed) {
    err << kExportUsage;
    return kExitUsage;
  }
  std::error_code ignored;
  if (std::filesystem::equivalent(parsed->input, parsed->output, ignored)) {
    err << "voln-tvk export: " << parsed->output << ": the DXF would replace the project file\n";
    return kExitUsage;
  }
  Document document;
  if (!LoadBatchProject(parsed->input, document, err, "export")) return kExitRefused;
  const Building& building = document.building();
  if (parsed->options.storey > building.Storeys()) {
    err << "voln-tvk export: --storey " << parsed->options.storey << ": the building has " << building.Storeys()
        << (building.Storeys() == 1 ? " storey\n" : " storeys\n");
    return kExitUsage;
  }
  const CalcResults& results = document.results();
  const DxfPlans plans = PlanDxf(building, results, parsed->options);
  if (const FileResult written = WriteFileAtomically(parsed->output, plans.bytes); !written.ok) {
    err << "voln-tvk export: " << parsed->output << ": " << written.message << "\n";
    return kExitRefused;
  }
  if (!plans.quartersLacking.Empty()) {
    err << "voln-tvk export: quarter strips left out where the building profile lacks: "
        << MissingText(plans.quartersLacking) << "\n";
  }
  PrintCalculationWarnings(building, results, err, "export");
  return kExitOk;
}

}  // namespace tvk
