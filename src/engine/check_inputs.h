#pragma once
// What the 2025 checks read from the building profile and the plan, named so that a check
// that cannot run can say exactly what it lacks ("----" with the missing items). The
// profile's inputs carry the key and label of their profile field.

#include <cstdint>
#include <string>
#include <vector>

namespace tvk {

enum class CheckInput : uint8_t {
  H1,       // storey height of 1F
  H2,       // storey height of 2F
  Rise,     // roof beams to apex
  Eaves,    // wall centre to eave tip
  Pitch,    // roof pitch
  Roof,     // roof finish
  Wall,     // exterior wall finish
  Wood,     // column wood (Fc)
  Column1,  // column section of 1F
  Column2,  // column section of 2F
  Floor1,   // floor cells of 1F on the plan
  Floor2,   // floor cells of 2F on the plan
};

// ASCII key of an input, as the JSON output lists it (the profile's batch key).
const char* CheckInputKey(CheckInput field);
// The input's name in the program's texts (tooltips, report notes), as the profile dialog has it.
const char* CheckInputLabel(CheckInput field);

// A set of missing fields.
class MissingFields {
 public:
  void Add(CheckInput field) { bits_ |= Bit(field); }
  void Add(const MissingFields& other) { bits_ |= other.bits_; }
  bool Has(CheckInput field) const { return (bits_ & Bit(field)) != 0; }
  bool Empty() const { return bits_ == 0; }
  // The fields in declaration order.
  std::vector<CheckInput> List() const;

  bool operator==(const MissingFields&) const = default;

 private:
  static uint32_t Bit(CheckInput field) { return uint32_t{1} << static_cast<unsigned>(field); }
  uint32_t bits_ = 0;
};

// The labels of the missing fields in declaration order, joined by a separator.
std::string MissingFieldNames(const MissingFields& missing, const std::string& separator);

// Where a value shown with a check comes from.
enum class ValueSource : uint8_t {
  Formula,    // computed by the rule's formula
  Entered,    // entered by the designer in the profile
  Default,    // the rule's value for a field left empty
  Estimated,  // estimated from the plan (概算)
};

const char* ValueSourceKey(ValueSource source);

}  // namespace tvk
