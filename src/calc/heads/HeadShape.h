#pragma once
// A head as the user describes it, before the shell's diameter is known:
// its kind and the numbers that kind takes. Heads.h turns a description
// into a head of a given diameter.

#include <string>
#include <string_view>

namespace tankora {

enum class HeadKind {
    Flat, // depth 0
    Ellipsoidal, // half an ellipsoid of revolution of depth b (hemispherical: b = D/2)
    Torispherical, // a spherical crown of radius f*D on a toroidal knuckle of radius k*D
    Conical, // a cone whose apex lies a beyond the shell
};

struct HeadShape
{
    HeadKind kind = HeadKind::Flat;
    double depth = 0; // m: b for ellipsoidal, a for conical heads
    double crown = 0; // f: crown radius over D (torispherical)
    double knuckle = 0; // k: knuckle radius over D (torispherical)

    bool operator==(const HeadShape&) const = default;
};

HeadShape FlatHeadShape();
// An ellipsoidal or conical head of depth 0 is a flat one.
HeadShape EllipsoidalHeadShape(double depth);
HeadShape ConicalHeadShape(double apexDepth);
HeadShape TorisphericalHeadShape(double crown, double knuckle);

// The kind's name in JSON and on the command line: "flat", "ellipsoidal",
// "torispherical", "conical".
std::string_view HeadKindName(HeadKind kind);

// Why `headShape` describes no head, in one line ("the knuckle radius ... must
// lie between ..."), or an empty text when it describes one. Depths must be
// finite and not negative; a torispherical head needs 0 < k < 0.5 and
// f >= 0.5: a smaller crown could not reach the knuckle, and a knuckle
// half the diameter leaves no crown.
std::string HeadShapeProblem(const HeadShape& headShape);

} // namespace tankora
