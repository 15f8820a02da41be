#pragma once
// The window's choice of head shape (one shape for both ends): what each
// entry of the list means, in list order. The window only passes the
// entered b and D through; the engine's TankHeads.h does the rest.

#include "calc/heads/HeadShape.h"

#include <span>
#include <string_view>

namespace tankora {

struct HeadChoice
{
    std::string_view caption; // the list entry as the program holds it
    HeadKind kind;
    double depthOverD; // > 0: a depth fixed by the diameter (2:1, hemispherical)
    std::string_view preset; // torispherical: the preset's name (TorisphericalPresets.h)
    std::string_view key; // the entry's name in the window's saved settings
};

// The list's entries in order; the first, semi-ellipsoidal heads of depth
// b, is the window's tank of old and the default.
std::span<const HeadChoice> HeadChoices();

// The entry whose settings name is `key`; -1 when none has it.
int HeadChoiceNamed(std::string_view key);

// True when the entry's heads take their depth from the b field
// (semi-ellipsoidal and conical heads); the field is disabled otherwise.
bool TakesDepth(int choice);

// The heads of entry `choice` for a shell of diameter `diameter` with b =
// `depth`, both in metres. An index outside the list is the first entry.
HeadShape HeadShapeFor(int choice, double depth, double diameter);

// The diagram for the entry: ":/pictures/HorizontalTank<shape>.svg" or the
// vertical one; semi-ellipsoidal heads (also 2:1 and hemispherical) keep
// the plain HorizontalTank.svg and VerticalTank.svg.
const char* TankPicture(int choice, bool horizontal);

} // namespace tankora
