#pragma once
// An exported DXF file as the independent reader (Debian's python3-ezdxf, run through the
// system Python) sees it: header, layers, text styles and model-space entities.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/command_run.h"

namespace tvk::test {

struct DxfEntity {
  std::string layer;
  std::string type;  // LINE, LWPOLYLINE, SOLID, CIRCLE, TEXT
  int colour = 256;
  bool closed = false;
  std::vector<double> numbers;  // see tests/support/read_dxf.py
  std::string text;
};

struct DxfLayer {
  std::string linetype;
  int colour = 0;
};

struct DxfStyle {
  std::string font;
  std::string family;
};

struct DxfReadBack {
  bool read = false;  // the reader opened the file
  std::string error;  // what it said when it did not
  std::string version;
  std::string encoding;
  int insunits = 0;
  std::string codepage;
  int auditErrors = -1;
  bool seedAboveHandles = false;  // $HANDSEED is above every handle of the file
  std::map<std::string, DxfLayer> layers;
  std::map<std::string, DxfStyle> styles;
  std::vector<DxfEntity> entities;

  // The entities of a layer whose name starts with prefix, of one type ("" any).
  std::vector<const DxfEntity*> Of(const std::string& prefix, const std::string& type = "") const {
    std::vector<const DxfEntity*> found;
    for (const DxfEntity& e : entities) {
      if (e.layer.rfind(prefix + " ", 0) == 0 && (type.empty() || e.type == type)) found.push_back(&e);
    }
    return found;
  }
};

inline std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '\t')) fields.push_back(field);
  return fields;
}

inline void ReadRecord(DxfReadBack& r, const std::vector<std::string>& f) {
  if (f[0] == "HEADER" && f.size() >= 7) {
    r.version = f[1];
    r.encoding = f[2];
    r.insunits = std::stoi(f[3]);
    r.codepage = f[4];
    r.auditErrors = std::stoi(f[5]);
    r.seedAboveHandles = f[6] == "1";
  } else if (f[0] == "LAYER" && f.size() >= 4) {
    r.layers[f[1]] = {f[2], std::stoi(f[3])};
  } else if (f[0] == "STYLE" && f.size() >= 3) {
    r.styles[f[1]] = {f[2], f.size() >= 4 ? f[3] : ""};
  } else if (f[0] == "ENTITY" && f.size() >= 5) {
    DxfEntity e{f[1], f[2], std::stoi(f[3]), f[4] == "1", {}, {}};
    const size_t numbers = e.type == "TEXT" ? 6 : f.size() - 5;
    for (size_t k = 5; k < 5 + numbers && k < f.size(); ++k) e.numbers.push_back(std::stod(f[k]));
    if (e.type == "TEXT" && f.size() > 11) e.text = f[11];
    r.entities.push_back(std::move(e));
  }
}

// Runs the reader on path; scratch: a folder for its output.
inline DxfReadBack ReadBackDxf(const std::string& path, const std::string& scratch) {
  const std::string script = std::string(TVK_SOURCE_DIR) + "/tests/support/read_dxf.py";
  const CommandRun run = RunCommand(TVK_PYTHON, ShellQuoted(script) + " " + ShellQuoted(path), scratch);
  DxfReadBack r;
  r.read = run.exitCode == 0;
  r.error = run.err;
  std::istringstream lines(run.out);
  std::string line;
  while (std::getline(lines, line)) {
    const std::vector<std::string> fields = SplitTabs(line);
    if (!fields.empty()) ReadRecord(r, fields);
  }
  return r;
}

}  // namespace tvk::test
