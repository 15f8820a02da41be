#include "calc/MethodAccuracy.h"

#include "calc/Calculation.h"

#include <cmath>

namespace tankora {
namespace {

// The exact calculation's messages repeat the table's; nobody reads them.
class SilentSink : public MessageSink
{
public:
    void Show(MessageKind, std::string_view) override { }
};

} // namespace

std::optional<double> ExactResultWhereTableIsOff(const TankState& tableState, CalcMode mode)
{
    TankState exact = tableState;
    SilentSink silent;
    if (!Calculate(exact, mode, silent, VolumeMethod::Exact))
        return std::nullopt;
    const double difference = std::fabs(tableState.LastResult - exact.LastResult);
    if (difference > kTableTolerance * std::fabs(exact.LastResult))
        return exact.LastResult;
    return std::nullopt;
}

} // namespace tankora
