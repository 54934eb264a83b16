#pragma once
// Setting up a document's building for a test: the document starts afresh from the
// changed building (not modified, nothing to undo), as after the new-data dialog.

#include <functional>

#include "editor/document.h"
#include "support/plan_builder.h"

namespace tvk::test {

inline void StartFrom(Document& doc, const std::function<void(Building&)>& change) {
  Building b = doc.building();
  change(b);
  doc.replace(std::move(b));
}

// An unsaved change that changes nothing, as a command the user gave would leave it.
inline void Touch(Document& doc) {
  doc.apply(Command{DocumentChange::Values(), {}, false, [](Building&) {}});
}

// PlanWriter's methods on the document's building, one set-up command each.
class DocumentPlan {
 public:
  explicit DocumentPlan(Document& doc) : b(doc.building()), doc_(doc) {}

  template <class... A>
  DocumentPlan& Column(A... a) {
    return Write([=](PlanWriter w) { w.Column(a...); });
  }
  DocumentPlan& ThroughColumn(int i, int j) {
    return Write([=](PlanWriter w) { w.ThroughColumn(i, j); });
  }
  template <class... A>
  DocumentPlan& Brace(A... a) {
    return Write([=](PlanWriter w) { w.Brace(a...); });
  }
  template <class... A>
  DocumentPlan& Sheathing(A... a) {
    return Write([=](PlanWriter w) { w.Sheathing(a...); });
  }
  template <class... A>
  DocumentPlan& Beam(A... a) {
    return Write([=](PlanWriter w) { w.Beam(a...); });
  }
  template <class... A>
  DocumentPlan& Quasi(A... a) {
    return Write([=](PlanWriter w) { w.Quasi(a...); });
  }
  template <class... A>
  DocumentPlan& Floor(A... a) {
    return Write([=](PlanWriter w) { w.Floor(a...); });
  }

  const Building& b;

 private:
  DocumentPlan& Write(const std::function<void(PlanWriter)>& write) {
    StartFrom(doc_, [&](Building& building) { write(PlanWriter(building)); });
    return *this;
  }

  Document& doc_;
};

}  // namespace tvk::test
