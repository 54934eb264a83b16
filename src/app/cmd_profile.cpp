// voln-tvk profile FILE.TVK [KEY=VALUE ...]: prints the building profile, or sets fields
// and saves the project. Every assignment is checked before anything is written, so a bad
// one leaves the file as it was.

#include <ostream>

#include "app/batch_project.h"
#include "app/cli.h"
#include "editor/commands.h"
#include "editor/document.h"
#include "model/profile_store.h"
#include "model/profile_text.h"
#include "model/project_file.h"

namespace tvk {

namespace {

std::string Usage() {
  std::string text =
      "usage: voln-tvk profile FILE.TVK [KEY=VALUE ...]\n"
      "without assignments it prints the profile; an empty VALUE clears a field. Keys:\n";
  for (const ProfileFieldInfo& info : AllProfileFields()) {
    std::string key = std::string("  ") + info.key;
    key.resize(22, ' ');
    text += key + info.label + (info.twoStoreys ? " (２階建てのみ)" : "") + ": " + ValueForm(info) + "\n";
  }
  return text;
}

struct Refusal {
  std::string message;
  bool listKeys = false;  // the argument named no key
};

// Applies the assignments to the profile; the first one that cannot be taken ends it with
// the message naming it.
std::optional<Refusal> Apply(const std::vector<std::string>& assignments, int storeys, BuildingProfile& profile) {
  for (const std::string& a : assignments) {
    const size_t equals = a.find('=');
    if (equals == std::string::npos) return Refusal{a + ": KEY=VALUE expected", true};
    const std::string key = a.substr(0, equals);
    const ProfileFieldInfo* info = FindProfileField(key);
    if (info == nullptr) return Refusal{"unknown key " + key, true};
    if (auto bad = SetFieldText(profile, info->id, std::string_view(a).substr(equals + 1))) {
      return Refusal{"bad value " + a + ": " + *bad};
    }
  }
  if (auto bad = CheckProfile(profile, storeys)) {
    return Refusal{std::string(FieldInfo(bad->field).key) + ": " + bad->message};
  }
  return std::nullopt;
}

}  // namespace

int RunProfileCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0].empty() || args[0][0] == '-') {
    err << Usage();
    return kExitUsage;
  }
  Document document;
  if (!LoadBatchProject(args[0], document, err, "profile")) return kExitRefused;
  const Building& b = document.building();
  BuildingProfile profile = ReadProfile(b);
  if (args.size() > 1) {
    const std::vector<std::string> assignments(args.begin() + 1, args.end());
    if (auto refusal = Apply(assignments, b.Storeys(), profile)) {
      err << "voln-tvk profile: " << refusal->message << "\n" << (refusal->listKeys ? Usage() : "");
      return kExitUsage;
    }
    const BuildingInfo before = b.Info;
    document.apply(ProfileCommand(profile));
    if (b.Info != before) {
      if (const FileResult saved = document.save(); !saved.ok) {
        err << "voln-tvk profile: " << args[0] << ": " << saved.message << "\n";
        return kExitRefused;
      }
    }
  }
  out << ProfileText(profile, b.Storeys());
  return kExitOk;
}

}  // namespace tvk
