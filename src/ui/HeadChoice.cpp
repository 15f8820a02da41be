#include "ui/HeadChoice.h"

#include "calc/heads/TorisphericalPresets.h"

#include <array>

namespace tankora {
namespace {

constexpr std::array<HeadChoice, 10> kChoices = { {
    { "Semi-ellipsoidal heads", HeadKind::Ellipsoidal, 0, "", "ellipsoidal" },
    { "Flat ends", HeadKind::Flat, 0, "", "flat" },
    { "Hemispherical heads", HeadKind::Ellipsoidal, 0.5, "", "hemispherical" },
    { "2:1 elliptical heads", HeadKind::Ellipsoidal, 0.25, "", "2:1" },
    { "Dished, ASME F&D", HeadKind::Torispherical, 0, "asme-fd", "asme-fd" },
    { "Dished, 80/10", HeadKind::Torispherical, 0, "80-10", "80-10" },
    { "Dished, 80/6", HeadKind::Torispherical, 0, "80-6", "80-6" },
    { "Dished, DIN 28011", HeadKind::Torispherical, 0, "din28011", "din28011" },
    { "Dished, DIN 28013", HeadKind::Torispherical, 0, "din28013", "din28013" },
    { "Conical heads", HeadKind::Conical, 0, "", "conical" },
} };

const HeadChoice& ChoiceAt(int choice)
{
    if (choice < 0 || choice >= static_cast<int>(kChoices.size()))
        return kChoices[0];
    return kChoices[static_cast<std::size_t>(choice)];
}

} // namespace

std::span<const HeadChoice> HeadChoices()
{
    return kChoices;
}

int HeadChoiceNamed(std::string_view key)
{
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        if (kChoices[i].key == key)
            return static_cast<int>(i);
    }
    return -1;
}

bool TakesDepth(int choice)
{
    const HeadChoice& c = ChoiceAt(choice);
    return (c.kind == HeadKind::Ellipsoidal && c.depthOverD == 0) || c.kind == HeadKind::Conical;
}

HeadShape HeadShapeFor(int choice, double depth, double diameter)
{
    const HeadChoice& c = ChoiceAt(choice);
    switch (c.kind) {
    case HeadKind::Flat:
        return FlatHeadShape();
    case HeadKind::Ellipsoidal:
        return EllipsoidalHeadShape(c.depthOverD > 0 ? c.depthOverD * diameter : depth);
    case HeadKind::Torispherical:
        return TorisphericalPresetShape(c.preset).value_or(FlatHeadShape());
    case HeadKind::Conical:
        return ConicalHeadShape(depth);
    }
    return FlatHeadShape();
}

const char* TankPicture(int choice, bool horizontal)
{
    switch (ChoiceAt(choice).kind) {
    case HeadKind::Flat:
        return horizontal ? ":/pictures/HorizontalTankFlat.svg" : ":/pictures/VerticalTankFlat.svg";
    case HeadKind::Torispherical:
        return horizontal ? ":/pictures/HorizontalTankDished.svg"
                          : ":/pictures/VerticalTankDished.svg";
    case HeadKind::Conical:
        return horizontal ? ":/pictures/HorizontalTankConical.svg"
                          : ":/pictures/VerticalTankConical.svg";
    case HeadKind::Ellipsoidal:
        break;
    }
    return horizontal ? ":/pictures/HorizontalTank.svg" : ":/pictures/VerticalTank.svg";
}

} // namespace tankora
