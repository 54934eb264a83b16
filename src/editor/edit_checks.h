#pragma once
// Rules that refuse an edit before anything is written, and the hardware notice after
// a through-column is placed. Each returns the message to show, nullopt when it passes.

#include <optional>
#include <string>

#include "editor/edit_request.h"

namespace tvk {

class Building;

// Bearing walls in place and delete modes: a wall may only replace, or be laid over,
// a member of exactly the same extent; a deletion must name a member by its two ends.
std::optional<std::string> CheckWallOverlap(const Building& building, const EditRequest& edit);

// A partly sheathed wall to place: its heights and m0 as the file can keep them.
std::optional<std::string> CheckQuasiPlacement(const EditRequest& edit);

// Place mode: no wall across the middle of another wall or through a column, no
// column in the middle of a wall.
std::optional<std::string> CheckCrossing(const Building& building, const EditRequest& edit);

// The question before a group deletion of `name` inside a grid rectangle.
std::string GroupDeleteQuestion(const Building& building, const GridRect& rect, const std::string& name);

// Hardware already placed where a new through-column joins the storeys at `at`.
std::optional<std::string> ThroughColumnHardwareMessage(const Building& building, GridPos at);

}  // namespace tvk
