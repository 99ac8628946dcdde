#pragma once
#include "model/check_finding.h"

class ProfileFile;

// The [Button#N] sections of a saved file that loading drops (a size that is
// not positive, a place left of or above the menu, no action): the user drew
// them, but neither the editor nor the player shows them. One warning each,
// e.g. "[Button#1] is dropped when the project loads: width 0, height 0".
CheckFindings DroppedButtonFindings(const ProfileFile& ini);
