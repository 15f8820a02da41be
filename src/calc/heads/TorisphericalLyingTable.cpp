#include "calc/heads/TorisphericalLyingTable_p.h"

#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

namespace tankora {
namespace {

// The fits agree with the quadrature to this, relative; the quadrature
// itself is good to a few parts in 10^15.
constexpr double kTolerance = 1e-14;
// The presets need 3 to 6 pieces; a shape that needs far more is near a
// corner and is better integrated directly.
constexpr int kMaxPieces = 32;
// Shapes kept for the life of the program (about 2 KB each), so that a
// table once handed out is never freed under a head that holds it.
constexpr std::size_t kMaxShapes = 256;

struct Kept
{
    double crown;
    double knuckle;
    std::optional<TorisphericalLyingTable> table;
};

struct Store
{
    std::mutex mutex;
    std::vector<std::unique_ptr<const Kept>> kept;
};

} // namespace

std::optional<TorisphericalLyingTable> TorisphericalLyingTable::Build(
    double crown, double knuckle, const std::function<double(double)>& unitLyingLower)
{
    const double rim = knuckle * (crown - 0.5) / (crown - knuckle);
    TorisphericalLyingTable table;
    table.m_rim = rim;
    if (rim > 0) {
        table.m_belowRim = PiecewiseChebyshev::Fit(
            [&](double s) {
                const double h = s * s;
                return unitLyingLower(h) / (h * h);
            },
            0, std::sqrt(rim), kTolerance, kMaxPieces);
        if (!table.m_belowRim)
            return std::nullopt;
    }
    table.m_aboveRim = PiecewiseChebyshev::Fit(
        [&](double s) {
            const double h = rim + s * s;
            return unitLyingLower(h) / (h * h);
        },
        0, std::sqrt(0.5 - rim), kTolerance, kMaxPieces);
    if (!table.m_aboveRim)
        return std::nullopt;
    return table;
}

const TorisphericalLyingTable* TorisphericalLyingTable::For(
    double crown, double knuckle, const std::function<double(double)>& unitLyingLower)
{
    // The last shape this thread asked for, without the lock: a gauge
    // table or a height solve asks for one shape thousands of times.
    thread_local const Kept* last = nullptr;
    if (last && last->crown == crown && last->knuckle == knuckle)
        return last->table ? &*last->table : nullptr;

    // Never destroyed, like the tables in it: a head may still ask while
    // the program's statics are being torn down.
    static auto* const store = new Store;
    const std::lock_guard lock(store->mutex);
    auto& kept = store->kept;
    for (const auto& shape : kept) {
        if (shape->crown == crown && shape->knuckle == knuckle) {
            last = shape.get();
            return shape->table ? &*shape->table : nullptr;
        }
    }
    if (kept.size() >= kMaxShapes)
        return nullptr;
    kept.push_back(std::make_unique<const Kept>(
        Kept { crown, knuckle, Build(crown, knuckle, unitLyingLower) }));
    last = kept.back().get();
    return last->table ? &*last->table : nullptr;
}

double TorisphericalLyingTable::operator()(double level) const
{
    if (level < m_rim) {
        const double s = std::sqrt(level);
        return level * level * (*m_belowRim)(s);
    }
    return level * level * (*m_aboveRim)(std::sqrt(level - m_rim));
}

// V = h^2 G(s): dV/dh = 2 h G + h^2 G'(s) / (2 s). Below the rim h = s^2,
// so the second term is s^3 G' / 2; above it s = sqrt(h - rim) vanishes at
// the rim, where the quotient is left to the caller.
std::optional<double> TorisphericalLyingTable::Slope(double level) const
{
    if (level < m_rim) {
        const double s = std::sqrt(level);
        return 2 * level * (*m_belowRim)(s) + s * s * s * m_belowRim->Derivative(s) / 2;
    }
    const double s = std::sqrt(level - m_rim);
    if (!(s > 1e-6))
        return std::nullopt;
    return 2 * level * (*m_aboveRim)(s) + level * level * m_aboveRim->Derivative(s) / (2 * s);
}

} // namespace tankora
